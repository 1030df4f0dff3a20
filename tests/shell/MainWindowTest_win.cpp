// The main window and its controller on a real window, with the settings,
// the history and the system replaced: what the controls do and show.
#include "i18n/Translation.h"
#include "platform/Files.h"
#include "platform/GdiObjects.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"
#include "shell/NotificationIcon.h"
#include "shell/ScreenshotList.h"
#include "shell/UIModes.h"
#include "support/TempFolder.h"
#include "ui/EventLoop.h"
#include "ui/TextLayout.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UIList.h"
#include "ui/UISlider.h"
#include "ui/UIToolBar.h"
#include "ui/UIToolButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

namespace fw {
namespace {

WideString distFolder() {
    std::string path = std::string("Z:") + FW_BINARY_DIR + "/dist";
    return replaceAll(fromUtf8(path), u"/", u"\\");
}

// Records what the window asked of the system instead of doing it.
class RecordingActions : public ScreenshotActions {
public:
    bool fileExists(WideStringView path) override { return !path.empty() && path != u"missing"; }
    bool copyImage(const Image&, bool) override {
        ++imageCopies;
        return true;
    }
    bool copyText(WideStringView text, bool) override {
        texts.emplace_back(text);
        return true;
    }
    Image loadImage(WideStringView) override { return Image(true, 4, 4); }
    bool openFile(WideStringView path) override {
        opened.emplace_back(path);
        return true;
    }
    bool openWebAddress(WideStringView) override { return true; }
    WideString programName(WideStringView) override { return u"Paint"; }

    int imageCopies = 0;
    std::vector<WideString> texts;
    std::vector<WideString> opened;
};

class SilentIcon : public NotificationIconNative {
public:
    void setImage(const Image&) override {}
    void setTip(WideStringView) override {}
    void show() override {}
    void prepareMenu() override {}
    void raiseMenu(UIMenu&) override {}
    Point anchor() override { return Point{}; }
};

// The application around the window: settings in a folder of the test's
// own, the history without files, captures and the exit counted.
class TestApplication : public MainWindowHost, public ModelHistoryHost {
public:
    TestApplication() : folder_("mainwindow"), store_(u"config.dat", u"fw", folder_.path()) {
        applyDefaults(store_, standardDefaults());
        store_.set(keys::kUsePrintScreenKey, SettingValue::boolean(false));
        model_.loadSettings(store_);
        model_.values.externalEditorPath = u"C:\\editor.exe";
        model_.history.setHost(this);
        product_.aboutName = u"Framewing";
        product_.instanceName = u"FramewingTest";
    }
    SettingsStore& settings() override { return store_; }
    SettingsModel& model() override { return model_; }
    const ProductInfo& product() override { return product_; }
    void mainWindowCreated(void*) override {}
    void mainWindowDestroyed(void*) override {}
    void startCapture(int32_t mode) override { captures.push_back(mode); }
    void exit() override { ++exits; }
    bool hasOptions() const override { return true; }
    void showOptions() override {
        if (options) {
            options();
        }
    }

    void entryShown(HistoryEntry& entry) override { view->entryShown(entry); }
    void entryRemoving(HistoryEntry& entry) override { view->entryRemoving(entry); }
    void countChanged() override { view->countChanged(); }
    bool moveToRecycleBin(WideStringView) override { return true; }
    bool deleteFile(WideStringView) override { return true; }

    HistoryEntry& capture(WideString name, CaptureTime time, int32_t mode = 1) {
        HistoryEntry entry;
        entry.location = ScreenshotLocation{u"C:\\shots", std::move(name), u"png"};
        entry.time = time;
        entry.rect = Rect{0, 0, 800, 600};
        entry.mode = mode;
        entry.thumbnail = Image(true, 40, 30);
        return model_.history.add(std::move(entry));
    }

    HistoryView* view = nullptr;
    // What the options window does while it is open.
    std::function<void()> options;
    std::vector<int32_t> captures;
    int exits = 0;

private:
    TempFolder folder_;
    SettingsStore store_;
    SettingsModel model_;
    ProductInfo product_;
};

const CaptureTime kToday{2026, 2, 1, 14, 5, 9};

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
        dataPacks().mount(u"data", distFolder());
    }
    MainWindowTest() { openWindow(); }
    void openWindow() {
        MainWindowSystem system;
        auto actions = std::make_unique<RecordingActions>();
        actions_ = actions.get();
        system.actions = std::move(actions);
        system.makeIcon = [](NotificationIcon&) { return std::make_unique<SilentIcon>(); };
        system.today = [] { return kToday; };
        controller_ = std::make_unique<MainWindowController>(app_, std::move(system));
        app_.view = controller_.get();
        controller_->show(false);
        window().setGeometry(Rect{0, 0, 700, 560});
    }
    void closeWindow() {
        app_.view = nullptr;
        controller_.reset();
    }
    ~MainWindowTest() override {
        app_.model().history.removeAll();
        controller_.reset();
    }

    MainWindow& window() { return controller_->window(); }
    const MainWindowControls& controls() { return window().controls(); }
    void click(const UIWidget* widget) {
        const Rect r = widget->windowRect();
        clickAt(Point{r.x + r.width / 2, r.y + r.height / 2});
    }
    void clickAt(Point p) {
        window().dispatchMouse(NativeMouseKind::Press, p, MouseLeft, MouseLeft, 0);
        window().dispatchMouse(NativeMouseKind::Release, p, MouseLeft, 0, 0);
        eventLoop().processPendingEvents();
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window().dispatchKey(true, k, modifiers);
        window().dispatchKey(false, k, modifiers);
        eventLoop().processPendingEvents();
    }
    // The pixels of a control as the window draws it.
    std::vector<uint32_t> pixelsOf(const UIWidget* widget) {
        window().dispatchMouseLeave();
        const Image image = window().render();
        const Rect r = widget->windowRect();
        std::vector<uint32_t> pixels;
        for (int32_t y = r.y; y < r.bottom(); ++y) {
            for (int32_t x = r.x; x < r.right(); ++x) {
                uint32_t value = 0;
                std::memcpy(&value, image.pixel(x, y), sizeof(value));
                pixels.push_back(value);
            }
        }
        return pixels;
    }
    bool operationsEnabled() {
        return controls().saveAs->isEnabled() && controls().copy->isEnabled() &&
               controls().remove->isEnabled();
    }

    TestApplication app_;
    RecordingActions* actions_ = nullptr;
    std::unique_ptr<MainWindowController> controller_;
};

TEST_F(MainWindowTest, ControlsAreLaidOutInsideTheWindowWithoutOverlapAndShowTheirPictures) {
    const MainWindowControls& c = controls();
    const std::vector<const UIWidget*> all = {
        c.stayOnTop,    c.options,         c.homePage,     c.about,       c.modes,   c.modeOptions,
        c.cursorToggle, c.clipboardToggle, c.formatToggle, c.soundToggle, c.capture, c.operations,
        c.list,         c.count,           c.deleteAll,    c.zoomSmall,   c.zoom,    c.zoomBig,
        c.openFolder};
    const Rect client = window().rect();
    for (size_t i = 0; i < all.size(); ++i) {
        const Rect r = all[i]->windowRect();
        SCOPED_TRACE(toUtf8(all[i]->name()));
        EXPECT_TRUE(all[i]->isVisible());
        EXPECT_FALSE(r.isEmpty());
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.right() <= client.right() &&
                    r.bottom() <= client.bottom());
        for (size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_TRUE(intersect(r, all[j]->windowRect()).isEmpty())
                << "overlaps " << toUtf8(all[j]->name());
        }
    }
    // From top to bottom: capture panel, operations, list, bottom panel.
    EXPECT_LT(c.capture->windowRect().bottom(), c.operations->windowRect().bottom());
    EXPECT_LE(c.operations->windowRect().bottom(), c.list->windowRect().y);
    EXPECT_LE(c.list->windowRect().bottom(), c.count->windowRect().y);
    // Picture buttons draw their picture: more than one colour inside.
    for (const UIWidget* button : {c.capture, c.stayOnTop, c.formatToggle, c.openFolder}) {
        const std::vector<uint32_t> pixels = pixelsOf(button);
        EXPECT_NE(std::count(pixels.begin(), pixels.end(), pixels.front()),
                  static_cast<std::ptrdiff_t>(pixels.size()))
            << toUtf8(button->name());
    }
}

TEST_F(MainWindowTest, QuickOptionsFlipTheirSettingAndPicture) {
    HWND native = static_cast<HWND>(controller_->windowHandle());
    auto topmost = [&] { return (::GetWindowLongW(native, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    auto stored = [&] {
        return app_.settings().get(keys::kWindowMainTopMost, SettingValue()).toBool();
    };
    EXPECT_FALSE(topmost());
    click(controls().stayOnTop);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(stored());
    click(controls().stayOnTop);
    EXPECT_FALSE(topmost());
    EXPECT_FALSE(stored());

    // The format cycles through three pictures and back to the first.
    SettingsValues& values = app_.model().values;
    const int32_t first = values.outputFileFormat;
    std::vector<std::vector<uint32_t>> pictures{pixelsOf(controls().formatToggle)};
    for (int i = 0; i < 3; ++i) {
        click(controls().formatToggle);
        pictures.push_back(pixelsOf(controls().formatToggle));
    }
    EXPECT_EQ(values.outputFileFormat, first);
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_EQ(pictures[3], pictures[0]);

    const bool sound = values.playSound;
    const std::vector<uint32_t> before = pixelsOf(controls().soundToggle);
    click(controls().soundToggle);
    EXPECT_NE(values.playSound, sound);
    EXPECT_NE(pixelsOf(controls().soundToggle), before);
    click(controls().cursorToggle);
    click(controls().clipboardToggle);
    EXPECT_TRUE(values.includeMouseCursor);
    EXPECT_TRUE(values.autoCopyToClipboard);
}

// A widget that keeps a translated text, as most do.
class Caption : public UIWidget {
public:
    void retranslate() override { text = translate(u"Open output folder", u"MainWindow/ToolTips"); }
    WideString text;
};

TEST_F(MainWindowTest, ALanguageChosenInTheOptionsReachesEveryOpenWindowWhenTheyClose) {
    setLanguagesFolder(joinPath(distFolder(), u"languages"));
    UIWindow other;
    Caption* caption = other.add<Caption>();
    app_.options = [&] {
        app_.settings().set(keys::kLanguage, SettingValue::text(u"german"));
        app_.model().values.outputFolder = u"D:\\Shots";
    };
    click(controls().options);
    EXPECT_EQ(caption->text, u"Ausgabeordner \u00F6ffnen");
    EXPECT_EQ(controls().openFolder->toolTip(), u"Ausgabeordner \u00F6ffnen\nD:\\Shots");
    EXPECT_EQ(controls().count->text(), translateCount(u"^ screenshots", u"MainWindow", 0));
    setLanguage(kDefaultLanguage);
}

TEST_F(MainWindowTest, ModesSetTheCaptureToolTipAndTheChosenOneCaptures) {
    UIModes& modes = *controls().modes;
    const Rect bar = modes.windowRect();
    auto entryCentre = [&](int32_t index) {
        const Rect r = modes.entryRect(index);
        return Point{bar.x + r.x + r.width / 2, bar.y + r.y + r.height / 2};
    };
    EXPECT_EQ(controls().capture->toolTip(), u"Capture - Full screen");
    clickAt(entryCentre(3));
    EXPECT_EQ(app_.model().values.mode, 4);
    EXPECT_EQ(controls().capture->toolTip(), u"Capture - Timer");
    EXPECT_TRUE(app_.captures.empty());
    clickAt(entryCentre(3));
    EXPECT_EQ(app_.captures, (std::vector<int32_t>{4}));
    click(controls().capture);
    EXPECT_EQ(app_.captures, (std::vector<int32_t>{4, 4}));
}

TEST_F(MainWindowTest, TheListFollowsTheHistoryNewestFirstAndTheCurrentScreenshotDrivesTheButtons) {
    EXPECT_EQ(controls().count->text(), u"0 screenshots");
    EXPECT_FALSE(controls().deleteAll->isEnabled());
    EXPECT_FALSE(operationsEnabled());
    EXPECT_FALSE(controls().editor->isEnabled());

    app_.capture(u"old", CaptureTime{2025, 3, 3, 9, 0, 0}, 7);
    app_.capture(u"yesterday", CaptureTime{2026, 1, 31, 23, 59, 59}, 2);
    HistoryEntry& newest = app_.capture(u"shot", CaptureTime{2026, 2, 1, 14, 5, 9}, 3);
    UIList& list = *controls().list;
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), u"shot");
    EXPECT_EQ(list.item(0)->detailText(), u"Today");
    EXPECT_EQ(list.item(1)->detailText(), u"Yesterday");
    EXPECT_EQ(list.item(2)->detailText(), u"03 March 2025");
    EXPECT_EQ(list.item(0)->toolTip(), u"File name: shot\nFile format: PNG\nDimensions: 800 x "
                                       u"600\nDate: 2026/02/01 14:05:09\nMode: Region");
    EXPECT_TRUE(list.item(2)->toolTip().ends_with(u"\nMode: -"));
    EXPECT_EQ(controller_->current(), &newest);
    EXPECT_EQ(controls().count->text(), u"3 screenshots");
    EXPECT_TRUE(controls().deleteAll->isEnabled());
    EXPECT_TRUE(operationsEnabled());
    controller_->refreshFromSettings();
    EXPECT_TRUE(controls().editor->isEnabled());
    EXPECT_EQ(controls().editor->toolTip(), u"Open with Paint");
    app_.model().values.externalEditorPath = u"missing";
    controller_->refreshFromSettings();
    EXPECT_FALSE(controls().editor->isEnabled());
    EXPECT_EQ(controls().editor->toolTip(), u"Open with external editor");

    // Keys on the list act on the current screenshot.
    window().setFocusWidget(&list);
    key(KeyC, ModifierControl);
    EXPECT_EQ(actions_->imageCopies, 1);
    key(KeyReturn);
    EXPECT_EQ(actions_->opened, (std::vector<WideString>{u"C:\\shots\\shot.png"}));
    key(KeyDelete);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(controller_->current(), nullptr);
    EXPECT_FALSE(operationsEnabled());
    EXPECT_EQ(controls().count->text(), u"2 screenshots");

    click(controls().deleteAll);
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(controls().deleteAll->isEnabled());
    EXPECT_EQ(controls().count->text(), u"0 screenshots");
}

TEST_F(MainWindowTest, ZoomSetsTheCellsWithinItsRange) {
    UIList& list = *controls().list;
    auto cell = [&] { return list.look().iconModeItemSize; };
    click(controls().zoomSmall);
    EXPECT_EQ(cell(), (Size{120, 150}));
    click(controls().zoomBig);
    EXPECT_EQ(app_.model().values.previewListZoom, 84);
    EXPECT_EQ(cell(), (Size{204, 234}));
    window().setFocusWidget(&list);
    key(KeyAdd);
    EXPECT_EQ(app_.model().values.previewListZoom, 84);
    key(KeySubtract);
    key(KeyOemMinus);
    EXPECT_EQ(app_.model().values.previewListZoom, 74);
    EXPECT_EQ(controls().zoom->value(), 74);
    EXPECT_EQ(cell(), (Size{194, 224}));
}

TEST_F(MainWindowTest, IconToggleCloseAndMinimizeFollowTheSettingsOfTheMoment) {
    controller_->createNotificationIcon();
    NotificationIcon& icon = *controller_->notificationIcon();
    auto leftClick = [&] {
        icon.mouse(IconMouse::LeftUp, Point{});
        eventLoop().processPendingEvents();
    };
    leftClick();
    EXPECT_FALSE(controller_->isVisible());
    leftClick();
    EXPECT_TRUE(controller_->isVisible());
    // Another window of the program is open: the click does nothing.
    UIWindow other;
    other.setGeometry(Rect{0, 0, 100, 80});
    other.show();
    leftClick();
    EXPECT_TRUE(controller_->isVisible());
    other.hide();

    SettingsStore& settings = app_.settings();
    settings.set(keys::kCloseToNotificationArea, SettingValue::boolean(true));
    window().close();
    eventLoop().processPendingEvents();
    EXPECT_FALSE(controller_->isVisible());
    EXPECT_EQ(app_.exits, 0);
    controller_->show(false);
    settings.set(keys::kCloseToNotificationArea, SettingValue::boolean(false));
    window().close();
    eventLoop().processPendingEvents();
    EXPECT_EQ(app_.exits, 1);

    controller_->show(false);
    settings.set(keys::kMinimizeToNotificationArea, SettingValue::boolean(false));
    controller_->onMinimized();
    EXPECT_TRUE(controller_->isVisible());
    settings.set(keys::kMinimizeToNotificationArea, SettingValue::boolean(true));
    controller_->onMinimized();
    EXPECT_FALSE(controller_->isVisible());
}

TEST_F(MainWindowTest, OpeningAndClosingTheWindowWithScreenshotsLeaksNothing) {
    for (int i = 0; i < 3; ++i) {
        app_.capture(u"ScreenShot-" + toWide(i), kToday);
    }
    auto cycle = [&] {
        closeWindow();
        openWindow();
        window().render();
        click(controls().zoomBig);
    };
    for (int i = 0; i < 3; ++i) {
        cycle();
    }
    const int32_t gdiObjects = os::gdiObjectCount();
    const int32_t fonts = platformFontCount();
    for (int i = 0; i < 12; ++i) {
        cycle();
    }
    EXPECT_EQ(os::gdiObjectCount(), gdiObjects);
    EXPECT_EQ(platformFontCount(), fonts);
}

} // namespace
} // namespace fw

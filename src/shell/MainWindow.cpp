#include "shell/MainWindow.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "shell/ScreenshotList.h"
#include "shell/UIModes.h"
#include "ui/ScaledArt.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UIList.h"
#include "ui/UISlider.h"
#include "ui/UIToolBar.h"
#include "ui/UIToolButton.h"

namespace fw {

namespace {

constexpr WideStringView kToolTips = u"MainWindow/ToolTips";
constexpr Size kDefaultClient{640, 560};

// A panel painted with a picture of the program stretched over it ("top_panel_background").
class PanelBox : public UIWidget {
public:
    PanelBox(Image picture, Direction direction) : picture_(std::move(picture)) {
        setLayout(std::make_unique<UIBoxLayout>(direction));
        setOpaque(true);
    }
    UIBoxLayout& box() { return static_cast<UIBoxLayout&>(*layout()); }
    void paint(UIPainter& painter) override {
        const Image& picture = picture_.at(dpi());
        if (picture.isEmpty()) {
            painter.fillRect(rect(), theme::kPanel);
            return;
        }
        painter.drawImage(picture, Rect{0, 0, picture.width(), picture.height()}, rect());
    }

private:
    ScaledImage picture_;
};

// A picture of the program at its own size, centred ("toolbar_separator").
class Ornament : public UIWidget {
public:
    explicit Ornament(Image picture) : picture_(std::move(picture)) {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    }
    Size sizeHint() const override { return picture_.sizeAt(dpi()); }
    void paint(UIPainter& painter) override {
        painter.drawImageAligned(picture_.at(dpi()), rect(), AlignCenter);
    }

private:
    ScaledImage picture_;
};

// The zoom slider keeps its width at every resolution.
class ZoomSlider : public UISlider {
public:
    ZoomSlider() : UISlider(Direction::Horizontal) {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    }
    Size sizeHint() const override { return Size{px(150), UISlider::sizeHint().height}; }
    Size minimumSizeHint() const override { return sizeHint(); }
};

UIButton* pictureButton(UIWidget& parent, WideStringView name, Image image, int32_t padding) {
    auto* button = parent.add<UIButton>();
    button->setName(WideString(name));
    button->setIcon(std::move(image));
    button->setFlat(true);
    const WideString pad = toWide(padding);
    button->setProperty(u"padding", pad);
    button->setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    return button;
}

// The skin has no disabled picture for some buttons: the normal one, faded.
Image faded(const Image& picture) {
    Image copy = picture.clone();
    for (int32_t y = 0; y < copy.height(); ++y) {
        for (int32_t x = 0; x < copy.width(); ++x) {
            uint8_t* p = copy.pixel(x, y);
            for (int32_t channel = 0; channel < copy.bytesPerPixel(); ++channel) {
                p[channel] = static_cast<uint8_t>(p[channel] * 2 / 5);
            }
        }
    }
    return copy;
}

// A skin of one frame made from a picture of the program, for widgets whose
// background the main window replaces.
std::unique_ptr<Skin> skinOfPicture(WideStringView name, const Image& picture) {
    if (picture.isEmpty()) {
        return nullptr;
    }
    SkinDescription description;
    description.name = WideString(name);
    description.count = 1;
    description.frameWidth = picture.width();
    description.frameHeight = picture.height();
    description.vertical = true;
    return std::make_unique<Skin>(description, picture);
}

} // namespace

MainWindow::MainWindow() : UIWindow(u"UIWindow") {
    setName(u"mainWindow");
    setTitle(u"Framewing");
    setWindowFlags(WindowSystemMenu | WindowMinimizeBox | WindowMaximizeBox | WindowSizable);
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(0);
    layout->setSpacing(0);
    UIBoxLayout& column = *layout;
    setLayout(std::move(layout));

    auto* capturePanel = add<PanelBox>(picture(u"top_panel_background"), Direction::Horizontal);
    capturePanel->setName(u"capturePanel");
    capturePanel->box().setMargins(Margins{8, 8, 6, 8});
    capturePanel->box().setSpacing(6);
    buildCapturePanel(*capturePanel);
    column.addWidget(capturePanel);

    buildOperations();
    column.addWidget(controls_.operations);
    buildList();
    column.addWidget(controls_.list, 1);
    buildBottomPanel();
    column.addWidget(findByName(u"bottomPanel"));
    retranslate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCapturePanel(UIWidget& panel) {
    UIBoxLayout& row = static_cast<UIBoxLayout&>(*panel.layout());
    controls_.modes = panel.add<UIModes>();
    controls_.modes->setName(u"modes");
    controls_.modes->addEntry(1, picture(u"mode_desktop"), WideString(), WideString());
    controls_.modes->addEntry(2, picture(u"mode_window"), WideString(), WideString());
    controls_.modes->addEntry(3, picture(u"mode_region"), WideString(), WideString());
    controls_.modes->addEntry(4, picture(u"mode_timer"), WideString(), WideString());
    row.addWidget(controls_.modes, 0, AlignVCenter);

    controls_.modeOptions = panel.add<UIButton>(u"...");
    controls_.modeOptions->setName(u"modeOptions");
    controls_.modeOptions->setFlat(true);
    controls_.modeOptions->setProperty(u"padding", u"4,2,4,2");
    controls_.modeOptions->setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    row.addWidget(controls_.modeOptions, 0, AlignVCenter);
    row.addSpacing(4);
    row.addWidget(panel.add<Ornament>(picture(u"toolbar_separator")), 0, AlignVCenter);
    row.addSpacing(4);

    // The four quick options in two rows of two.
    auto toggles = std::make_unique<UIBoxLayout>(Direction::Vertical);
    toggles->setMargins(0);
    toggles->setSpacing(2);
    UIBoxLayout* first = toggles->addRow();
    UIBoxLayout* second = toggles->addRow();
    first->setSpacing(2);
    second->setSpacing(2);
    controls_.cursorToggle =
        pictureButton(panel, u"cursorToggle", picture(u"mode_options_include_cursor"), 3);
    controls_.clipboardToggle =
        pictureButton(panel, u"clipboardToggle", picture(u"mode_options_auto_clipboard"), 3);
    controls_.formatToggle =
        pictureButton(panel, u"formatToggle", picture(u"mode_options_format_png"), 3);
    controls_.soundToggle =
        pictureButton(panel, u"soundToggle", picture(u"mode_options_play_sound_on"), 3);
    first->addWidget(controls_.cursorToggle);
    first->addWidget(controls_.clipboardToggle);
    second->addWidget(controls_.formatToggle);
    second->addWidget(controls_.soundToggle);
    row.addLayout(std::move(toggles));
    row.addSpacing(4);
    row.addWidget(panel.add<Ornament>(picture(u"toolbar_separator")), 0, AlignVCenter);
    row.addSpacing(4);

    controls_.capture = pictureButton(panel, u"capture", picture(u"capture_button"), 2);
    row.addWidget(controls_.capture, 0, AlignVCenter);
    row.addStretch(1);
    buildTopButtons(panel);
}

void MainWindow::buildTopButtons(UIWidget& panel) {
    UIBoxLayout& row = static_cast<UIBoxLayout&>(*panel.layout());
    auto buttons = std::make_unique<UIBoxLayout>(Direction::Horizontal);
    buttons->setMargins(0);
    buttons->setSpacing(0);
    controls_.stayOnTop =
        pictureButton(panel, u"stayOnTop", picture(u"top_button_stay_on_top_off"), 5);
    controls_.options = pictureButton(panel, u"options", picture(u"top_button_options"), 5);
    controls_.homePage = pictureButton(panel, u"homePage", picture(u"top_button_home"), 5);
    controls_.about = pictureButton(panel, u"about", picture(u"top_button_about"), 5);
    for (UIButton* button :
         {controls_.stayOnTop, controls_.options, controls_.homePage, controls_.about}) {
        buttons->addWidget(button, 0, AlignTop);
    }
    // Kept in the top corner, as the window's own small controls.
    auto column = std::make_unique<UIBoxLayout>(Direction::Vertical);
    column->setMargins(0);
    column->addLayout(std::move(buttons));
    column->addStretch(1);
    row.addLayout(std::move(column));
}

void MainWindow::buildOperations() {
    controls_.operations = add<UIToolBar>();
    UIToolBar& bar = *controls_.operations;
    bar.setName(u"operations");
    bar.setButtonStyle(ToolButtonStyle::IconOnly);
    bar.setProperty(u"padding", u"6,2,6,2");
    operationsBackground_ = skinOfPicture(u"screenshot_list_bar_background",
                                          picture(u"screenshot_list_bar_background"));
    if (operationsBackground_) {
        bar.bindSkin(u"UIToolBar_Background", *operationsBackground_);
    }
    auto operation = [this, &bar](WideStringView name, const WideString& image) {
        UIToolButton* button = bar.addButton();
        button->setName(WideString(name));
        button->setIcons(picture(image), picture(image + u"_hover"), picture(image + u"_off"));
        return button;
    };
    controls_.saveAs = operation(u"saveAs", u"operation_save_to_file");
    controls_.copy = operation(u"copy", u"operation_copy_to_clipboard");
    controls_.editor = operation(u"editor", u"operation_open_with_editor");
    controls_.remove = operation(u"delete", u"operation_delete");
}

void MainWindow::buildList() {
    controls_.list = add<UIList>();
    UIList& list = *controls_.list;
    list.setName(u"list");
    applyScreenshotListLook(list);
}

void MainWindow::buildBottomPanel() {
    auto* panel = add<PanelBox>(picture(u"bottom_panel_background"), Direction::Horizontal);
    panel->setName(u"bottomPanel");
    UIBoxLayout& row = panel->box();
    row.setMargins(Margins{10, 3, 6, 3});
    row.setSpacing(4);
    controls_.count = panel->add<UILabel>();
    controls_.count->setName(u"count");
    row.addWidget(controls_.count);
    controls_.deleteAll =
        pictureButton(*panel, u"deleteAll", picture(u"bottom_button_delete_all"), 4);
    const Image deleteAll = picture(u"bottom_button_delete_all");
    controls_.deleteAll->setIcons(deleteAll, deleteAll, faded(deleteAll));
    row.addWidget(controls_.deleteAll, 0, AlignVCenter);
    row.addStretch(1);
    controls_.zoomSmall =
        pictureButton(*panel, u"zoomSmall", picture(u"bottom_panel_zoom_small"), 4);
    row.addWidget(controls_.zoomSmall, 0, AlignVCenter);
    controls_.zoom = panel->add<ZoomSlider>();
    controls_.zoom->setName(u"zoom");
    controls_.zoom->setRange(0, kMaxListZoom);
    controls_.zoom->setSingleStep(kListZoomStep);
    controls_.zoom->setPageStep(kListZoomStep);
    row.addWidget(controls_.zoom, 0, AlignVCenter);
    controls_.zoomBig = pictureButton(*panel, u"zoomBig", picture(u"bottom_panel_zoom_big"), 4);
    row.addWidget(controls_.zoomBig, 0, AlignVCenter);
    row.addSpacing(6);
    controls_.openFolder =
        pictureButton(*panel, u"openFolder", picture(u"bottom_button_open_folder"), 4);
    row.addWidget(controls_.openFolder, 0, AlignVCenter);
}

void MainWindow::retranslate() {
    const MainWindowControls& c = controls_;
    c.stayOnTop->setToolTip(translate(u"Always on top", kToolTips));
    c.options->setToolTip(translate(u"Options...", kToolTips));
    c.homePage->setToolTip(translate(u"Home page...", kToolTips));
    c.about->setToolTip(translate(u"About...", kToolTips));
    c.modes->setEntryTexts(1, translate(u"Full screen", u"MainWindow"),
                           translate(u"Capture full screen", kToolTips));
    c.modes->setEntryTexts(2, translate(u"Window", u"MainWindow"),
                           translate(u"Capture window or window control", kToolTips));
    c.modes->setEntryTexts(3, translate(u"Region", u"MainWindow"),
                           translate(u"Capture region", kToolTips));
    c.modes->setEntryTexts(4, translate(u"Timer", u"MainWindow"),
                           translate(u"Capture with a timer", kToolTips));
    c.modeOptions->setToolTip(translate(u"Options...", u"MainWindow/Modes"));
    c.cursorToggle->setToolTip(translate(u"Capture mouse cursor", kToolTips));
    c.clipboardToggle->setToolTip(
        translate(u"Automatically copy screenshot to clipboard", kToolTips));
    c.formatToggle->setToolTip(translate(u"Save format", kToolTips));
    c.saveAs->setToolTip(translate(u"Save as...", kToolTips));
    c.copy->setToolTip(translate(u"Copy to clipboard", kToolTips));
    c.remove->setToolTip(translate(u"Delete", kToolTips));
    c.deleteAll->setToolTip(translate(u"Delete all screenshots", kToolTips));
    c.openFolder->setToolTip(translate(u"Open output folder", kToolTips));
}

Image MainWindow::picture(WideStringView name) {
    auto found = pictures_.find(name);
    if (found == pictures_.end()) {
        found = pictures_.emplace(WideString(name), loadPackImage(name)).first;
    }
    return found->second;
}

Size MainWindow::defaultClientSize() const {
    const Size wanted = px(kDefaultClient);
    const Size minimum = effectiveMinimumSize();
    return Size{std::max(wanted.width, minimum.width), std::max(wanted.height, minimum.height)};
}

Size MainWindow::minimumSizeHint() const {
    // The panels' width, and room for one row of screenshots at the smallest zoom.
    const Size panels = UIWindow::minimumSizeHint();
    const int32_t oneRow = px(10 + 150 + 10);
    const int32_t list = controls_.list->minimumSizeHint().height;
    return Size{panels.width, panels.height + std::max(0, oneRow - list)};
}

bool MainWindow::onKeyPress(const KeyEvent& event) {
    if (onUnusedKey) {
        auto unused = onUnusedKey;
        return unused(event);
    }
    return false;
}

bool MainWindow::onCloseRequest() {
    if (onCloseRequested) {
        auto requested = onCloseRequested;
        return requested();
    }
    return true;
}

} // namespace fw

// The main window with an empty history and with a dozen screenshots, the
// list's context menu, the notification icon's menu and the About window.
#include "Screens.h"
#include "support/WidgetGallery.h"

#include "i18n/Translation.h"
#include "output/CaptureTime.h"
#include "shell/AboutWindow.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"
#include "shell/ScreenshotList.h"
#include "shell/UIModes.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UIList.h"
#include "ui/UIMenu.h"
#include "ui/UIToolButton.h"

#include <list>

namespace fw::screens {

namespace {

const CaptureTime kToday{2026, 2, 1, 14, 5, 9};

// The window as the controller leaves it for a history of `count` screenshots.
std::unique_ptr<UIWindow> mainWindow(int32_t count) {
    // The entries outlive the window that shows them for the tool's run.
    static std::list<HistoryEntry> entries;
    auto window = std::make_unique<MainWindow>();
    const MainWindowControls& c = window->controls();
    const Size client = window->defaultClientSize();
    window->setGeometry(Rect{0, 0, client.width, client.height});
    c.modes->setCurrentMode(3);
    c.capture->setToolTip(translate(u"Capture", u"MainWindow/ToolTips") + u" - " +
                          translate(u"Region", u"MainWindow"));
    c.count->setText(translateCount(u"^ screenshots", u"MainWindow", count));
    c.deleteAll->setEnabled(count > 0);
    for (UIToolButton* operation : {c.saveAs, c.copy, c.editor, c.remove}) {
        operation->setEnabled(count > 0);
    }
    ScreenshotList list(*c.list);
    list.setZoom(0);
    // Oldest first, as captures come; the list puts the newest on top.
    for (int32_t i = count - 1; i >= 0; --i) {
        HistoryEntry entry;
        entry.location =
            ScreenshotLocation{u"C:\\Shots", u"ScreenShot-" + toWidePadded(count - i, 2), u"png"};
        entry.time = CaptureTime{2026, 2, 1 - std::min(i / 4, 1), 9 + i, 30, 0};
        if (i >= 8) {
            entry.time = CaptureTime{2025, 3, 3, 10, 0, 0};
        }
        entry.rect = Rect{0, 0, 1920, 1080};
        entry.mode = 1 + i % 4;
        entry.thumbnail = galleryThumbnail(i, 180, i % 4 == 3 ? 180 : 101);
        list.add(entries.emplace_back(std::move(entry)), true, kToday);
    }
    return window;
}

std::unique_ptr<UIWindow> listMenu() {
    std::unique_ptr<UIMenu> menu = makeScreenshotListMenu();
    menu->setItemText(
        2, fillPlaceholder(translate(u"Open with ^", u"MainWindow/ScreenshotListMenu"), u"Paint"));
    menu->popup(Point{40, 40}, nullptr);
    menu->dispatchKey(true, 0x28, 0);
    return menu;
}

std::unique_ptr<UIWindow> iconMenu() {
    std::unique_ptr<UIMenu> menu = makeNotificationIconMenu();
    showNotificationToggleState(*menu, true);
    menu->popup(Point{40, 40}, nullptr);
    return menu;
}

std::unique_ptr<UIWindow> about() {
    ProductInfo product;
    product.aboutName = u"Framewing";
    product.aboutName2 = u"Framewing Screenshot Tool";
    product.makerName = u"Vornhal Software";
    product.version = u"1.0.0";
    return std::make_unique<AboutWindow>(product, nullptr);
}

const ScreenRegistration emptyScreen(u"main-window-empty", [] { return mainWindow(0); });
const ScreenRegistration fullScreen(u"main-window", [] { return mainWindow(12); });
const ScreenRegistration listMenuScreen(u"main-window-list-menu", listMenu);
const ScreenRegistration iconMenuScreen(u"notification-icon-menu", iconMenu);
const ScreenRegistration aboutScreen(u"about-window", about);

} // namespace

} // namespace fw::screens

// The toolkit's own pop-ups: a menu, a tooltip and message boxes.
#include "Screens.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "ui/UIMenu.h"
#include "ui/UIMessageBox.h"
#include "ui/UIToolTip.h"

namespace fw::screens {

namespace {

std::unique_ptr<UIWindow> sampleMenu() {
    auto menu = std::make_unique<UIMenu>();
    const WideString group = u"MainWindow/ScreenshotListMenu";
    menu->addItem(0, translate(u"Save as...", group), loadPackImage(u"menu_save_as"));
    menu->addItem(1, translate(u"Copy to clipboard", group),
                  loadPackImage(u"menu_copy_to_clipboard"))
        .shortcut = u"Ctrl+C";
    menu->addItem(2, translate(u"Open with external editor", group),
                  loadPackImage(u"menu_open_with"))
        .enabled = false;
    menu->addItem(3, translate(u"Delete", group), loadPackImage(u"menu_delete")).shortcut = u"Del";
    menu->addSeparator();
    UIMenuItem& checked = menu->addItem(4, u"Checked item");
    checked.checkable = true;
    checked.checked = true;
    UIMenuItem& radio = menu->addItem(5, u"Radio item");
    radio.radio = true;
    radio.checked = true;
    UIMenu* sub = menu->addSubmenu(u"Submenu");
    sub->addItem(6, u"Inside");
    menu->popup(Point{40, 40}, nullptr);
    // Shows the highlight as the keyboard leaves it on the second item.
    menu->dispatchKey(true, 0x28, 0);
    menu->dispatchKey(true, 0x28, 0);
    return menu;
}

std::unique_ptr<UIWindow> sampleToolTip() {
    auto tip = std::make_unique<UIToolTip>();
    tip->setText(u"ScreenShot-12\nCaptured: 06.12.2026 21:14:05\nDimensions: 1920 x 1080\n"
                 u"Size: 412 KB\nMode: Region");
    tip->adjustSize();
    return tip;
}

std::unique_ptr<UIWindow> questionBox() {
    auto box = std::make_unique<UIMessageBox>(
        u"Framewing", u"The hotkey Ctrl+Shift+F5 is used by another program. Choose another one?",
        MessageBoxYes | MessageBoxNo | MessageBoxCancel, MessageIcon::Question, nullptr);
    box->setDoNotShowAgainVisible(true);
    return box;
}

std::unique_ptr<UIWindow> warningBox() {
    return std::make_unique<UIMessageBox>(u"Framewing",
                                          translate(u"Not enough free disk space.", u"Messages"),
                                          MessageBoxOk, MessageIcon::Warning, nullptr);
}

const ScreenRegistration menuScreen(u"menu", sampleMenu);
const ScreenRegistration toolTipScreen(u"tooltip", sampleToolTip);
const ScreenRegistration questionScreen(u"message-box-question", questionBox);
const ScreenRegistration warningScreen(u"message-box-warning", warningBox);

} // namespace

} // namespace fw::screens

// The widget gallery: one of each widget side by side, as they must look
// together in one window.
#include "Screens.h"
#include "support/WidgetGallery.h"

#include "ui/UILineEdit.h"

namespace fw::screens {

namespace {

std::unique_ptr<UIWindow> gallery() {
    return makeWidgetGallery().window;
}

// Focus in a field with text selected, as a user sees it while typing.
std::unique_ptr<UIWindow> galleryTyping() {
    WidgetGallery gallery = makeWidgetGallery();
    gallery.lineEdit->setText(u"ScreenShot-%n");
    gallery.lineEdit->setFocus();
    gallery.lineEdit->selectAll();
    return std::move(gallery.window);
}

const ScreenRegistration galleryScreen(u"gallery", gallery);
const ScreenRegistration galleryTypingScreen(u"gallery-typing", galleryTyping);

} // namespace

} // namespace fw::screens

#pragma once
// The About window: the program's picture and names, its version and maker,
// and a link to its home page.
#include "shell/WindowController.h"
#include "ui/UIWindow.h"

#include <functional>

namespace fw {

class UIButton;
class UILink;

class AboutWindow : public UIWindow {
public:
    AboutWindow(const ProductInfo& product, UIWindow* owner);

    // The home-page link was followed.
    std::function<void()> onHomePage;

    UILink* homePageLink() const { return link_; }
    UIButton* okButton() const { return ok_; }

private:
    UILink* link_ = nullptr;
    UIButton* ok_ = nullptr;
};

} // namespace fw

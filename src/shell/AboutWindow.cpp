#include "shell/AboutWindow.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "ui/ScaledArt.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UILink.h"
#include "ui/UIPainter.h"

namespace fw {

namespace {

constexpr WideStringView kGroup = u"AboutWindow";

// The program's big window icon, drawn half as large again.
class ProgramPicture : public UIWidget {
public:
    ProgramPicture() : picture_(windowIcons().big) {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    }
    Size sizeHint() const override {
        const Size size = picture_.sizeAt(dpi());
        return Size{size.width * 3 / 2, size.height * 3 / 2};
    }
    void paint(UIPainter& painter) override {
        const Image& picture = picture_.source();
        painter.drawImage(picture, Rect{0, 0, picture.width(), picture.height()}, rect());
    }

private:
    ScaledImage picture_;
};

} // namespace

AboutWindow::AboutWindow(const ProductInfo& product, UIWindow* owner) : UIWindow(u"UIWindow") {
    setName(u"about");
    setOwnerWindow(owner);
    setWindowFlags(WindowSystemMenu);
    setTitle(translate(u"About %app", kGroup));

    auto layout = std::make_unique<UIBoxLayout>(Direction::Horizontal);
    layout->setMargins(Margins{20, 20, 20, 16});
    layout->setSpacing(18);
    UIBoxLayout& row = *layout;
    setLayout(std::move(layout));
    auto* picture = add<ProgramPicture>();
    row.addWidget(picture, 0, AlignTop);

    UIBoxLayout* column = row.addColumn(1);
    column->setSpacing(4);
    auto* name = add<UILabel>(product.aboutName);
    name->setProperty(u"font", u"default,18,bold");
    column->addWidget(name);
    if (!product.aboutName2.empty() && product.aboutName2 != product.aboutName) {
        auto* longName = add<UILabel>(product.aboutName2);
        longName->setProperty(u"foreground", u"153,153,153");
        column->addWidget(longName);
    }
    column->addSpacing(8);
    column->addWidget(
        add<UILabel>(fillPlaceholder(translate(u"Version ^", kGroup), product.version)));
    column->addWidget(add<UILabel>(u"\u00A9 " + product.makerName));
    column->addSpacing(4);
    link_ = add<UILink>(translate(u"Home page...", kGroup));
    link_->setName(u"homePage");
    link_->onClicked = [this] {
        if (onHomePage) {
            auto open = onHomePage;
            open();
        }
    };
    column->addWidget(link_);
    column->addSpacing(14);
    UIBoxLayout* buttons = column->addRow();
    buttons->addStretch(1);
    ok_ = add<UIButton>(translate(u"OK", kGroup));
    ok_->setName(u"ok");
    ok_->setProperty(u"minimumSize", u"84,0");
    ok_->onClicked = [this] { close(); };
    buttons->addWidget(ok_);
    setDefaultAction([this] { close(); });
}

} // namespace fw

// Links, pictures, groups, the expander, the stack of pages, separators, the
// size grip, and balloon tips pointing up and down.
#include "Screens.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "resources/StyleResources.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIBox.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UIExpander.h"
#include "ui/UIGroup.h"
#include "ui/UILabel.h"
#include "ui/UILink.h"
#include "ui/UIPicture.h"
#include "ui/UISizeGrip.h"
#include "ui/UIStack.h"

namespace fw::screens {

namespace {

// Two pictures with their toggles, as the full-screen mode options show them.
void addPictureRow(UIBox& column) {
    const WideString group = u"ModeOptionsWindow";
    UIBox* row = column.add<UIBox>(Direction::Horizontal);
    row->boxLayout()->setMargins(0);
    const std::pair<const char16_t*, const char16_t*> pictures[] = {
        {u"mode_options_full_area", u"Full area."}, {u"mode_options_work_area", u"Work area."}};
    for (const auto& [image, text] : pictures) {
        auto* picture = row->add<UIPicture>(loadPackImage(image), translate(text, group));
        picture->setClickable(true);
        row->boxLayout()->addWidget(picture);
    }
    row->boxLayout()->addStretch();
    column.boxLayout()->addWidget(row);
}

UIGroup* addGroup(UIBox& column, const WideString& title, bool checkable, bool checked) {
    auto* group = column.add<UIGroup>(title);
    group->setCheckable(checkable);
    UIBoxLayout* inside = group->contents()->setBoxLayout(Direction::Vertical);
    const WideString options = u"OptionsWindow";
    auto* first = group->contents()->add<UICheckBox>(translate(u"Capture mouse cursor.", options));
    first->setChecked(true);
    auto* second = group->contents()->add<UICheckBox>(
        translate(u"Automatically copy screenshot to clipboard.", options));
    inside->addWidget(first);
    inside->addWidget(second);
    group->setChecked(checked);
    column.boxLayout()->addWidget(group);
    return group;
}

void addStack(UIBox& column) {
    UIBox* row = column.add<UIBox>(Direction::Horizontal);
    row->boxLayout()->setMargins(0);
    auto* stack = row->add<UIStack>();
    const char16_t* pages[] = {u"General", u"Output", u"History"};
    UIBox* buttons = row->add<UIBox>(Direction::Vertical);
    buttons->boxLayout()->setMargins(0);
    for (int32_t i = 0; i < 3; ++i) {
        UIStackPage* page = stack->addPage();
        page->setBoxLayout(Direction::Vertical)->setMargins(0);
        auto* label = page->add<UILabel>(u"Page: " + translate(pages[i], u"OptionsWindow"));
        static_cast<UIBoxLayout*>(page->layout())->addWidget(label);
        auto* button = buttons->add<UIButton>(translate(pages[i], u"OptionsWindow"));
        button->setCheckable(true);
        button->setChecked(i == 1);
        buttons->boxLayout()->addWidget(button);
    }
    stack->setCurrentIndex(1);
    stack->setUniformSize(true);
    row->boxLayout()->addWidget(buttons);
    row->boxLayout()->addWidget(row->add<UILine>(Direction::Vertical));
    row->boxLayout()->addWidget(stack, 1);
    column.boxLayout()->addWidget(row);
}

std::unique_ptr<UIWindow> gallery() {
    auto window = std::make_unique<UIWindow>();
    window->setTitle(u"Widgets");
    auto* column = window->add<UIBox>(Direction::Vertical);
    column->boxLayout()->setMargins(16);
    auto* link = column->add<UILink>(translate(u"Home page...", u"NotificationIcon"),
                                     u"https://framewing.example/");
    column->boxLayout()->addWidget(link, 0, AlignLeft);
    addPictureRow(*column);
    column->boxLayout()->addWidget(column->add<UILine>());
    addGroup(*column, translate(u"Miscellaneous:", u"OptionsWindow"), false, true);
    addGroup(*column, translate(u"Enable history.", u"OptionsWindow"), true, false);
    auto* expander = column->add<UIExpander>(u"Details", true);
    expander->contents()->setBoxLayout(Direction::Vertical)->setMargins(Margins{18, 4, 0, 4});
    auto* inside = expander->contents()->add<UILabel>(u"Shown while the expander is open.");
    expander->contents()->boxLayout()->addWidget(inside);
    column->boxLayout()->addWidget(expander);
    column->boxLayout()->addWidget(column->add<UIExpander>(u"More details"));
    column->boxLayout()->addWidget(column->add<UILine>());
    addStack(*column);
    column->boxLayout()->addWidget(column->addChild(UISpacer::stretch(Direction::Vertical)));
    auto* grip = column->add<UISizeGrip>();
    column->boxLayout()->addWidget(grip, 0, AlignRight);
    auto outer = std::make_unique<UIBoxLayout>(Direction::Vertical);
    outer->setMargins(0);
    outer->addWidget(column);
    window->setLayout(std::move(outer));
    window->setMinimumSize(Size{window->px(440), 0});
    window->adjustSize();
    return window;
}

std::unique_ptr<UIBalloonTip> balloon(Point anchor, const Rect& desktop) {
    auto tip = std::make_unique<UIBalloonTip>();
    if (const StyleResources* style = currentStyleResources()) {
        tip->setIcon(style->standardImage(StandardImage::InformationSmall));
    }
    tip->setTitleText(u"Framewing");
    tip->setText(u"Framewing is still running. Click its icon in the notification area to "
                 u"show the window again.");
    tip->place(anchor, desktop);
    return tip;
}

std::unique_ptr<UIWindow> balloonAbove() {
    // Over an icon in the bottom-right corner: the arrow near the right end.
    return balloon(Point{1880, 1060}, Rect{0, 0, 1920, 1080});
}

std::unique_ptr<UIWindow> balloonBelow() {
    // Under a point at the top of the screen.
    return balloon(Point{200, 10}, Rect{0, 0, 1920, 1080});
}

const ScreenRegistration galleryScreen(u"misc-widgets", gallery);
const ScreenRegistration balloonAboveScreen(u"balloon-tip", balloonAbove);
const ScreenRegistration balloonBelowScreen(u"balloon-tip-below", balloonBelow);

} // namespace

} // namespace fw::screens

// Choice widgets: combo boxes with their open lists, sliders, tool bars and the
// menu bar, in their states.
#include "Screens.h"

#include "resources/PackImages.h"
#include "ui/UIComboBox.h"
#include "ui/UIComboBoxPopup.h"
#include "ui/UILayout.h"
#include "ui/UIMenu.h"
#include "ui/UIMenuBar.h"
#include "ui/UIPainter.h"
#include "ui/UISlider.h"
#include "ui/UIToolBar.h"

#include <array>

namespace fw::screens {

namespace {

// Several rendered windows in one picture, placed as they lie on the screen
// (a box's window and the list it dropped down).
class Composite : public UIWindow {
public:
    Composite() { setProperty(u"background", u"transparent"); }
    void add(Image image, Point at) {
        bounds_.width = std::max(bounds_.width, at.x + image.width());
        bounds_.height = std::max(bounds_.height, at.y + image.height());
        parts_.push_back(Part{std::move(image), at});
        setGeometry(Rect{0, 0, bounds_.width, bounds_.height});
    }
    void paint(UIPainter& painter) override {
        for (const Part& part : parts_) {
            painter.drawImage(part.image, Rect{0, 0, part.image.width(), part.image.height()},
                              Rect{part.at.x, part.at.y, part.image.width(), part.image.height()});
        }
    }

private:
    struct Part {
        Image image;
        Point at;
    };
    std::vector<Part> parts_;
    Size bounds_;
};

UIComboBox* addCombo(UIBoxLayout* row, UIWidget& parent, int32_t current) {
    auto* box = parent.add<UIComboBox>();
    for (const char16_t* text : {u"BMP", u"PNG", u"JPEG"}) {
        box->addItem(text);
    }
    box->setCurrentIndex(current);
    row->addWidget(box);
    return box;
}

UISlider* addSlider(UIBoxLayout* row, UIWidget& parent, Direction orientation, SliderTicks ticks,
                    int32_t value) {
    auto* slider = parent.add<UISlider>(orientation);
    slider->setRange(0, 84);
    slider->setPageStep(12);
    slider->setTickPosition(ticks);
    slider->setValue(value);
    row->addWidget(slider, 0, orientation == Direction::Horizontal ? 0u : uint32_t(AlignVCenter));
    return slider;
}

UIToolBar* operationsBar(UIWidget& parent) {
    auto* bar = parent.add<UIToolBar>();
    const WideStringView names[] = {u"operation_save_to_file", u"operation_copy_to_clipboard",
                                    u"operation_open_with_editor", u"operation_delete"};
    for (WideStringView name : names) {
        UIToolButton* button = bar->addButton();
        button->setIcons(loadPackImage(name), loadPackImage(WideString(name) + u"_hover"),
                         loadPackImage(WideString(name) + u"_off"));
    }
    bar->buttons()[2]->setEnabled(false);
    bar->addSeparator();
    UIToolButton* checked = bar->addButton(u"Checked");
    checked->setCheckable(true);
    checked->setChecked(true);
    UIToolButton* split = bar->addButton(u"Split", loadPackImage(u"operation_save_to_file"));
    split->setMenu(ToolButtonMenuMode::Split)->addItem(1, u"Save all");
    bar->addButton(u"Menu")->setMenu(ToolButtonMenuMode::Whole)->addItem(2, u"Item");
    return bar;
}

UIMenuBar* menuBar(UIWidget& parent) {
    auto* bar = parent.add<UIMenuBar>();
    for (const char16_t* title : {u"&File", u"&Edit", u"&View", u"&Help"}) {
        UIMenu* menu = bar->addMenu(title);
        menu->addItem(1, u"&Open...").shortcut = u"Ctrl+O";
        menu->addItem(2, u"&Save").shortcut = u"Ctrl+S";
        menu->addSeparator();
        menu->addItem(3, u"E&xit");
    }
    return bar;
}

Point centreOf(const UIWidget& widget) {
    const Rect r = widget.windowRect();
    return Point{r.x + r.width / 2, r.y + r.height / 2};
}

std::unique_ptr<UIWindow> gallery() {
    auto window = std::make_unique<UIWindow>();
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(Margins{0, 0, 0, 12});
    layout->setSpacing(10);
    layout->addWidget(menuBar(*window));
    UIToolBar* tools = operationsBar(*window);
    layout->addWidget(tools);

    UIBoxLayout* combos = layout->addRow();
    combos->setMargins(Margins{12, 0, 12, 0});
    combos->setSpacing(10);
    UIComboBox* first = addCombo(combos, *window, 1);
    addCombo(combos, *window, 2);
    addCombo(combos, *window, 0)->setEnabled(false);
    combos->addStretch();

    UIBoxLayout* sliders = layout->addRow();
    sliders->setMargins(Margins{12, 0, 12, 0});
    sliders->setSpacing(16);
    UIBoxLayout* horizontal = sliders->addColumn(1);
    horizontal->setMargins(0);
    horizontal->setSpacing(8);
    addSlider(horizontal, *window, Direction::Horizontal, SliderTicks::None, 30);
    addSlider(horizontal, *window, Direction::Horizontal, SliderTicks::Below, 42);
    addSlider(horizontal, *window, Direction::Horizontal, SliderTicks::Above, 60);
    addSlider(horizontal, *window, Direction::Horizontal, SliderTicks::BothSides, 84);
    addSlider(horizontal, *window, Direction::Horizontal, SliderTicks::Below, 20)
        ->setEnabled(false);
    for (SliderTicks ticks :
         {SliderTicks::None, SliderTicks::Left, SliderTicks::Right, SliderTicks::BothSides}) {
        addSlider(sliders, *window, Direction::Vertical, ticks, 50);
    }

    // A bar too narrow for its buttons shows the indicator of the rest.
    UIBoxLayout* narrow = layout->addRow();
    narrow->setMargins(Margins{12, 0, 12, 0});
    UIToolBar* cut = operationsBar(*window);
    cut->setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    cut->setFixedSize(Size{window->px(190), cut->sizeHint().height});
    narrow->addWidget(cut);
    narrow->addStretch();

    window->setLayout(std::move(layout));
    window->setGeometry(Rect{0, 0, window->px(560), window->sizeHint().height});
    window->layoutNow();
    // The second box has the keyboard focus; the mouse rests on a tool button.
    first->setFocus();
    window->dispatchKey(true, KeyTab, 0);
    window->dispatchMouse(NativeMouseKind::Move, centreOf(*tools->buttons()[1]), 0, 0, 0);
    return window;
}

// A box in its window with its list open, one item under the mouse.
std::unique_ptr<UIWindow> comboList(int32_t count, int32_t current, int32_t highlighted) {
    UIWindow owner;
    owner.setGeometry(Rect{0, 0, owner.px(240), owner.px(60)});
    auto* box = owner.add<UIComboBox>();
    for (int32_t i = 0; i < count; ++i) {
        box->addItem(count <= 5 ? WideString(std::array<const char16_t*, 5>{u"BMP", u"PNG", u"JPEG",
                                                                            u"GIF", u"TIFF"}[i])
                                : u"Screenshot " + toWide(i + 1));
    }
    box->setCurrentIndex(current);
    box->setGeometry(Rect{owner.px(12), owner.px(12), owner.px(160), box->sizeHint().height});
    box->showPopup();
    UIComboBoxPopup* list = box->popup();
    list->setHighlighted(highlighted);
    auto shot = std::make_unique<Composite>();
    shot->setWindowDpi(owner.windowDpi());
    shot->add(owner.render(), Point{});
    const Rect at = box->windowRect();
    shot->add(list->render(), Point{at.x, at.bottom()});
    box->hidePopup();
    return shot;
}

// The menu bar with its second menu opened from the keyboard.
std::unique_ptr<UIWindow> menuBarOpen() {
    UIWindow owner;
    owner.setGeometry(Rect{0, 0, owner.px(360), owner.px(40)});
    UIMenuBar* bar = menuBar(owner);
    bar->setGeometry(Rect{0, 0, owner.px(360), bar->sizeHint().height});
    bar->openMenu(1, true);
    auto shot = std::make_unique<Composite>();
    shot->setWindowDpi(owner.windowDpi());
    shot->add(owner.render(), Point{});
    const Rect title = bar->titleRect(1);
    shot->add(bar->menu(1)->render(), Point{title.x, title.bottom()});
    bar->menu(1)->closeAll();
    return shot;
}

const ScreenRegistration galleryScreen(u"choice-widgets", gallery);
const ScreenRegistration comboScreen(u"combo-box-list", [] { return comboList(5, 1, 3); });
const ScreenRegistration longComboScreen(u"combo-box-long-list",
                                         [] { return comboList(30, 16, 17); });
const ScreenRegistration menuBarScreen(u"menu-bar", menuBarOpen);

} // namespace

} // namespace fw::screens

#include "WidgetGallery.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "shell/UIHotKey.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIBox.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UIComboBox.h"
#include "ui/UIExpander.h"
#include "ui/UIGroup.h"
#include "ui/UILabel.h"
#include "ui/UILineEdit.h"
#include "ui/UILink.h"
#include "ui/UIList.h"
#include "ui/UIMenu.h"
#include "ui/UIMenuBar.h"
#include "ui/UIPicture.h"
#include "ui/UIScrollArea.h"
#include "ui/UISizeGrip.h"
#include "ui/UISlider.h"
#include "ui/UISpinBox.h"
#include "ui/UIStack.h"
#include "ui/UITextEdit.h"
#include "ui/UIToolBar.h"
#include "ui/UIToolButton.h"

namespace fw {

namespace {

WideString options(const char16_t* text) {
    return translate(text, u"OptionsWindow");
}

// A column of the gallery; its widgets are laid out top to bottom.
UIBox* addColumn(UIBox& row) {
    UIBox* column = row.add<UIBox>(Direction::Vertical);
    column->boxLayout()->setMargins(0);
    row.boxLayout()->addWidget(column, 1);
    return column;
}

template <typename T, typename... Args> T* addTo(UIBox& box, Args&&... args) {
    T* widget = box.add<T>(std::forward<Args>(args)...);
    box.boxLayout()->addWidget(widget);
    return widget;
}

// A widget that takes a share of the column's spare height.
template <typename T, typename... Args>
T* addStretching(UIBox& box, int32_t stretch, Args&&... args) {
    T* widget = box.add<T>(std::forward<Args>(args)...);
    box.boxLayout()->addWidget(widget, stretch);
    return widget;
}

UIBox* addRow(UIBox& column) {
    UIBox* row = addTo<UIBox>(column, Direction::Horizontal);
    row->boxLayout()->setMargins(0);
    return row;
}

void addMenuBar(UIWindow& window, UIBoxLayout& layout, WidgetGallery& gallery) {
    gallery.menuBar = window.add<UIMenuBar>();
    UIMenu* file = gallery.menuBar->addMenu(u"&File");
    file->addItem(1, u"&Open folder");
    file->addSeparator();
    file->addItem(2, u"E&xit");
    UIMenu* view = gallery.menuBar->addMenu(u"&View");
    view->addItem(3, u"&Icons").checked = true;
    view->addItem(4, u"&Details");
    layout.addWidget(gallery.menuBar);
}

void addToolBar(UIWindow& window, UIBoxLayout& layout, WidgetGallery& gallery) {
    gallery.toolBar = window.add<UIToolBar>();
    gallery.toolBar->setButtonStyle(ToolButtonStyle::TextBesideIcon);
    gallery.toolBar->addButton(u"Capture", loadPackImage(u"main_capture_full_screen"));
    UIToolButton* save = gallery.toolBar->addButton(u"Save as");
    UIMenu* saveMenu = save->setMenu(ToolButtonMenuMode::Split);
    saveMenu->addItem(1, u"PNG");
    saveMenu->addItem(2, u"JPEG");
    gallery.toolBar->addSeparator();
    UIToolButton* pinned = gallery.toolBar->addButton(u"Pinned");
    pinned->setCheckable(true);
    pinned->setChecked(true);
    gallery.toolBar->addButton(u"Disabled")->setEnabled(false);
    layout.addWidget(gallery.toolBar);
}

void addChoices(UIBox& column, WidgetGallery& gallery) {
    UIBox* buttons = addRow(column);
    gallery.button = addTo<UIButton>(*buttons, translate(u"OK", u"UserInterface/UIMessageBox"));
    addTo<UIButton>(*buttons, translate(u"Cancel", u"UserInterface/UIMessageBox"))
        ->setEnabled(false);
    buttons->boxLayout()->addStretch();
    gallery.checkBox = addTo<UICheckBox>(column, options(u"Capture mouse cursor."));
    gallery.checkBox->setChecked(true);
    addTo<UICheckBox>(column, options(u"Automatically copy screenshot to clipboard."))
        ->setEnabled(false);
    addTo<UIRadioButton>(column, u"PNG", 1)->setChecked(true);
    addTo<UIRadioButton>(column, u"JPEG", 1);

    gallery.group = addTo<UIGroup>(column, options(u"History"));
    gallery.group->setCheckable(true);
    gallery.group->setChecked(true);
    UIBox& inside = *gallery.group->contents();
    inside.setBoxLayout(Direction::Vertical);
    addTo<UILabel>(inside, u"Keep screenshots for:");
    UIBox* pictures = addRow(inside);
    addTo<UIPicture>(*pictures, loadPackImage(u"mode_options_full_area"), u"Full area.")
        ->setClickable(true);
    addTo<UIPicture>(*pictures, loadPackImage(u"mode_options_work_area"), u"Work area.")
        ->setClickable(true);
    pictures->boxLayout()->addStretch();
    gallery.link =
        addTo<UILink>(column, u"framewing.example.org", u"https://framewing.example.org/");
    column.boxLayout()->addStretch();
}

void addTextFields(UIBox& column, WidgetGallery& gallery) {
    gallery.lineEdit = addTo<UILineEdit>(column);
    gallery.lineEdit->setBlankText(u"Type a file name");
    addTo<UILineEdit>(column, u"Read only")->setReadOnly(true);
    UIBox* numbers = addRow(column);
    gallery.spinBox = addTo<UISpinBox>(*numbers);
    gallery.spinBox->setRange(1, 100);
    gallery.spinBox->setValue(5);
    gallery.hotKey = addTo<UIHotKey>(*numbers);
    numbers->boxLayout()->addStretch();
    gallery.comboBox = addTo<UIComboBox>(column);
    for (const char16_t* format : {u"PNG", u"JPEG", u"BMP"}) {
        gallery.comboBox->addItem(format);
    }
    gallery.comboBox->setCurrentIndex(0);
    gallery.slider = addTo<UISlider>(column);
    gallery.slider->setRange(0, 100);
    gallery.slider->setPageStep(10);
    gallery.slider->setTickPosition(SliderTicks::Below);
    gallery.slider->setTickInterval(10);
    gallery.slider->setValue(30);
    gallery.textEdit =
        addStretching<UITextEdit>(column, 1, u"Several lines\nof text, wrapped at the edge.");
}

void addLists(UIBox& column, WidgetGallery& gallery) {
    gallery.iconList = addStretching<UIList>(column, 2);
    gallery.iconList->setViewMode(UIList::ViewMode::Icon);
    for (int32_t i = 0; i < 30; ++i) {
        const WideString name = u"ScreenShot-" + toWide(i + 1) + u".png";
        UIListItem* item = gallery.iconList->addItem(name, u"Today", galleryThumbnail(i, 120, 68));
        item->setToolTip(name + u"\n1920 x 1080");
    }
    gallery.detailList = addStretching<UIList>(column, 1);
    for (const char16_t* name : {u"Desktop", u"Documents", u"Pictures", u"Screenshots"}) {
        gallery.detailList->addItem(name, u"Folder");
    }
    gallery.detailList->setSelectedIndex(2);

    gallery.expander = addTo<UIExpander>(column, u"More", true);
    UIBox& more = *gallery.expander->contents();
    more.setBoxLayout(Direction::Vertical);
    gallery.stack = addTo<UIStack>(more);
    for (const char16_t* page : {u"General", u"Output"}) {
        UIStackPage* stackPage = gallery.stack->addPage();
        stackPage->setBoxLayout(Direction::Vertical)->setMargins(0);
        auto* label = stackPage->add<UILabel>(u"Page: " + options(page));
        static_cast<UIBoxLayout*>(stackPage->layout())->addWidget(label);
    }
    gallery.scrollArea = addTo<UIScrollArea>(more);
    UIBox* content = gallery.scrollArea->emplaceWidget<UIBox>(Direction::Vertical);
    for (int32_t i = 0; i < 12; ++i) {
        addTo<UILabel>(*content, u"Scrolled line " + toWide(i + 1));
    }
}

} // namespace

Image galleryThumbnail(int32_t seed, int32_t width, int32_t height) {
    static const uint32_t desktops[] = {0x2E5C8A, 0x3A6B35, 0x6B3A5C, 0x8A6A2E, 0x444A55};
    const uint32_t desktop = desktops[seed % 5];
    Image image(true, width, height);
    const Rect frame{width / 6 + seed % 3 * 6, height / 5, width * 3 / 5, height * 3 / 5};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t colour = desktop;
            if (frame.contains(x, y)) {
                colour = y < frame.y + height / 12 ? 0x3DA5F4 : 0xF0F0F0;
            }
            uint8_t* p = image.pixel(x, y);
            p[0] = uint8_t(colour);
            p[1] = uint8_t(colour >> 8);
            p[2] = uint8_t(colour >> 16);
            p[3] = 255;
        }
    }
    return image;
}

WidgetGallery makeWidgetGallery() {
    WidgetGallery gallery;
    gallery.window = std::make_unique<UIWindow>();
    UIWindow& window = *gallery.window;
    window.setTitle(u"Widget gallery");
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(0);
    layout->setSpacing(0);
    addMenuBar(window, *layout, gallery);
    addToolBar(window, *layout, gallery);
    UIBox* row = window.add<UIBox>(Direction::Horizontal);
    layout->addWidget(row, 1);
    addChoices(*addColumn(*row), gallery);
    addTextFields(*addColumn(*row), gallery);
    addLists(*addColumn(*row), gallery);
    UIBox* status = window.add<UIBox>(Direction::Horizontal);
    status->boxLayout()->setMargins(0);
    status->boxLayout()->addStretch();
    status->boxLayout()->addWidget(status->add<UISizeGrip>());
    layout->addWidget(status);
    window.setLayout(std::move(layout));
    const int32_t dpi = window.windowDpi();
    window.setGeometry(Rect{0, 0, 900 * dpi / 96, 600 * dpi / 96});
    return gallery;
}

} // namespace fw

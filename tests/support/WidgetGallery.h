#pragma once
// One window with one of each widget of the toolkit, arranged as a settings
// window would arrange them: the screens tool renders it so that the widgets
// can be judged side by side, and the window tests drive it as a user would.
#include "ui/UIWindow.h"

#include <memory>

namespace fw {

class UIButton;
class UICheckBox;
class UIComboBox;
class UIExpander;
class UIGroup;
class UIHotKey;
class UILineEdit;
class UILink;
class UIList;
class UIMenuBar;
class UIScrollArea;
class UISlider;
class UISpinBox;
class UIStack;
class UITextEdit;
class UIToolBar;

struct WidgetGallery {
    std::unique_ptr<UIWindow> window;
    UIMenuBar* menuBar = nullptr;
    UIToolBar* toolBar = nullptr;
    UIButton* button = nullptr;
    UICheckBox* checkBox = nullptr;
    UIGroup* group = nullptr;
    UILink* link = nullptr;
    UILineEdit* lineEdit = nullptr;
    UISpinBox* spinBox = nullptr;
    UIHotKey* hotKey = nullptr;
    UIComboBox* comboBox = nullptr;
    UISlider* slider = nullptr;
    UITextEdit* textEdit = nullptr;
    UIList* iconList = nullptr;
    UIList* detailList = nullptr;
    UIScrollArea* scrollArea = nullptr;
    UIExpander* expander = nullptr;
    UIStack* stack = nullptr;
};

// Texts come from the loaded translation where the program has them. The
// window is sized to its hint at its resolution.
WidgetGallery makeWidgetGallery();

// A made-up screenshot for list items: a desktop colour with a window on it.
Image galleryThumbnail(int32_t seed, int32_t width, int32_t height);

} // namespace fw

#pragma once
// A drop-down choice: the current item's text on "UIComboBox_Background"
// (frames normal, hovered, pressed, disabled) with "UIComboBox_Arrow" (normal,
// disabled). A click, Alt+Down, F4 or Space opens the pop-up list; without
// opening it the arrows, Page Up/Down, Home and End change the choice and a
// typed letter jumps to the next item that begins with it. Items are texts
// with a data value, added by code or taken from a model of the current style.
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class UIComboBoxPopup;

struct UIComboBoxItem {
    WideString text;
    WideString data;
};

class UIComboBox : public UIWidget {
public:
    UIComboBox();
    ~UIComboBox() override;

    // Adding to an empty box makes the first item current.
    void addItem(WideString text, WideString data = WideString());
    void insertItem(int32_t index, WideString text, WideString data = WideString());
    void removeItem(int32_t index);
    void clear();
    int32_t count() const { return static_cast<int32_t>(items_.size()); }
    const std::vector<UIComboBoxItem>& items() const { return items_; }
    WideString itemText(int32_t index) const;
    WideString itemData(int32_t index) const;
    void setItemText(int32_t index, WideString text);
    // The first item with that data or text, or -1.
    int32_t findData(WideStringView data) const;
    int32_t findText(WideStringView text) const;

    // Fills the items from the current style's model `name`: each child's
    // "name" is shown, its "data" is the value. With a group, the names pass
    // through the translation of that group (again after a language change).
    // False, with no items, when the style has no such model.
    bool setModel(WideStringView name, WideStringView translationGroup = WideStringView());

    // -1 when there is no item.
    int32_t currentIndex() const { return current_; }
    void setCurrentIndex(int32_t index);
    WideString currentText() const { return itemText(current_); }
    WideString currentData() const { return itemData(current_); }
    // Makes the first item with that data current; false when there is none.
    bool setCurrentData(WideStringView data);

    // Runs whenever the current item changes, with its index.
    std::function<void(int32_t)> onChanged;

    void showPopup();
    void hidePopup();
    bool isPopupOpen() const;
    // The open list (null until it was first opened).
    UIComboBoxPopup* popup() const { return popup_.get(); }

    // The item to jump to for a typed character, searching after `from`;
    // typing within a second extends the prefix, repeating one letter cycles
    // through the items that begin with it. -1 when nothing matches.
    int32_t typeAhead(char16_t character, int32_t from);
    // Letters typed within the last second (a space then belongs to the prefix).
    bool isTyping() const { return !typed_.empty(); }

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onChar(const CharEvent& event) override;
    void onFocusOut() override;
    void onStateChanged() override;
    void retranslate() override;
    void OnTimer(int32_t identifier) override;

    // The look the pop-up list shares (scaled to the resolution where it is a length).
    const TextStyle& textStyle() const { return textStyle_; }
    const Paint& popupBackground() const { return popupBackground_; }
    Margins popupPadding() const { return px(popupPadding_); }
    // Where the text and the arrow lie (local coordinates).
    Rect textRect() const;
    Rect arrowRect() const;

private:
    void setCurrentFromUser(int32_t index);
    Size arrowSize() const;
    int32_t widestItem() const;
    int32_t pageStep() const;

    std::vector<UIComboBoxItem> items_;
    // The untranslated names of a model bound with a translation group.
    std::vector<WideString> sourceTexts_;
    WideString translationGroup_;
    int32_t current_ = -1;

    TextStyle textStyle_;
    Margins padding_{8, 3, 8, 3};
    Margins popupPadding_{4, 4, 4, 4};
    Paint popupBackground_ = Paint::solid(theme::kPanel);
    int32_t minimumHeight_ = 24;
    int32_t minimumWidth_ = 60;
    int32_t maximumWidth_ = 0;
    int32_t spacing_ = 6;
    const Skin* background_ = nullptr;
    const Skin* arrow_ = nullptr;

    std::unique_ptr<UIComboBoxPopup> popup_;
    WideString typed_;
    int32_t wheelRest_ = 0;
};

// How many items the pop-up list shows before it scrolls.
constexpr int32_t kComboBoxVisibleItems = 12;
// How long typed letters add up to one prefix.
constexpr int32_t kComboBoxTypeAheadMs = 1000;

} // namespace fw

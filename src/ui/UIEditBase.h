#pragma once
// What the line edit and the text edit share: their style properties, the
// editing model, caret blinking, keyboard and mouse editing, the clipboard,
// undo, the context menu and the placement of the input method's windows.
// The fields themselves lay out and paint their text.
#include "ui/TextEditModel.h"
#include "ui/UIMenu.h"
#include "ui/UIWidget.h"

#include <functional>
#include <memory>

namespace fw {

// The look of an edit field in each of its states.
struct EditStyle {
    FontSpec font;
    FontSpec blankFont;
    Paint foreground;
    Paint selectedForeground;
    Paint unfocusedSelectedForeground;
    Paint disabledForeground;
    Paint readonlyForeground;
    Paint blankForeground;
    Paint background;
    Paint selectedBackground;
    Paint unfocusedSelectedBackground;
    Paint disabledBackground;
    Paint readonlyBackground;

    EditStyle();
    // True when `name` is one of the properties above.
    bool setProperty(WideStringView name, WideStringView value);
    bool operator==(const EditStyle&) const = default;
};

// Ids of the context menu's items.
enum EditMenuItem : int32_t {
    EditMenuUndo = 1,
    EditMenuRedo,
    EditMenuCut,
    EditMenuCopy,
    EditMenuPaste,
    EditMenuDelete,
    EditMenuSelectAll,
};

class UIEditBase : public UIWidget {
public:
    ~UIEditBase() override;

    const WideString& text() const { return model_.text(); }
    // Sets the text as the program does: undo history forgotten, caret at
    // the end; onChanged when it differs.
    void setText(WideStringView text);
    // The hint shown while the field is empty.
    const WideString& blankText() const { return blankText_; }
    void setBlankText(WideString text);
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    size_t maxLength() const { return model_.maxLength(); }
    void setMaxLength(size_t maxLength);
    // Sees the whole text a user edit would leave; false refuses the edit.
    void setValidator(TextEditModel::Validator validator);
    const TextEditModel& model() const { return model_; }
    const EditStyle& editStyle() const { return style_; }

    size_t caretPosition() const { return model_.caret(); }
    // The caret's rectangle in local coordinates.
    virtual Rect caretRect() const = 0;
    WideString selectedText() const { return model_.selectedText(); }
    void setSelection(size_t anchor, size_t caret);
    void selectAll();

    // The editing commands, as the keyboard and the menu give them.
    bool undo();
    bool redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    // Puts `text` where the caret is (over the selection), as the user would.
    void insertText(WideStringView text);

    // The context menu at a point of the field; the open menu, if any.
    void showContextMenu(Point local);
    UIMenu* contextMenu() const { return menu_.get(); }

    // The text changed, by the user or the program.
    std::function<void()> onChanged;
    // The user changed the text (typing, deleting, pasting, undoing).
    std::function<void()> onEdited;

    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    int32_t cursorAt(Point local) const override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseDoubleClick(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onChar(const CharEvent& event) override;
    void onFocusIn() override;
    void onFocusOut() override;
    void onCaptureLost() override;
    void onStateChanged() override;
    void OnTimer(int32_t identifier) override;

protected:
    UIEditBase(WideString className, WideString skinName, WideString menuGroup, bool multiLine);

    // Layout, given by each field.
    // The text position nearest to a local point.
    virtual TextHit hitAt(Point local) const = 0;
    size_t positionAt(Point local) const { return hitAt(local).position; }
    // The text or its font changed: lay it out again.
    virtual void textChanged() = 0;
    // Scrolls so that the caret shows.
    virtual void ensureCaretVisible() = 0;
    // Home and End: to the start or end of the caret's line.
    virtual void moveToLineEdge(bool end, bool extend);
    // Up, Down, Page Up and Page Down; false when the field has no lines.
    virtual bool moveVertically(uint32_t key, bool extend, bool control);
    // Enter; false lets the window take it (its default action).
    virtual bool insertLineBreak();
    // Triple click: what it selects (the whole text here).
    virtual std::pair<size_t, size_t> lineSelectionAt(size_t position) const;
    // After every caret move, by whatever cause.
    virtual void caretMoved() {}
    // Items a field adds after the standard ones, and their handling.
    virtual void addMenuItems(UIMenu& menu);
    virtual void menuItemChosen(int32_t id);
    // The font the text is shown in (a zoomed field scales it).
    virtual FontSpec textFont() const { return style_.font; }
    virtual FontSpec blankTextFont() const { return style_.blankFont; }

    // Moves the caret and brings it into view; `atLineEnd` shows it at the end
    // of a wrapped line rather than at the start of the next.
    void moveCaret(size_t position, bool extend, bool atLineEnd = false);
    // Refreshes everything after the model changed; `byUser` raises onEdited.
    void afterEdit(bool changed, bool byUser);
    // A fresh blink period with the caret shown (after moves and edits).
    void restartBlink();
    // Places the input method's windows at the caret.
    void updateInputMethod();
    Point toScreen(Point local) const;

    // Painting helpers.
    void paintFrame(UIPainter& painter) const;
    const Paint& textPaint() const;
    // One line of text whose first character starts at `origin` (top left),
    // `offsets` after each of its characters, with [selectFrom, selectTo)
    // highlighted; `selectBreak` marks its line break as selected too.
    void paintTextLine(UIPainter& painter, Point origin, int32_t lineHeight, WideStringView line,
                       const std::vector<int32_t>& offsets, size_t selectFrom, size_t selectTo,
                       bool selectBreak) const;
    void paintBlankText(UIPainter& painter, const Rect& area, uint32_t alignment) const;
    void paintCaret(UIPainter& painter) const;
    bool isCaretShown() const;
    // The caret's width in pixels, from the style's metrics.
    int32_t caretWidth() const;

    const WideString& menuGroup() const { return menuGroup_; }

    TextEditModel model_;
    EditStyle style_;
    const Skin* skin_ = nullptr;
    // The caret shows at the end of a wrapped line (see TextHit).
    bool caretAtLineEnd_ = false;

private:
    enum class DragMode { None, Characters, Words };

    bool handleEditingKey(const KeyEvent& event);
    bool handleShortcut(const KeyEvent& event);
    bool handleMovementKey(const KeyEvent& event);
    void removeBackward(bool word);
    void removeForward(bool word);
    void dragTo(Point local);
    void updateAutoScroll(Point local);
    void buildMenu(UIMenu& menu);
    void chooseMenuItem(int32_t id);

    WideString skinName_;
    WideString menuGroup_;
    WideString blankText_;
    std::unique_ptr<UIMenu> menu_;
    bool readOnly_ = false;
    bool caretOn_ = true;
    DragMode drag_ = DragMode::None;
    std::pair<size_t, size_t> dragWord_;
    Point lastDragPoint_;
    // The last double click, to tell a third click.
    uint32_t doubleClickTime_ = 0;
    Point doubleClickPoint_;
    bool doubleClickValid_ = false;
    // A high surrogate that arrived alone, waiting for its pair.
    char16_t pendingHighSurrogate_ = 0;
};

} // namespace fw

#pragma once
// What a text field edits, apart from how it looks: the text, the caret and
// the selection, undo and redo (typing grouped by words), word and line
// boundaries, a length limit and a validator. Positions are UTF-16 offsets
// that never fall inside a surrogate pair.
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace fw {

// What an edit was, for grouping undo steps: letters typed in a row undo as
// one word, Backspace and Delete held down as one run.
enum class EditKind { Typing, Backspace, ForwardDelete, Other };

// A position with the side of a line wrap it shows on: where a line wraps, the
// same position ends one line and starts the next; the caret shows at the
// start of the next unless it was put at the end of the line before.
struct TextHit {
    size_t position = 0;
    bool atLineEnd = false;
};

class TextEditModel {
public:
    static constexpr size_t kNoLimit = static_cast<size_t>(-1);
    // How many steps undo keeps before it forgets the oldest.
    static constexpr size_t kUndoDepth = 500;
    // Sees the whole text an edit would leave; false refuses the edit.
    using Validator = std::function<bool(WideStringView candidate)>;

    explicit TextEditModel(bool multiLine = false);

    bool isMultiLine() const { return multiLine_; }
    const WideString& text() const { return text_; }
    // Replaces the whole text as the program does: normalised and cut to the
    // length limit, caret at the end, undo history forgotten, no validator.
    void setText(WideStringView text);
    // `text` as the field keeps it: CR LF and CR become LF in a multi-line
    // field, a single line ends at the first line break; tabs become spaces
    // and other control characters go.
    WideString normalize(WideStringView text) const;

    size_t caret() const { return caret_; }
    size_t anchor() const { return anchor_; }
    bool hasSelection() const { return caret_ != anchor_; }
    size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    WideString selectedText() const;
    // Moves the caret; with `extend` the anchor stays and the selection grows.
    // A move ends the current undo group.
    void setCaret(size_t position, bool extend = false);
    void setSelection(size_t anchor, size_t caret);
    void selectAll();
    bool isAllSelected() const;

    size_t maxLength() const { return maxLength_; }
    // Cuts a longer text to the new limit.
    void setMaxLength(size_t maxLength);
    void setValidator(Validator validator) { validator_ = std::move(validator); }

    // Replaces the selection with `text` (normalised and cut to the room the
    // limit leaves); false when nothing changed.
    bool insert(WideStringView text, EditKind kind = EditKind::Other);
    // Removes the selection, or else [from, to).
    bool remove(size_t from, size_t to, EditKind kind = EditKind::Other);
    bool removeSelection();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    // The next edit starts a new undo step.
    void closeUndoGroup() { groupOpen_ = false; }

    // Boundaries.
    size_t nextCharacter(size_t position) const;
    size_t previousCharacter(size_t position) const;
    // Where Ctrl+Right and Ctrl+Left go: the start of the next word (after the
    // spaces that follow this one), and the start of this or the previous word.
    size_t nextWordStart(size_t position) const;
    size_t previousWordStart(size_t position) const;
    // The word, punctuation run or space run at `position`, as [first, second).
    std::pair<size_t, size_t> wordAt(size_t position) const;
    // The start and end (before the line feed) of the line holding `position`.
    size_t lineStart(size_t position) const;
    size_t lineEnd(size_t position) const;
    // `position` within the text and off the middle of a surrogate pair.
    size_t clampPosition(size_t position) const;

private:
    struct Step {
        size_t position = 0;
        WideString removed;
        WideString inserted;
        size_t anchorBefore = 0;
        size_t caretBefore = 0;
        size_t anchorAfter = 0;
        size_t caretAfter = 0;
        EditKind kind = EditKind::Other;
    };

    bool replace(size_t from, size_t to, WideString inserted, EditKind kind);
    void record(Step step);
    bool mergeIntoLast(const Step& step);

    WideString text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    size_t maxLength_ = kNoLimit;
    Validator validator_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool groupOpen_ = false;
    bool multiLine_;
};

} // namespace fw

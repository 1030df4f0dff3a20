#include "ui/TextEditModel.h"

#include <algorithm>

namespace fw {

namespace {

enum class CharClass { Space, Word, Punctuation, LineBreak };

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

CharClass classOf(char16_t c) {
    if (c == u'\n') {
        return CharClass::LineBreak;
    }
    if (c <= 0x20 || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200B)) {
        return CharClass::Space;
    }
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
        c == u'_') {
        return CharClass::Word;
    }
    if (c < 0x80 || (c >= 0x2010 && c <= 0x206F) || (c >= 0x3001 && c <= 0x303F) ||
        (c >= 0xFF01 && c <= 0xFF0F)) {
        return CharClass::Punctuation;
    }
    // Letters of other scripts, ideographs and surrogate halves count as word.
    return CharClass::Word;
}

bool isSpace(char16_t c) {
    return classOf(c) == CharClass::Space;
}

} // namespace

TextEditModel::TextEditModel(bool multiLine) : multiLine_(multiLine) {}

WideString TextEditModel::normalize(WideStringView text) const {
    WideString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (!multiLine_) {
                break;
            }
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            result.push_back(u'\n');
        } else if (c == u'\t') {
            result.append(multiLine_ ? 4 : 1, u' ');
        } else if (c >= 0x20 && c != 0x7F) {
            result.push_back(c);
        }
    }
    return result;
}

void TextEditModel::setText(WideStringView text) {
    text_ = normalize(text);
    if (text_.size() > maxLength_) {
        text_.resize(maxLength_);
        if (!text_.empty() && isHighSurrogate(text_.back())) {
            text_.pop_back();
        }
    }
    caret_ = anchor_ = text_.size();
    undo_.clear();
    redo_.clear();
    groupOpen_ = false;
}

WideString TextEditModel::selectedText() const {
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

size_t TextEditModel::clampPosition(size_t position) const {
    position = std::min(position, text_.size());
    if (position > 0 && position < text_.size() && isLowSurrogate(text_[position]) &&
        isHighSurrogate(text_[position - 1])) {
        --position;
    }
    return position;
}

void TextEditModel::setCaret(size_t position, bool extend) {
    position = clampPosition(position);
    if (position == caret_ && (extend || anchor_ == caret_)) {
        return;
    }
    caret_ = position;
    if (!extend) {
        anchor_ = position;
    }
    groupOpen_ = false;
}

void TextEditModel::setSelection(size_t anchor, size_t caret) {
    anchor = clampPosition(anchor);
    caret = clampPosition(caret);
    if (anchor == anchor_ && caret == caret_) {
        return;
    }
    anchor_ = anchor;
    caret_ = caret;
    groupOpen_ = false;
}

void TextEditModel::selectAll() {
    setSelection(0, text_.size());
}

bool TextEditModel::isAllSelected() const {
    return selectionStart() == 0 && selectionEnd() == text_.size();
}

void TextEditModel::setMaxLength(size_t maxLength) {
    maxLength_ = maxLength;
    if (text_.size() > maxLength_) {
        setText(WideString(text_));
    }
}

bool TextEditModel::insert(WideStringView text, EditKind kind) {
    WideString inserted = normalize(text);
    const size_t from = selectionStart();
    const size_t to = selectionEnd();
    const size_t kept = text_.size() - (to - from);
    const size_t room = maxLength_ > kept ? maxLength_ - kept : 0;
    if (inserted.size() > room) {
        inserted.resize(room);
        if (!inserted.empty() && isHighSurrogate(inserted.back())) {
            inserted.pop_back();
        }
    }
    if (inserted.empty() && !text.empty() && from == to) {
        return false;
    }
    // Typing over a selection starts a new step: it must undo on its own.
    if (from != to && kind == EditKind::Typing) {
        groupOpen_ = false;
    }
    return replace(from, to, std::move(inserted), kind);
}

bool TextEditModel::remove(size_t from, size_t to, EditKind kind) {
    if (hasSelection()) {
        return removeSelection();
    }
    from = clampPosition(from);
    to = clampPosition(to);
    if (to < from) {
        std::swap(from, to);
    }
    return replace(from, to, WideString(), kind);
}

bool TextEditModel::removeSelection() {
    if (!hasSelection()) {
        return false;
    }
    return replace(selectionStart(), selectionEnd(), WideString(), EditKind::Other);
}

bool TextEditModel::replace(size_t from, size_t to, WideString inserted, EditKind kind) {
    if (from == to && inserted.empty()) {
        return false;
    }
    WideString candidate = text_;
    candidate.replace(from, to - from, inserted);
    if (candidate == text_) {
        return false;
    }
    if (validator_ && !validator_(candidate)) {
        return false;
    }
    Step step;
    step.position = from;
    step.removed = text_.substr(from, to - from);
    step.inserted = std::move(inserted);
    step.anchorBefore = anchor_;
    step.caretBefore = caret_;
    step.kind = kind;
    text_ = std::move(candidate);
    caret_ = anchor_ = from + step.inserted.size();
    step.anchorAfter = step.caretAfter = caret_;
    record(std::move(step));
    return true;
}

bool TextEditModel::mergeIntoLast(const Step& step) {
    if (!groupOpen_ || undo_.empty() || undo_.back().kind != step.kind) {
        return false;
    }
    Step& last = undo_.back();
    switch (step.kind) {
    case EditKind::Typing: {
        if (!step.removed.empty() || step.position != last.position + last.inserted.size() ||
            last.inserted.empty()) {
            return false;
        }
        // A word typed after a space starts a step of its own.
        if (isSpace(last.inserted.back()) && !isSpace(step.inserted.front())) {
            return false;
        }
        last.inserted += step.inserted;
        break;
    }
    case EditKind::Backspace:
        if (!step.inserted.empty() || !last.inserted.empty() ||
            step.position + step.removed.size() != last.position) {
            return false;
        }
        last.removed.insert(0, step.removed);
        last.position = step.position;
        break;
    case EditKind::ForwardDelete:
        if (!step.inserted.empty() || !last.inserted.empty() || step.position != last.position) {
            return false;
        }
        last.removed += step.removed;
        break;
    case EditKind::Other:
        return false;
    }
    last.anchorAfter = step.anchorAfter;
    last.caretAfter = step.caretAfter;
    return true;
}

void TextEditModel::record(Step step) {
    redo_.clear();
    if (mergeIntoLast(step)) {
        return;
    }
    groupOpen_ = step.kind != EditKind::Other;
    undo_.push_back(std::move(step));
    if (undo_.size() > kUndoDepth) {
        undo_.erase(undo_.begin());
    }
}

bool TextEditModel::undo() {
    if (undo_.empty()) {
        return false;
    }
    Step step = std::move(undo_.back());
    undo_.pop_back();
    text_.replace(step.position, step.inserted.size(), step.removed);
    anchor_ = step.anchorBefore;
    caret_ = step.caretBefore;
    redo_.push_back(std::move(step));
    groupOpen_ = false;
    return true;
}

bool TextEditModel::redo() {
    if (redo_.empty()) {
        return false;
    }
    Step step = std::move(redo_.back());
    redo_.pop_back();
    text_.replace(step.position, step.removed.size(), step.inserted);
    anchor_ = step.anchorAfter;
    caret_ = step.caretAfter;
    undo_.push_back(std::move(step));
    groupOpen_ = false;
    return true;
}

size_t TextEditModel::nextCharacter(size_t position) const {
    if (position >= text_.size()) {
        return text_.size();
    }
    return clampPosition(position + 1) == position ? position + 2 : position + 1;
}

size_t TextEditModel::previousCharacter(size_t position) const {
    position = clampPosition(position);
    return position == 0 ? 0 : clampPosition(position - 1);
}

size_t TextEditModel::nextWordStart(size_t position) const {
    const size_t size = text_.size();
    size_t p = clampPosition(position);
    if (p >= size) {
        return size;
    }
    if (text_[p] == u'\n') {
        return p + 1;
    }
    const CharClass start = classOf(text_[p]);
    if (start != CharClass::Space) {
        while (p < size && classOf(text_[p]) == start) {
            ++p;
        }
    }
    while (p < size && classOf(text_[p]) == CharClass::Space) {
        ++p;
    }
    return p;
}

size_t TextEditModel::previousWordStart(size_t position) const {
    size_t p = clampPosition(position);
    if (p == 0) {
        return 0;
    }
    if (text_[p - 1] == u'\n') {
        return p - 1;
    }
    while (p > 0 && classOf(text_[p - 1]) == CharClass::Space) {
        --p;
    }
    if (p == 0 || text_[p - 1] == u'\n') {
        return p;
    }
    const CharClass start = classOf(text_[p - 1]);
    while (p > 0 && classOf(text_[p - 1]) == start) {
        --p;
    }
    return p;
}

std::pair<size_t, size_t> TextEditModel::wordAt(size_t position) const {
    const size_t size = text_.size();
    size_t p = clampPosition(position);
    // At the end of a line the word before the caret is meant.
    if (p >= size || text_[p] == u'\n') {
        if (p == 0 || text_[p - 1] == u'\n') {
            return {p, p};
        }
        --p;
    }
    const CharClass cls = classOf(text_[p]);
    size_t first = p;
    size_t last = p + 1;
    while (first > 0 && classOf(text_[first - 1]) == cls) {
        --first;
    }
    while (last < size && classOf(text_[last]) == cls) {
        ++last;
    }
    return {first, last};
}

size_t TextEditModel::lineStart(size_t position) const {
    size_t p = clampPosition(position);
    while (p > 0 && text_[p - 1] != u'\n') {
        --p;
    }
    return p;
}

size_t TextEditModel::lineEnd(size_t position) const {
    size_t p = clampPosition(position);
    while (p < text_.size() && text_[p] != u'\n') {
        ++p;
    }
    return p;
}

} // namespace fw

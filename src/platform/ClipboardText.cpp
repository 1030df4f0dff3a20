#include "platform/ClipboardText.h"

namespace fw::os {

namespace {

TextClipboard*& replacementClipboard() {
    static TextClipboard* replacement = nullptr;
    return replacement;
}

} // namespace

TextClipboard& textClipboard() {
    TextClipboard* replacement = replacementClipboard();
    return replacement ? *replacement : systemTextClipboard();
}

void setTextClipboard(TextClipboard* replacement) {
    replacementClipboard() = replacement;
}

} // namespace fw::os

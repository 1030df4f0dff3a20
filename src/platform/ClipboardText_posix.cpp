#include "platform/ClipboardText.h"

namespace fw::os {

namespace {

// Without a desktop the clipboard lives in the process.
class ProcessClipboard : public TextClipboard {
public:
    bool hasText() override { return hasText_; }
    bool readText(WideString& text) override {
        text = text_;
        return hasText_;
    }
    bool writeText(WideStringView text) override {
        text_ = WideString(text);
        hasText_ = true;
        return true;
    }

private:
    WideString text_;
    bool hasText_ = false;
};

} // namespace

TextClipboard& systemTextClipboard() {
    static ProcessClipboard clipboard;
    return clipboard;
}

} // namespace fw::os

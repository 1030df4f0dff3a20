#include "shell/HotKeyEditor.h"
#include "i18n/Translation.h"

namespace fw {

namespace {

constexpr WideStringView kSeparator = u" + ";

bool isRecordedKey(uint32_t key) {
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || isFunctionKey(key);
}

uint32_t modifierFlag(uint32_t key) {
    switch (key) {
    case kKeyShift:
        return kModShift;
    case kKeyControl:
        return kModControl;
    case kKeyAlt:
        return kModAlt;
    default:
        return 0;
    }
}

} // namespace

void HotKeyEditor::setValue(uint32_t key, uint32_t modifiers) {
    key_ = key;
    modifiers_ = modifiers & kKnownModifiers;
    complete_ = true;
}

void HotKeyEditor::clear() {
    key_ = 0;
    modifiers_ = 0;
}

void HotKeyEditor::keyPress(uint32_t key) {
    if (complete_) {
        clear();
        complete_ = false;
    }
    if (key == kKeyBackspace || key == kKeyDelete) {
        clear();
        return;
    }
    if (uint32_t flag = modifierFlag(key)) {
        modifiers_ |= flag;
    } else {
        key_ = isRecordedKey(key) ? key : 0;
    }
    // A letter or digit alone would fire on ordinary typing.
    if (key_ != 0 && !isFunctionKey(key_) && modifiers_ == 0) {
        modifiers_ = kModControl;
    }
}

void HotKeyEditor::keyRelease(uint32_t key) {
    // While no key is set, letting go of one modifier keeps the others held.
    uint32_t flag = modifierFlag(key);
    if (flag != 0 && key_ == 0) {
        modifiers_ &= ~flag;
        return;
    }
    complete_ = true;
    if (key_ == 0) {
        modifiers_ = 0;
    }
}

WideString HotKeyEditor::text() const {
    if (key_ == 0 && modifiers_ == 0) {
        return translate(u"None", u"UserInterface/UIHotKey");
    }
    WideString text;
    static constexpr struct {
        uint32_t flag;
        WideStringView word;
    } parts[] = {{kModControl, u"Control"}, {kModShift, u"Shift"}, {kModAlt, u"Alt"}};
    for (const auto& part : parts) {
        if (modifiers_ & part.flag) {
            text.append(part.word);
            text.append(kSeparator);
        }
    }
    if (key_ != 0) {
        text.append(keyName(key_));
    }
    return text;
}

} // namespace fw

#pragma once
// Screenshot file names from the user's pattern: "ScreenShot-[COUNTER]" and the
// date and time tokens, cleaned so that every pattern yields a legal file name.
#include "output/CaptureTime.h"
#include "platform/WideString.h"

#include <array>
#include <cstdint>

namespace fw {

class NamePattern {
public:
    static constexpr char16_t kDefaultPattern[] = u"ScreenShot-[COUNTER]";
    static constexpr int32_t kDefaultCounterDigits = 3;
    // The tokens a pattern may hold, in the order they are replaced.
    static constexpr std::array<WideStringView, 9> kTokens = {
        u"[COUNTER]",  u"[YEAR]", u"[MONTH]", u"[MONTH-NAME]", u"[DAY]",
        u"[DAY-NAME]", u"[HOUR]", u"[MIN]",   u"[SEC]"};

    // Stores the cleaned text; an empty text restores the default pattern.
    void setPattern(WideStringView text);
    const WideString& pattern() const { return pattern_; }

    // Values below 1 become 1.
    void setCounterDigits(int32_t digits);
    int32_t counterDigits() const { return counterDigits_; }

    // The last counter value used; it starts at 0 with every run.
    uint32_t counter() const { return counter_; }

    // True when the pattern holds [COUNTER] in any letter case.
    bool hasCounter() const;

    // Advances the counter and fills the pattern.
    WideString nextName(const CaptureTime& time);

    // A name whose file (folder + "\" + name + "." + extension) does not exist
    // yet. With a counter the counter moves on until the name is free; without
    // one "-copy1", "-copy2", ... is appended.
    WideString uniqueName(const CaptureTime& time, WideStringView folder, WideStringView extension);

    // The name for `counter` without changing any state.
    static WideString fill(uint32_t counter, int32_t digits, WideStringView pattern,
                           const CaptureTime& time);

    // Letters, digits and a fixed set of punctuation stay; every other code
    // unit becomes "_". Never changes the length.
    static WideString clean(WideStringView text);

private:
    uint32_t counter_ = 0;
    int32_t counterDigits_ = kDefaultCounterDigits;
    WideString pattern_ = kDefaultPattern;
};

} // namespace fw

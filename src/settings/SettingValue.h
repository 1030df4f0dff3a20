#pragma once
// A small tagged value as the settings store keeps it. Values read from
// config.dat are always strings; the typed readers turn any kind into what the
// caller needs.
#include "platform/WideString.h"

#include <cstdint>
#include <variant>

namespace fw {

// The numbers are the kinds' stable identities.
enum class SettingValueKind {
    None = 0,
    Bool = 1,
    Int32 = 2,
    UInt32 = 3,
    Int64 = 4,
    UInt64 = 5,
    Float = 6,
    Double = 7,
    String = 8,
};

class SettingValue {
public:
    SettingValue() = default; // kind None

    static SettingValue boolean(bool value) { return SettingValue(value); }
    static SettingValue int32(int32_t value) { return SettingValue(value); }
    static SettingValue uint32(uint32_t value) { return SettingValue(value); }
    static SettingValue int64(int64_t value) { return SettingValue(value); }
    static SettingValue uint64(uint64_t value) { return SettingValue(value); }
    static SettingValue float32(float value) { return SettingValue(value); }
    static SettingValue float64(double value) { return SettingValue(value); }
    static SettingValue text(WideString value) { return SettingValue(std::move(value)); }

    SettingValueKind kind() const { return static_cast<SettingValueKind>(payload_.index()); }

    // Strings: false when empty, "false" or "0" in any letter case, else true.
    bool toBool() const;
    // Strings are read as leading whitespace, an optional sign and decimal
    // digits up to the first other character (no digits: 0); values beyond the
    // range saturate. Wider integers keep their low bits; floating-point
    // values are truncated toward zero.
    int32_t toInt32() const;
    int64_t toInt64() const;
    // Decimal for integers, "1"/"0" for bools, "%.9g" for floating point.
    WideString toText() const;

    bool operator==(const SettingValue&) const = default;

private:
    using Payload = std::variant<std::monostate, bool, int32_t, uint32_t, int64_t, uint64_t, float,
                                 double, WideString>;
    template <typename T> explicit SettingValue(T value) : payload_(std::move(value)) {}

    Payload payload_;
};

} // namespace fw

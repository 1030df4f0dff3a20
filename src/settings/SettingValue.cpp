#include "settings/SettingValue.h"

#include "platform/WideString.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace fw {
namespace {

// Truncation toward zero without the undefined behaviour of an out-of-range cast.
template <typename T> T truncate(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(std::numeric_limits<T>::min())) {
        return std::numeric_limits<T>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<T>::max())) {
        return std::numeric_limits<T>::max();
    }
    return static_cast<T>(value);
}

} // namespace

bool SettingValue::toBool() const {
    switch (kind()) {
    case SettingValueKind::None:
        return false;
    case SettingValueKind::Bool:
        return std::get<bool>(payload_);
    case SettingValueKind::String: {
        WideString lower = toLowerCase(std::get<WideString>(payload_));
        return !(lower.empty() || lower == u"false" || lower == u"0");
    }
    case SettingValueKind::Float:
        return std::get<float>(payload_) != 0;
    case SettingValueKind::Double:
        return std::get<double>(payload_) != 0;
    default:
        return toInt64() != 0;
    }
}

int32_t SettingValue::toInt32() const {
    switch (kind()) {
    case SettingValueKind::Float:
        return truncate<int32_t>(std::get<float>(payload_));
    case SettingValueKind::Double:
        return truncate<int32_t>(std::get<double>(payload_));
    case SettingValueKind::String:
        return static_cast<int32_t>(
            parseSaturatedInteger(std::get<WideString>(payload_), INT32_MIN, INT32_MAX));
    default:
        return static_cast<int32_t>(static_cast<uint32_t>(toInt64()));
    }
}

int64_t SettingValue::toInt64() const {
    switch (kind()) {
    case SettingValueKind::None:
        return 0;
    case SettingValueKind::Bool:
        return std::get<bool>(payload_) ? 1 : 0;
    case SettingValueKind::Int32:
        return std::get<int32_t>(payload_);
    case SettingValueKind::UInt32:
        return std::get<uint32_t>(payload_);
    case SettingValueKind::Int64:
        return std::get<int64_t>(payload_);
    case SettingValueKind::UInt64:
        return static_cast<int64_t>(std::get<uint64_t>(payload_));
    case SettingValueKind::Float:
        return truncate<int64_t>(std::get<float>(payload_));
    case SettingValueKind::Double:
        return truncate<int64_t>(std::get<double>(payload_));
    case SettingValueKind::String:
        return parseSaturatedInteger(std::get<WideString>(payload_), INT64_MIN, INT64_MAX);
    }
    return 0;
}

WideString SettingValue::toText() const {
    switch (kind()) {
    case SettingValueKind::None:
        return WideString();
    case SettingValueKind::Bool:
        return std::get<bool>(payload_) ? u"1" : u"0";
    case SettingValueKind::UInt32:
        return toWideUnsigned(std::get<uint32_t>(payload_));
    case SettingValueKind::UInt64:
        return toWideUnsigned(std::get<uint64_t>(payload_));
    case SettingValueKind::Float:
    case SettingValueKind::Double: {
        double value = kind() == SettingValueKind::Float ? std::get<float>(payload_)
                                                         : std::get<double>(payload_);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.9g", value);
        return fromAscii(buffer);
    }
    case SettingValueKind::String:
        return std::get<WideString>(payload_);
    default:
        return toWide(toInt64());
    }
}

} // namespace fw

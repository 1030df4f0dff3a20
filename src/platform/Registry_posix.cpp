#include "platform/Registry.h"

namespace fw::os {

bool hasUserRegistryValue(WideStringView, WideStringView) {
    return false;
}
bool readUserRegistryString(WideStringView, WideStringView, WideString&) {
    return false;
}
bool writeUserRegistryString(WideStringView, WideStringView, WideStringView) {
    return false;
}
bool deleteUserRegistryValue(WideStringView, WideStringView) {
    return false;
}

} // namespace fw::os

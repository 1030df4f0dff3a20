#pragma once
// The default of every settings key, and the rule that a store whose key set
// differs from them in any way is rebuilt from them.
#include "settings/SettingValue.h"
#include "settings/SettingsStore.h"

#include <vector>

namespace fw {

struct SettingDefault {
    WideString key;
    SettingValue value;
};

using DefaultsList = std::vector<SettingDefault>;

// The 48 keys of the program with their defaults, in file order.
DefaultsList standardDefaults();

// Leaves the store alone when it holds exactly the keys of `defaults` (in any
// order). Otherwise clears it, adds every default in order and saves; returns
// true in that case. A missing, extra, duplicated or differently-cased key
// therefore resets every value.
bool applyDefaults(SettingsStore& store, const DefaultsList& defaults);

} // namespace fw

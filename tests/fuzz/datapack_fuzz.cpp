// Any bytes must open or be refused without a fault; an opened pack finds each
// of its groups, and each group each of its entries, by name.
#include "resources/DataPack.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::DataPack pack;
    if (!pack.openBytes(std::span<const uint8_t>(data, size))) {
        return 0;
    }
    for (const auto& group : pack.groups()) {
        // Names may repeat: the first of a name is found, with that name.
        const fw::DataPackGroup* foundGroup = pack.findGroup(group->name);
        if (!foundGroup || foundGroup->name != group->name) {
            std::abort();
        }
        for (const auto& entry : group->entries) {
            const fw::DataPackEntry* found = group->findEntry(entry->name);
            if (!found || found->name != entry->name) {
                std::abort();
            }
        }
    }
    return 0;
}

#include "ui/NativeDialogs.h"

namespace fw {

namespace {
int32_t openDialogs = 0;
} // namespace

int32_t openNativeDialogCount() {
    return openDialogs;
}

void detail::changeNativeDialogCount(int32_t delta) {
    openDialogs += delta;
}

} // namespace fw

#pragma once
// The count of the program's native dialogs (file dialogs, folder browsers)
// that are open. Every such dialog runs through runNativeDialog, so that a
// capture never starts while one is waiting for the user.
#include <cstdint>
#include <utility>

namespace fw {

int32_t openNativeDialogCount();

namespace detail {
void changeNativeDialogCount(int32_t delta);
} // namespace detail

// Runs `dialog` (a callable that shows the dialog and returns when it closes)
// with the count raised, whatever it returns.
template <typename Dialog> auto runNativeDialog(Dialog&& dialog) {
    struct Scope {
        Scope() { detail::changeNativeDialogCount(1); }
        ~Scope() { detail::changeNativeDialogCount(-1); }
    } scope;
    return std::forward<Dialog>(dialog)();
}

} // namespace fw

#include "platform/InputMethod.h"

#include "platform/Handles_win.h"
#include "platform/Win32.h"

namespace fw::os {

void placeInputMethod(void* window, const Rect& caret, void* font) {
    HWND hwnd = static_cast<HWND>(window);
    if (!hwnd) {
        return;
    }
    InputContext context(hwnd);
    if (!context) {
        return;
    }
    COMPOSITIONFORM composition{};
    composition.dwStyle = CFS_POINT;
    composition.ptCurrentPos = POINT{caret.x, caret.y};
    ::ImmSetCompositionWindow(context.get(), &composition);
    // The candidate list opens below the caret and never covers it.
    CANDIDATEFORM candidates{};
    candidates.dwIndex = 0;
    candidates.dwStyle = CFS_EXCLUDE;
    candidates.ptCurrentPos = POINT{caret.x, caret.bottom()};
    candidates.rcArea = toRECT(caret);
    ::ImmSetCandidateWindow(context.get(), &candidates);
    LOGFONTW logical{};
    if (font && ::GetObjectW(static_cast<HFONT>(font), sizeof(logical), &logical) != 0) {
        ::ImmSetCompositionFontW(context.get(), &logical);
    }
}

void setInputMethodEnabled(void* window, bool enabled) {
    HWND hwnd = static_cast<HWND>(window);
    if (hwnd) {
        ::ImmAssociateContextEx(hwnd, nullptr, enabled ? IACE_DEFAULT : 0);
    }
}

} // namespace fw::os

#include "output/OutputText.h"

namespace fw {

WideString outputText(WideStringView text, WideStringView /*group*/) {
    return WideString(text);
}

} // namespace fw

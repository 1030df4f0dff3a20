#include "ui/UIToolTip.h"

namespace fw {

void toolTipMouseMoved(UIWidget*, Point) {}

void toolTipDismiss() {}

void toolTipWidgetGoing(UIWidget*) {}

} // namespace fw

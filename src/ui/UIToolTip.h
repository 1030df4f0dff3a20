#pragma once
// Tooltips: a small popup with a widget's hint text, shown after the mouse
// rests over the widget and placed inside the desktop near the cursor.
#include "platform/Rect.h"
#include "platform/WideString.h"

namespace fw {

class UIWidget;

// Called by windows as the mouse moves over `hovered` (window coordinates).
void toolTipMouseMoved(UIWidget* hovered, Point windowPosition);
// Hides any tooltip and forgets the pending one (press, key, leave).
void toolTipDismiss();
// A widget goes away or hides: its tooltip goes too.
void toolTipWidgetGoing(UIWidget* widget);

} // namespace fw

#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace trevalo {

// Places a form before its first show. A form that fits the available area with its window
// decoration opens centred there at its design size. A larger form keeps its design size
// inside a scroll area, in a window held to the available area and centred in it, so the
// title bar stays on the screen and every control can be scrolled into reach.
void placeOnScreen(QWidget& form, const QRect& available, const QMargins& decoration);

// The frame the window manager draws around a window, measured on a shown window (one not
// yet shown has none to measure) and remembered for when none is shown; none before that.
QMargins windowDecoration();

}  // namespace trevalo

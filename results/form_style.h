#pragma once

#include <QFont>

class QWidget;

namespace trevalo::results {

// The geometry is fixed in logical pixels, so the text is sized in pixels as well: 12 px is
// the 9 point text the forms were laid out for, and it keeps the widest caption clear of
// its value whatever point size the desktop prefers. The family stays the inherited one.
void useFormFont(QWidget& form);

// A top-level result form: fixed client size, the common caption, no resizing.
void setUpResultWindow(QWidget& form, const char* objectName, int widthTwips, int heightTwips);

}  // namespace trevalo::results

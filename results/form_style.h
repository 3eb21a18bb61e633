#pragma once

#include <QFont>

class QPushButton;
class QString;
class QWidget;

namespace trevalo::results {

// The geometry is fixed in logical pixels, so the text is sized in pixels as well: 12 px is
// the 9 point text the forms were laid out for, and it keeps the widest caption clear of
// its value whatever point size the desktop prefers. The family stays the inherited one.
void useFormFont(QWidget& form);

// Added below a result form's designed height: the row of its save-project button, which
// moves none of the designed controls.
constexpr int kSaveRowTwips = 480;

// A top-level result form: fixed client size, the common caption, no resizing.
void setUpResultWindow(QWidget& form, const char* objectName, int widthTwips, int heightTwips);

// A command button of a result form at its place in twips; neither default nor auto-default,
// since the result forms have no default button.
QPushButton* makeResultButton(QWidget& form, const char* objectName, const QString& caption, int leftTwips,
                              int topTwips, int widthTwips, int heightTwips);

}  // namespace trevalo::results

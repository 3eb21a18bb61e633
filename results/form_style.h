#pragma once

#include <QFont>

#include <string>
#include <vector>

class QLabel;
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

// The line of notes on entries that look mistyped, on a line of its own below the save row.
// Hidden while there are none; showing notes grows the form by the lines they take, so no
// designed control moves.
QLabel* makeNotesLine(QWidget& form, int widthTwips, int heightTwips);
void showNotes(QWidget& form, QLabel& line, const std::vector<std::string>& notes, int widthTwips,
               int heightTwips);

}  // namespace trevalo::results

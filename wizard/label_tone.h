#pragma once

#include <QColor>

class QLabel;
class QPalette;

namespace trevalo {

// The text colours a label of the elevator parameters form takes: normal (button
// text), greyed (the application-workspace grey), the grey-text colour of labels
// not yet enabled by their check box, and the form's background (the label vanishes).
enum class LabelTone { Normal, Greyed, GreyText, Background };

QColor labelToneColour(LabelTone tone, const QPalette& palette);
void setLabelTone(QLabel& label, LabelTone tone);

}  // namespace trevalo

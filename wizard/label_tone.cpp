#include "wizard/label_tone.h"

#include <QLabel>
#include <QPalette>

namespace trevalo {

namespace {

// Windows' default application-workspace colour; Qt's palette has no such role.
constexpr QRgb kApplicationWorkspaceGrey = 0xababab;

}  // namespace

QColor labelToneColour(LabelTone tone, const QPalette& palette)
{
    switch (tone) {
    case LabelTone::Normal:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case LabelTone::Greyed:
        return QColor(kApplicationWorkspaceGrey);
    case LabelTone::GreyText:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case LabelTone::Background:
        return palette.color(QPalette::Active, QPalette::Button);
    }
    return {};
}

void setLabelTone(QLabel& label, LabelTone tone)
{
    QPalette palette = label.palette();
    // One colour for every state, so a tone does not change when the form loses focus.
    palette.setColor(QPalette::WindowText, labelToneColour(tone, label.parentWidget() ? label.parentWidget()->palette()
                                                                                       : label.palette()));
    label.setPalette(palette);
}

}  // namespace trevalo

#pragma once

#include "engine/display_text.h"

#include <QString>

namespace trevalo {

// A figure as the forms show it with a fixed number of decimals: a tie goes away from zero,
// as the sheet's number format shows the same cell in a spreadsheet.
inline QString shownFigure(double value, int decimals)
{
    return QString::fromStdString(engine::fixedText(value, decimals, engine::Ties::AwayFromZero));
}

// An entry, a target or a template's value as it reads back: the shortest text of the number.
inline QString shownNumber(double value) { return QString::fromStdString(engine::shortestText(value)); }

}  // namespace trevalo

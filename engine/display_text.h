#pragma once

#include "engine/analysis/single_result.h"
#include "engine/analysis_inputs.h"

#include <string>

namespace trevalo::engine {

// How a value halfway between two shown values is shown: the figures of the calculation
// round ties to even; a spreadsheet's number format, and the forms that show the same
// figures as a sheet, round them away from zero.
enum class Ties { ToEven, AwayFromZero };

// value rounded to `decimals` places (0 to 6), decided on the exact value of the double, and
// written with exactly that many decimals, never "-0". Only finite values are shown.
std::string fixedText(double value, int decimals, Ties ties);

// A figure as the result forms show it: rounded to 3 decimals with ties to even,
// decided on the exact value of the double, written as plain decimal text without
// trailing zeros, never "-0" and never an exponent. Only finite values are shown.
std::string figureText(double value);

// The configuration a single result belongs to, as the result form names it:
// "4 台 × 1350 kg（18 人），2.5 m/s，2CO 1000 mm". The rated load as entered, its persons in
// whole passengers of 75 kg, the door's opening width as entered.
std::string configurationText(const SingleResult& result, const ElevatorParameters& elevator);

// The shortest text that reads back as the same double, as JSON writes a number.
std::string shortestText(double value);

}  // namespace trevalo::engine

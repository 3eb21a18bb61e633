#pragma once

#include "engine/analysis_inputs.h"

namespace trevalo::engine {

// The load table: one row per standard rated load, a key column and seven figure
// columns (up, down, round trip time, HC %, HC, up stops, highest reversal floor).
constexpr int kLoadTableRows = 16;
constexpr int kLoadTableFigureColumns = 7;
constexpr int kLoadTableColumns = 1 + kLoadTableFigureColumns;

// Rated load (kg) and rated persons of table row r: 675 kg / 9 persons upwards,
// one person of 75 kg per row.
constexpr double tableRowLoad(int row) { return 675 + 75.0 * row; }
constexpr int tableRowPersons(int row) { return 9 + row; }

// Whether the table's up and down headers (and the stops header) trade labels: the
// down share is strictly greater than the up share. The figures below them do not move.
bool directionRelabelled(const ElevatorParameters& elevator);

}  // namespace trevalo::engine

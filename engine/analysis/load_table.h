#pragma once

#include "engine/analysis/figures.h"
#include "engine/analysis_inputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

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

// What the load table form shows. Table row r belongs to the rated load tableRowLoad(r).
struct LoadTable {
    // Every member starts from its own initial value; a provided constructor spares the
    // table (large with its steps) being zero-filled first on each sweep.
    LoadTable() {}
    std::array<std::optional<LoadTableRow>, kLoadTableRows> rows;  // empty: not evaluated
    std::array<std::optional<CalculationSteps>, kLoadTableRows> steps;  // indexed like rows
    // Texts of the figure columns of each filled row, in column order.
    std::array<std::array<std::string, kLoadTableFigureColumns>, kLoadTableRows> cellTexts;
    // Down share above up share: the first two figure headers and the stops header
    // swap their labels (the cells below them keep their figures).
    bool directionRelabelled = false;
    bool rowZeroShown = true;
    std::vector<std::string> notes;  // on entries that look mistyped; shown beside the figures
    std::array<std::string, 3> relabelledHeaders() const;  // up, down, stops headers
};

}  // namespace trevalo::engine

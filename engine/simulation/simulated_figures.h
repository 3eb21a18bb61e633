#pragma once

#include <optional>
#include <span>
#include <string>

namespace trevalo::engine {

struct ReplicationFigures;
struct SimulationSummary;
struct SingleResult;

enum class FigureRole {
    Figure,
    // The 95 % half-width of the figure above: the form shows it beside that figure as "± x".
    HalfWidth,
    // A whole number of passengers: the report writes it beside the number of replications, and
    // it leads each replication's figures.
    Count,
};

// One figure of the simulation as the command line, Form8 and the workbook give it.
struct SimulatedFigure {
    const char* key;           // its member in the command line's report
    const char* caption;       // the caption of its row
    const char* shortCaption;  // the head of its column among each replication's figures
    const char* unit;
    int decimals;  // as it is shown
    std::optional<double> SimulationSummary::*simulated;
    std::optional<double> ReplicationFigures::*perReplication;  // null where a replication has none
    // The calculation's own figure, shown beside it; null where the calculation has none.
    std::optional<double> (*calculated)(const SingleResult&);
    FigureRole role = FigureRole::Figure;
};

// The simulated figures in the order they are given.
std::span<const SimulatedFigure> simulatedFigures();

// A figure's caption with its unit: "平均候梯时间 AWT (秒)".
std::string figureCaption(const SimulatedFigure& figure);

std::optional<double> simulatedValue(const SimulatedFigure& figure, const SimulationSummary& summary);
// Empty where a replication does not have the figure or it could not be formed.
std::optional<double> replicationValue(const SimulatedFigure& figure, const ReplicationFigures& replication);
// The calculation's figure; empty where it has none or it does not apply.
std::optional<double> calculatedValue(const SimulatedFigure& figure, const SingleResult& result);

}  // namespace trevalo::engine

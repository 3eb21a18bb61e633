#include "engine/analysis/load_sweep.h"

#include "engine/leading_number.h"
#include "engine/standard_tables.h"

#include "engine/display_text.h"

#include <cmath>

namespace trevalo::engine {

namespace {

bool isShowable(const LoadTableRow& row)
{
    for (double value : {row.upPassengers, row.downPassengers, row.roundTripTime, row.handlingPercent,
                         row.handlingCapacity, row.upStops, static_cast<double>(row.highestReversal)})
        if (!std::isfinite(value))
            return false;
    return row.roundTripTime > 0;
}

}  // namespace

bool directionRelabelled(const ElevatorParameters& elevator)
{
    return leadingNumber(elevator.downPercent) > leadingNumber(elevator.upPercent);
}

std::optional<SweepFailure> loadSweep(const Installation& installation, const Population& population,
                                      LoadTable& table)
{
    const int firstRow = firstStandardRow(installation.buildingType);
    table.rowZeroShown = firstRow == 0;

    const StopBases bases = stopBases(population);
    for (int r = firstRow; r < kLoadTableRows; ++r) {
        const double load = tableRowLoad(r);
        const TrafficLoad traffic = trafficLoad(population, load, &bases);
        const auto trip = roundTrip(installation, traffic);
        if (!trip)
            return SweepFailure::RunImpossible;
        LoadTableRow row;
        row.load = load;
        row.upPassengers = traffic.upPassengers;
        row.downPassengers = traffic.downPassengers;
        row.roundTripTime = trip->roundTripTime;
        row.handlingPercent = trip->handlingPercent;
        row.handlingCapacity = trip->handlingCapacity;
        row.upStops = traffic.upStops;
        row.highestReversal = static_cast<float>(traffic.highestReversal);
        const auto index = static_cast<std::size_t>(r);
        table.rows[index] = row;
        table.steps[index] = calculationSteps(installation, load, traffic, *trip);
    }

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (!table.rows[r])
            continue;
        const LoadTableRow& row = *table.rows[r];
        if (!isShowable(row))
            return SweepFailure::FigureNotShowable;
        table.cellTexts[r] = {figureText(row.upPassengers),     figureText(row.downPassengers),
                              figureText(row.roundTripTime),    figureText(row.handlingPercent),
                              figureText(row.handlingCapacity), figureText(row.upStops),
                              figureText(row.highestReversal)};
    }
    return std::nullopt;
}

}  // namespace trevalo::engine

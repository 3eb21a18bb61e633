#include "engine/analysis/analysis.h"

#include "engine/analysis_checks.h"
#include "engine/leading_number.h"

#include "engine/analysis/door_timing.h"
#include "engine/analysis/entry_notes.h"
#include "engine/analysis/group_size.h"
#include "engine/analysis/load_sweep.h"
#include "engine/analysis/machine_room.h"
#include "engine/analysis/population_model.h"
#include "engine/analysis/round_trip.h"
#include "engine/analysis/waiting_time.h"
#include "engine/display_text.h"

#include <cmath>

namespace trevalo::engine {

namespace {

Refusal refuse(Notice notice) { return Refusal{notice, false, {}, {}}; }

bool allFinite(std::initializer_list<double> values)
{
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

SingleResult singleResult(const CaseResult& figures, const CalculationSteps& steps,
                          const MachineRoomFigures& machineRoom, bool structuralLoadRequested)
{
    SingleResult result;
    result.figures = figures;
    result.steps = steps;
    result.machineRoom = machineRoom;
    result.awt = averageWaitingTime(steps.upPassengers, steps.persons, figures.interval);
    result.valueTexts = {figureText(figures.roundTripTime), figureText(figures.interval),
                         figureText(figures.handlingCapacity), figureText(figures.groupCapacity),
                         figureText(figures.handlingPercent), figureText(figures.groupPercent),
                         "", "", ""};
    result.structuralLoadShown = structuralLoadRequested;
    if (structuralLoadRequested)
        result.valueTexts[6] = figureText(machineRoom.structuralLoad);
    result.pitAndHeadroomShown = machineRoom.pitDepth && machineRoom.headroom;
    if (result.pitAndHeadroomShown) {
        result.valueTexts[7] = figureText(*machineRoom.pitDepth);
        // The tabulated headrooms have at most one decimal: their single-precision
        // values round back to it.
        result.valueTexts[8] = figureText(*machineRoom.headroom);
    }
    return result;
}

// The table is built in the outcome itself: it is large enough for a move to show.
AnalysisOutcome sweepOutcome(const Installation& installation, const Population& population,
                             bool relabelled)
{
    AnalysisOutcome outcome{std::in_place_type<LoadTable>};
    std::get<LoadTable>(outcome).directionRelabelled = relabelled;
    // A figure that is not a number is refused as the single result refuses it, naming no entry.
    if (const auto failure = loadSweep(installation, population, std::get<LoadTable>(outcome)))
        outcome = *failure == SweepFailure::RunImpossible ? runDistanceRefusal() : refuse(Notice::InputError);
    else
        std::get<LoadTable>(outcome).notes = entryNotes(installation);
    return outcome;
}

}  // namespace

std::array<std::string, 3> LoadTable::relabelledHeaders() const
{
    if (directionRelabelled)
        return {"DN", "UP", "PS(DN)"};
    return {"UP", "DN", "PS(UP)"};
}

AnalysisOutcome runAnalysis(const AnalysisInputs& inputs)
{
    const ElevatorParameters& e = inputs.elevator;
    const auto entries = checkEntries(inputs, e.fixedConfiguration);
    if (const auto* refusal = std::get_if<Refusal>(&entries))
        return *refusal;
    const auto& [installation, population, ratedLoad, cars] = std::get<CheckedEntries>(entries);

    if (!e.fixedConfiguration) {
        return sweepOutcome(installation, population, directionRelabelled(e));
    }

    // The rated load is evaluated in whole persons.
    const double load = kPersonMass * std::floor(ratedLoad / kPersonMass);
    const TrafficLoad traffic = trafficLoad(population, load);
    const auto trip = roundTrip(installation, traffic);
    if (!trip)
        return runDistanceRefusal();
    const CaseResult figures =
        groupFigures(trip->roundTripTime, trip->handlingCapacity, trip->handlingPercent, cars);
    const MachineRoomFigures machineRoom =
        machineRoomFigures(ratedLoad, installation.travel, installation.ratedSpeed, leadingNumber(e.finishingWeight));

    if (!(figures.roundTripTime > 0) ||
        !allFinite({figures.roundTripTime, figures.interval, figures.handlingCapacity, figures.groupCapacity,
                    figures.handlingPercent, figures.groupPercent}) ||
        (e.machineRoomRequested && !std::isfinite(machineRoom.structuralLoad)))
        return refuse(Notice::InputError);
    SingleResult result = singleResult(figures, calculationSteps(installation, load, traffic, *trip), machineRoom,
                                       e.machineRoomRequested);
    result.notes = entryNotes(installation);
    return result;
}

}  // namespace trevalo::engine

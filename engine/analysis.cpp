#include "engine/analysis.h"

#include "engine/analysis_checks.h"

#include "engine/display_text.h"
#include "engine/door_timing.h"
#include "engine/load_sweep.h"
#include "engine/machine_room.h"
#include "engine/population_model.h"
#include "engine/round_trip.h"

#include <cmath>

namespace trevalo::engine {

namespace {

// The building data form takes floor counts as 16-bit integers; nothing larger is a building.
constexpr double kMostFloors = 32767;

Refusal refuse(Notice notice) { return Refusal{notice, false, {}, {}}; }

bool isIncomplete(const AnalysisInputs& inputs, bool decided)
{
    const ElevatorParameters& e = inputs.elevator;
    if (e.travel.empty() || e.floorHeight.empty() || e.doorWidth.empty() || e.lossPercent.empty() ||
        e.upPercent.empty() || e.ratedSpeed.empty() || e.downPercent.empty() || !e.doorType)
        return true;
    if (e.expressZoneSet && e.expressDistance.empty())
        return true;
    if (decided && (e.carCount.empty() || e.ratedLoad.empty()))
        return true;
    if (e.machineRoomRequested && e.finishingWeight.empty())
        return true;
    // The building data form guarantees a building type; without one no load is standard.
    return !inputs.project.buildingType;
}

double totalPopulation(const AnalysisInputs& inputs)
{
    if (!inputs.project.spread)
        return 0;
    if (*inputs.project.spread == PopulationSpread::Even)
        return leadingNumber(inputs.project.totalPopulation);
    return leadingNumber(inputs.floors.storedTotal);
}

std::vector<double> floorValues(const FloorPopulation& floors, double floorsServed)
{
    const int count = floorCount(floorsServed);
    std::vector<double> values(static_cast<std::size_t>(count), 0.0);
    for (std::size_t i = 0; i < values.size() && i < floors.floorPopulations.size(); ++i)
        values[i] = leadingNumber(floors.floorPopulations[i]);
    return values;
}

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
    if (!loadSweep(installation, population, std::get<LoadTable>(outcome)))
        outcome = refuse(Notice::InputError);
    return outcome;
}

}  // namespace

std::array<std::string, 3> LoadTable::relabelledHeaders() const
{
    if (directionRelabelled)
        return {"DN", "UP", "PS(DN)"};
    return {"UP", "DN", "PS(UP)"};
}

std::variant<Refusal, CheckedEntries> checkEntries(const AnalysisInputs& inputs, bool decided)
{
    const ElevatorParameters& e = inputs.elevator;
    if (isIncomplete(inputs, decided))
        return refuse(Notice::IncompleteInput);

    CheckedEntries checked;
    Installation& installation = checked.installation;
    installation.buildingType = *inputs.project.buildingType;
    installation.floorsServed = leadingNumber(inputs.project.floorsServed);
    installation.ratedSpeed = leadingNumber(e.ratedSpeed);
    installation.floorHeight = leadingNumber(e.floorHeight);
    installation.travel = leadingNumber(e.travel);
    installation.lossPercent = leadingNumber(e.lossPercent);
    if (installation.ratedSpeed <= 0)
        return refuse(Notice::InputError);

    installation.population = totalPopulation(inputs);
    if (installation.population <= 0)
        return refuse(Notice::InputError);

    installation.doorType = *e.doorType;
    double width = leadingNumber(e.doorWidth);
    if (installation.doorType == DoorType::FourPanelCentre)
        width /= 2;
    if (width < 800 || width > 1500)
        return Refusal{Notice::DoorWidthNonStandard, true, {}, {}};
    installation.doorWidth = normaliseDoorWidth(width);

    if (decided) {
        checked.ratedLoad = leadingNumber(e.ratedLoad);
        checked.cars = leadingNumber(e.carCount);
        if (checked.cars <= 0)
            return refuse(Notice::InputError);
    }

    // The traffic model needs at least one served floor, floor populations between
    // nothing and the whole population, and traffic shares, a loss allowance and a rated load of
    // no less than zero.
    Population& population = checked.population;
    population.floorsServed = installation.floorsServed;
    population.total = installation.population;
    population.upPercent = leadingNumber(e.upPercent);
    population.downPercent = leadingNumber(e.downPercent);
    if (!(population.floorsServed >= 1 && population.floorsServed <= kMostFloors))
        return refuse(Notice::InputError);
    population.spread = *inputs.project.spread;
    if (population.spread == PopulationSpread::PerFloor) {
        population.floorValues = floorValues(inputs.floors, population.floorsServed);
        for (double value : population.floorValues)
            if (!(value >= 0 && value <= population.total))
                return refuse(Notice::InputError);
    }
    if (population.upPercent < 0 || population.downPercent < 0 || installation.lossPercent < 0)
        return refuse(Notice::InputError);
    if (decided && checked.ratedLoad < 0)
        return refuse(Notice::InputError);

    installation.expressZoneSet = e.expressZoneSet;
    if (e.expressZoneSet)
        installation.expressDistance = static_cast<float>(leadingNumber(e.expressDistance));
    installation.advanceOpening = e.advanceOpening;
    return checked;
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

    // One passenger counts as 75 kg: the rated load is evaluated in whole persons.
    const double load = 75 * std::floor(ratedLoad / 75);
    const TrafficLoad traffic = trafficLoad(population, load);
    const auto trip = roundTrip(installation, traffic);
    if (!trip)
        return refuse(Notice::InputError);
    CaseResult figures;
    figures.roundTripTime = trip->roundTripTime;
    figures.interval = trip->roundTripTime / cars;
    figures.handlingCapacity = trip->handlingCapacity;
    figures.groupCapacity = cars * trip->handlingCapacity;
    figures.handlingPercent = trip->handlingPercent;
    figures.groupPercent = cars * trip->handlingPercent;
    figures.cars = cars;
    const MachineRoomFigures machineRoom =
        machineRoomFigures(ratedLoad, installation.travel, installation.ratedSpeed, leadingNumber(e.finishingWeight));

    if (!(figures.roundTripTime > 0) ||
        !allFinite({figures.roundTripTime, figures.interval, figures.handlingCapacity, figures.groupCapacity,
                    figures.handlingPercent, figures.groupPercent}) ||
        (e.machineRoomRequested && !std::isfinite(machineRoom.structuralLoad)))
        return refuse(Notice::InputError);
    return singleResult(figures, calculationSteps(installation, load, traffic, *trip), machineRoom,
                        e.machineRoomRequested);
}

}  // namespace trevalo::engine

// Any bytes given to the project reader: it refuses them with a reason or reads a project,
// and a project it reads, written out again, reads back as the same project.
#include "project/project_json.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace trevalo;

bool sameProject(const project::Project& a, const project::Project& b)
{
    const engine::ProjectData& p = a.inputs.project;
    const engine::ProjectData& q = b.inputs.project;
    const engine::ElevatorParameters& e = a.inputs.elevator;
    const engine::ElevatorParameters& f = b.inputs.elevator;
    const bool sizingSame = a.sizing.has_value() == b.sizing.has_value() &&
                            (!a.sizing || (a.sizing->hcPercent == b.sizing->hcPercent &&
                                           a.sizing->interval == b.sizing->interval && a.sizing->awt == b.sizing->awt &&
                                           a.sizing->maxCars == b.sizing->maxCars && a.sizing->speeds == b.sizing->speeds));
    const auto passengersSame = [](const engine::SimulationEntries& s, const engine::SimulationEntries& t) {
        return std::equal(s.passengers.begin(), s.passengers.end(), t.passengers.begin(), t.passengers.end(),
                          [](const engine::PassengerEntry& x, const engine::PassengerEntry& y) {
                              return x.arrival == y.arrival && x.floor == y.floor;
                          });
    };
    const bool simulationSame =
        a.simulation.has_value() == b.simulation.has_value() &&
        (!a.simulation || (a.simulation->demandPercent == b.simulation->demandPercent &&
                           a.simulation->minutes == b.simulation->minutes &&
                           a.simulation->loadingLimit == b.simulation->loadingLimit &&
                           a.simulation->dwell == b.simulation->dwell &&
                           a.simulation->replications == b.simulation->replications &&
                           a.simulation->seed == b.simulation->seed && passengersSame(*a.simulation, *b.simulation)));
    return simulationSame && p.projectName == q.projectName && p.buildingType == q.buildingType && p.floorsServed == q.floorsServed &&
           p.totalPopulation == q.totalPopulation && p.spread == q.spread &&
           a.inputs.floors.floorPopulations == b.inputs.floors.floorPopulations &&
           a.elevatorEntered == b.elevatorEntered && e.travel == f.travel && e.floorHeight == f.floorHeight &&
           e.expressZoneSet == f.expressZoneSet && e.expressDistance == f.expressDistance && e.doorType == f.doorType &&
           e.doorWidth == f.doorWidth && e.advanceOpening == f.advanceOpening && e.lossPercent == f.lossPercent &&
           e.upPercent == f.upPercent && e.downPercent == f.downPercent && e.ratedSpeed == f.ratedSpeed &&
           e.fixedConfiguration == f.fixedConfiguration && e.ratedLoad == f.ratedLoad && e.carCount == f.carCount &&
           e.machineRoomRequested == f.machineRoomRequested && e.finishingWeight == f.finishingWeight && sizingSame;
}

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const project::ReadResult read = project::projectFromJson(bytes);
    if (read.project.has_value() == !read.reason.isEmpty())
        fail("a file must be either read or refused with a reason");
    if (!read.project)
        return 0;
    const project::ReadResult again = project::projectFromJson(project::projectToJson(*read.project));
    if (!again.project)
        fail("a project written out is refused when read back");
    if (!sameProject(*read.project, *again.project))
        fail("a project written out reads back different");
    return 0;
}

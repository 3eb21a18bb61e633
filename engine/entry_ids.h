#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trevalo::engine {

// Every entry a user types or ticks, one name for the checks, the project file and the
// forms alike. A misspelt entry does not compile.
enum class EntryId {
    ProjectName,
    BuildingType,
    FloorsServed,
    TotalPopulation,
    Spread,
    FloorPopulations,
    Travel,
    FloorHeight,
    ExpressZoneSet,
    ExpressDistance,
    DoorType,
    DoorWidth,
    AdvanceOpening,
    LossPercent,
    UpPercent,
    DownPercent,
    RatedSpeed,
    FixedConfiguration,
    RatedLoad,
    CarCount,
    MachineRoomRequested,
    FinishingWeight,
    SizingHcPercent,
    SizingInterval,
    SizingAwt,
    SizingMaxCars,
    SizingSpeeds,
    SizingLeastCars,
    SizingLeastLoad,
    DemandPercent,
    Minutes,
    LoadingLimit,
    Dwell,
    Replications,
    Seed,
    Passengers,
    IncomingPercent,
    OutgoingPercent,
    InterfloorPercent,
    Traffic,
    AwtTarget,
};

// The part of the project an entry belongs to; each is typed on a form of its own.
enum class EntrySection { Building, FloorPopulations, Elevator, Sizing, Simulation };

struct EntryInfo {
    EntryId id;
    EntrySection section;
    // Its member in the project file, dotted from the root ("elevator.upPercent").
    std::string_view path;
    // The object name of the control it is typed in, on its section's form; for a choice
    // of options, the first option.
    std::string_view control;
};

inline constexpr std::array<EntryInfo, 41> kEntryCatalogue{{
    {EntryId::ProjectName, EntrySection::Building, "building.projectName", "Text2"},
    {EntryId::BuildingType, EntrySection::Building, "building.buildingType", "Option1"},
    {EntryId::FloorsServed, EntrySection::Building, "building.floorsServed", "N1"},
    {EntryId::TotalPopulation, EntrySection::Building, "building.totalPopulation", "Text1"},
    {EntryId::Spread, EntrySection::Building, "building.spread", "Option3"},
    {EntryId::FloorPopulations, EntrySection::FloorPopulations, "floorPopulations", "Text1_0"},
    {EntryId::Travel, EntrySection::Elevator, "elevator.travel", "TEXT1_0"},
    {EntryId::FloorHeight, EntrySection::Elevator, "elevator.floorHeight", "TEXT1_1"},
    {EntryId::ExpressZoneSet, EntrySection::Elevator, "elevator.expressZoneSet", "Check1"},
    {EntryId::ExpressDistance, EntrySection::Elevator, "elevator.expressDistance", "TEXT1_2"},
    {EntryId::DoorType, EntrySection::Elevator, "elevator.doorType", "Option1_0"},
    {EntryId::DoorWidth, EntrySection::Elevator, "elevator.doorWidth", "Combo2"},
    {EntryId::AdvanceOpening, EntrySection::Elevator, "elevator.advanceOpening", "Check2"},
    {EntryId::LossPercent, EntrySection::Elevator, "elevator.lossPercent", "TEXT1_3"},
    {EntryId::UpPercent, EntrySection::Elevator, "elevator.upPercent", "TEXT1_4"},
    {EntryId::DownPercent, EntrySection::Elevator, "elevator.downPercent", "TEXT1_5"},
    {EntryId::RatedSpeed, EntrySection::Elevator, "elevator.ratedSpeed", "Combo1"},
    {EntryId::FixedConfiguration, EntrySection::Elevator, "elevator.fixedConfiguration", "Check3"},
    {EntryId::RatedLoad, EntrySection::Elevator, "elevator.ratedLoad", "Combo3"},
    {EntryId::CarCount, EntrySection::Elevator, "elevator.carCount", "TEXT1_7"},
    {EntryId::MachineRoomRequested, EntrySection::Elevator, "elevator.machineRoomRequested", "Check4"},
    {EntryId::FinishingWeight, EntrySection::Elevator, "elevator.finishingWeight", "Text2"},
    {EntryId::SizingHcPercent, EntrySection::Sizing, "sizing.hcPercent", "Text1_0"},
    {EntryId::SizingInterval, EntrySection::Sizing, "sizing.interval", "Text1_1"},
    {EntryId::SizingAwt, EntrySection::Sizing, "sizing.awt", "Text1_2"},
    {EntryId::SizingMaxCars, EntrySection::Sizing, "sizing.maxCars", "Text1_3"},
    {EntryId::SizingSpeeds, EntrySection::Sizing, "sizing.speeds", "Frame2"},
    {EntryId::SizingLeastCars, EntrySection::Sizing, "sizing.leastCars", "Text1_4"},
    {EntryId::SizingLeastLoad, EntrySection::Sizing, "sizing.leastLoad", "Text1_5"},
    {EntryId::DemandPercent, EntrySection::Simulation, "simulation.demandPercent", "Text1_0"},
    {EntryId::Minutes, EntrySection::Simulation, "simulation.minutes", "Text1_1"},
    {EntryId::LoadingLimit, EntrySection::Simulation, "simulation.loadingLimit", "Text1_2"},
    {EntryId::Dwell, EntrySection::Simulation, "simulation.dwell", "Text1_3"},
    {EntryId::Replications, EntrySection::Simulation, "simulation.replications", "Text1_4"},
    {EntryId::Seed, EntrySection::Simulation, "simulation.seed", "Text1_5"},
    {EntryId::Passengers, EntrySection::Simulation, "simulation.passengers", "PassengerList"},
    {EntryId::IncomingPercent, EntrySection::Simulation, "simulation.incomingPercent", "Text1_6"},
    {EntryId::OutgoingPercent, EntrySection::Simulation, "simulation.outgoingPercent", "Text1_7"},
    {EntryId::InterfloorPercent, EntrySection::Simulation, "simulation.interfloorPercent", "Text1_8"},
    {EntryId::Traffic, EntrySection::Simulation, "simulation.traffic", "Combo1"},
    {EntryId::AwtTarget, EntrySection::Simulation, "simulation.awtTarget", "Text1_9"},
}};

// The catalogue lists the entries in the order of the enumeration.
consteval bool catalogueInOrder()
{
    for (std::size_t i = 0; i < kEntryCatalogue.size(); ++i)
        if (static_cast<std::size_t>(kEntryCatalogue[i].id) != i)
            return false;
    return true;
}
static_assert(catalogueInOrder());

constexpr const EntryInfo& entryInfo(EntryId id) { return kEntryCatalogue[static_cast<std::size_t>(id)]; }
// The member's own key in its section's object ("upPercent").
constexpr std::string_view entryKey(EntryId id)
{
    const std::string_view path = entryInfo(id).path;
    const auto dot = path.find('.');
    return dot == std::string_view::npos ? path : path.substr(dot + 1);
}

// The entry a refusal names: one entry, a row of the floor population list, or none.
class EntryRef {
public:
    EntryRef() = default;
    EntryRef(EntryId id) : m_id(id) {}
    static EntryRef floorRow(std::size_t row);

    bool empty() const { return !m_id; }
    std::optional<EntryId> id() const { return m_id; }
    std::optional<std::size_t> row() const { return m_row; }
    // As the project file names it: "elevator.upPercent", "floorPopulations[3]"; empty for none.
    std::string path() const;

    friend bool operator==(const EntryRef&, const EntryRef&) = default;

private:
    std::optional<EntryId> m_id;
    std::optional<std::size_t> m_row;
};

}  // namespace trevalo::engine

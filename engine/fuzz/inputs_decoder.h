#pragma once

#include "engine/analysis_inputs.h"
#include "engine/fuzz/byte_reader.h"

#include <optional>

namespace trevalo::engine {

// One option of a group of values, or none chosen.
template <class Enum>
std::optional<Enum> choice(ByteReader& reader, int values)
{
    const int picked = reader.byte() % (values + 1);
    if (picked == values)
        return std::nullopt;
    return static_cast<Enum>(picked);
}

// The three input forms' control states, from the fuzzer's bytes.
inline AnalysisInputs decodeInputs(ByteReader& reader)
{
    AnalysisInputs inputs;
    ProjectData& p = inputs.project;
    p.buildingType = choice<BuildingType>(reader, 3);
    p.spread = choice<PopulationSpread>(reader, 2);
    p.floorsServed = reader.text();
    p.totalPopulation = reader.text();
    ElevatorParameters& e = inputs.elevator;
    e.doorType = choice<DoorType>(reader, 3);
    const std::uint8_t flags = reader.byte();
    e.expressZoneSet = (flags & 1) != 0;
    e.advanceOpening = (flags & 2) != 0;
    e.fixedConfiguration = (flags & 4) != 0;
    e.machineRoomRequested = (flags & 8) != 0;
    // The floor form's stored total is decoded too: the checks recompute it from the rows,
    // whatever it holds.
    for (std::string* text : {&e.travel, &e.floorHeight, &e.expressDistance, &e.doorWidth, &e.lossPercent,
                              &e.upPercent, &e.downPercent, &e.ratedSpeed, &e.ratedLoad, &e.carCount,
                              &e.finishingWeight, &inputs.floors.storedTotal})
        *text = reader.text();
    const int floors = reader.byte();
    for (int i = 0; i < floors; ++i)
        inputs.floors.floorPopulations.push_back(reader.text());
    return inputs;
}

}  // namespace trevalo::engine

#pragma once

#include "engine/analysis_inputs.h"
#include "engine/refusal.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace trevalo::engine {

// The building data form takes at most 200 served floors, and at most 129 when the
// population is given floor by floor; the floor population form has 223 rows.
inline constexpr int kMostFloors = 200;
inline constexpr int kMostFloorsPerFloorEntry = 129;
inline constexpr int kFloorRows = 223;

// The building data as its OK accepts it: the whole number of served floors that the floor
// population form lays out, and the spread that decides the next form.
struct BuildingChecks {
    int floors = 0;
    PopulationSpread spread = PopulationSpread::Even;
};

// The building data form's OK: every entry but the project name filled, the floors within
// the form's bounds.
std::variant<Refusal, BuildingChecks> checkBuildingData(const ProjectData& project);

// The floor population form's OK: the total of the rows the floor count covers, each sum
// rounded to a whole person before the next row is added. Refused when it leaves the 32-bit
// range.
std::variant<Refusal, std::int32_t> checkFloorPopulation(const ProjectData& project,
                                                         const std::vector<std::string>& floorPopulations);

// What the floor population form says of its rows as they stand: "合计 252 人", and when that
// differs from the building data's total, that the rows' total is the one used
// ("与楼宇资料的 250 人不同，按 252 人计算"). One text per line.
std::vector<std::string> floorTotalLines(const ProjectData& project, const std::vector<std::string>& floorPopulations);

// "第 3 层人数": the caption of floor population row r (floor r + 1).
std::string floorRowCaption(int row);

}  // namespace trevalo::engine

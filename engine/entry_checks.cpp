#include "engine/entry_checks.h"

#include "engine/analysis/door_timing.h"
#include "engine/analysis/population_model.h"
#include "engine/analysis_checks.h"
#include "engine/display_text.h"
#include "engine/leading_number.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trevalo::engine {

namespace {

Refusal refuse(Notice notice, EntryRef entry, std::string reason)
{
    return Refusal{notice, notice == Notice::DoorWidthNonStandard, std::move(entry), std::move(reason)};
}

// An entry is missing only when it holds no character at all: blanks count as filled.
struct Required {
    const std::string* text;
    EntryId entry;
    const char* reason;
};

std::optional<Refusal> firstMissing(std::initializer_list<Required> entries)
{
    for (const Required& required : entries)
        if (required.text->empty())
            return refuse(Notice::IncompleteInput, required.entry, required.reason);
    return std::nullopt;
}

std::optional<Refusal> incompleteElevator(const AnalysisInputs& inputs, bool decided)
{
    const ElevatorParameters& e = inputs.elevator;
    if (auto missing = firstMissing({{&e.travel, EntryId::Travel, "请输入行程"},
                                     {&e.floorHeight, EntryId::FloorHeight, "请输入平均层高"},
                                     {&e.doorWidth, EntryId::DoorWidth, "请输入开门宽度"},
                                     {&e.lossPercent, EntryId::LossPercent, "请输入损失时间百分比"},
                                     {&e.upPercent, EntryId::UpPercent, "请输入上行百分比"},
                                     {&e.ratedSpeed, EntryId::RatedSpeed, "请输入额定速度"},
                                     {&e.downPercent, EntryId::DownPercent, "请输入下行百分比"}}))
        return missing;
    if (!e.doorType)
        return refuse(Notice::IncompleteInput, EntryId::DoorType, "请选择开门方式");
    if (e.expressZoneSet && e.expressDistance.empty())
        return refuse(Notice::IncompleteInput, EntryId::ExpressDistance, "请输入快速通行区距离");
    if (decided) {
        if (auto missing = firstMissing({{&e.carCount, EntryId::CarCount, "请输入电梯台数"},
                                         {&e.ratedLoad, EntryId::RatedLoad, "请输入额定载重"}}))
            return missing;
    }
    if (e.machineRoomRequested && e.finishingWeight.empty())
        return refuse(Notice::IncompleteInput, EntryId::FinishingWeight, "请输入装修重量");
    return std::nullopt;
}

// A share of car capacity lies between nothing and the whole car: a car cannot carry more
// than its rated persons in one direction.
std::optional<Refusal> shareOutOfRange(double percent, EntryId entry, const char* name)
{
    if (percent < 0)
        return refuse(Notice::InputError, entry, std::string(name) + "不能小于 0");
    if (percent > 100)
        return refuse(Notice::InputError, entry, std::string(name) + "不能大于 100");
    return std::nullopt;
}

std::vector<double> floorValues(const FloorPopulation& floors, double floorsServed)
{
    const int count = floorCount(floorsServed);
    std::vector<double> values(static_cast<std::size_t>(count), 0.0);
    for (std::size_t i = 0; i < values.size() && i < floors.floorPopulations.size(); ++i)
        values[i] = leadingNumber(floors.floorPopulations[i]);
    return values;
}

std::variant<Refusal, CheckedEntries> checkElevator(const AnalysisInputs& inputs, bool decided, double total)
{
    const ElevatorParameters& e = inputs.elevator;
    if (auto incomplete = incompleteElevator(inputs, decided))
        return *incomplete;

    CheckedEntries checked;
    Installation& installation = checked.installation;
    installation.buildingType = *inputs.project.buildingType;
    installation.floorsServed = leadingNumber(inputs.project.floorsServed);
    installation.ratedSpeed = leadingNumber(e.ratedSpeed);
    installation.floorHeight = leadingNumber(e.floorHeight);
    installation.travel = leadingNumber(e.travel);
    installation.lossPercent = leadingNumber(e.lossPercent);
    if (installation.ratedSpeed <= 0)
        return refuse(Notice::InputError, EntryId::RatedSpeed, "额定速度应大于 0");

    const PopulationSpread spread = *inputs.project.spread;
    installation.population = total;
    if (installation.population <= 0) {
        if (spread == PopulationSpread::Even)
            return refuse(Notice::InputError, EntryId::TotalPopulation, "楼宇总人数应大于 0");
        return refuse(Notice::InputError, EntryId::FloorPopulations, "各层人数合计应大于 0");
    }
    // A population too large for a number ("1e400") would be carried on as infinity, into
    // figures of 0 % and a workbook cell no spreadsheet reads.
    if (!std::isfinite(installation.population))
        return refuse(Notice::InputError, EntryId::TotalPopulation, "楼宇总人数超出范围");

    installation.doorType = *e.doorType;
    double width = leadingNumber(e.doorWidth);
    if (installation.doorType == DoorType::FourPanelCentre)
        width /= 2;
    if (width < 800 || width > 1500) {
        return refuse(Notice::DoorWidthNonStandard, EntryId::DoorWidth,
                      installation.doorType == DoorType::FourPanelCentre ? "4CO 开门宽度的一半应在 800 至 1500 mm 之间"
                                                                         : "开门宽度应在 800 至 1500 mm 之间");
    }
    installation.doorWidth = normaliseDoorWidth(width);

    if (decided) {
        checked.ratedLoad = leadingNumber(e.ratedLoad);
        checked.cars = leadingNumber(e.carCount);
        if (checked.cars <= 0)
            return refuse(Notice::InputError, EntryId::CarCount, "电梯台数应大于 0");
    }

    // The traffic model needs at least one served floor, floor populations between nothing
    // and the whole population, traffic shares within the car, and a loss allowance and a
    // rated load of no less than zero.
    Population& population = checked.population;
    population.floorsServed = installation.floorsServed;
    population.total = installation.population;
    population.upPercent = leadingNumber(e.upPercent);
    population.downPercent = leadingNumber(e.downPercent);
    if (!(population.floorsServed >= 1))
        return refuse(Notice::InputError, EntryId::FloorsServed, "停留层数至少为 1");
    population.spread = spread;
    if (spread == PopulationSpread::PerFloor) {
        population.floorValues = floorValues(inputs.floors, population.floorsServed);
        for (std::size_t i = 0; i < population.floorValues.size(); ++i) {
            const double value = population.floorValues[i];
            if (!(value >= 0 && value <= population.total)) {
                return refuse(Notice::InputError, EntryRef::floorRow(i),
                              floorRowCaption(static_cast<int>(i)) + "应在 0 至各层合计之间");
            }
        }
    }
    if (auto refused = shareOutOfRange(population.upPercent, EntryId::UpPercent, "上行百分比"))
        return *refused;
    if (auto refused = shareOutOfRange(population.downPercent, EntryId::DownPercent, "下行百分比"))
        return *refused;
    if (installation.lossPercent < 0)
        return refuse(Notice::InputError, EntryId::LossPercent, "损失时间百分比不能小于 0");
    if (decided && checked.ratedLoad < 0)
        return refuse(Notice::InputError, EntryId::RatedLoad, "额定载重不能小于 0");

    installation.expressZoneSet = e.expressZoneSet;
    if (e.expressZoneSet)
        installation.expressDistance = static_cast<float>(leadingNumber(e.expressDistance));
    installation.advanceOpening = e.advanceOpening;
    return checked;
}

}  // namespace

Refusal runDistanceRefusal()
{
    return refuse(Notice::InputError, EntryId::Travel, "行程与层高、层数或快速通行区距离不相符");
}

std::vector<std::string> floorTotalLines(const ProjectData& project, const std::vector<std::string>& floorPopulations)
{
    const auto total = checkFloorPopulation(project, floorPopulations);
    if (const auto* refusal = std::get_if<Refusal>(&total))
        return {refusal->reason};
    const std::int32_t sum = std::get<std::int32_t>(total);
    std::vector<std::string> lines{"合计 " + std::to_string(sum) + " 人"};
    const double entered = leadingNumber(project.totalPopulation);
    if (entered != sum) {
        lines.push_back("与楼宇资料的 " + figureText(entered) + " 人不同，按 " + std::to_string(sum) + " 人计算");
    }
    return lines;
}

std::string floorRowCaption(int row) { return "第 " + std::to_string(row + 1) + " 层人数"; }

std::variant<Refusal, BuildingChecks> checkBuildingData(const ProjectData& project)
{
    if (!project.buildingType)
        return refuse(Notice::IncompleteInput, EntryId::BuildingType, "请选择建筑类型");
    if (auto missing = firstMissing({{&project.floorsServed, EntryId::FloorsServed, "请输入电梯停留层数"},
                                     {&project.totalPopulation, EntryId::TotalPopulation, "请输入楼宇总人数"}}))
        return *missing;
    if (!project.spread)
        return refuse(Notice::IncompleteInput, EntryId::Spread, "请选择人数分配方式");
    // A count beyond the 16-bit range cannot be held, so it is refused like a count beyond
    // the form's bound rather than carried on as a wrong number.
    const auto floors = toInt16(leadingNumber(project.floorsServed));
    if (!floors || *floors > kMostFloors)
        return refuse(Notice::FloorsOutOfRange, EntryId::FloorsServed,
                      "停留层数不能超过 " + std::to_string(kMostFloors));
    if (*project.spread == PopulationSpread::PerFloor && *floors > kMostFloorsPerFloorEntry)
        return refuse(Notice::FloorsOutOfRange, EntryId::FloorsServed,
                      "逐层输入人数时停留层数不能超过 " + std::to_string(kMostFloorsPerFloorEntry));
    return BuildingChecks{int{*floors}, *project.spread};
}

std::variant<Refusal, std::int32_t> checkFloorPopulation(const ProjectData& project,
                                                         const std::vector<std::string>& floorPopulations)
{
    const auto floors = toInt16(leadingNumber(project.floorsServed));
    const int rows = std::clamp(floors ? int{*floors} : 0, 0, kFloorRows);
    double total = 0;
    for (std::size_t row = 0; row < static_cast<std::size_t>(rows); ++row) {
        const double entry = row < floorPopulations.size() ? leadingNumber(floorPopulations[row]) : 0;
        total = std::nearbyint(total + entry);
        if (!(total >= std::numeric_limits<std::int32_t>::min() && total <= std::numeric_limits<std::int32_t>::max()))
            return refuse(Notice::InputError, EntryId::FloorPopulations, "各层人数合计超出范围");
    }
    return static_cast<std::int32_t>(total);
}

std::variant<Refusal, CheckedEntries> checkEntries(const AnalysisInputs& inputs, bool decided)
{
    const auto building = checkBuildingData(inputs.project);
    if (const auto* refusal = std::get_if<Refusal>(&building))
        return *refusal;
    double total = leadingNumber(inputs.project.totalPopulation);
    if (std::get<BuildingChecks>(building).spread == PopulationSpread::PerFloor) {
        const auto floors = checkFloorPopulation(inputs.project, inputs.floors.floorPopulations);
        if (const auto* refusal = std::get_if<Refusal>(&floors))
            return *refusal;
        total = std::get<std::int32_t>(floors);
    }
    return checkElevator(inputs, decided, total);
}

}  // namespace trevalo::engine

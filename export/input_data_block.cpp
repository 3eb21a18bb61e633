#include "engine/analysis_inputs.h"
#include "export/workbook_layout.h"

#include <algorithm>

namespace trevalo::workbook {

namespace {

using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;

// Form3 has this many floor rows; a larger floor count lists no more.
constexpr int kFloorRows = 223;

std::string doorTypeText(DoorType type)
{
    switch (type) {
    case DoorType::TwoPanelCentre: return "2CO……";
    case DoorType::TwoPanelSide: return "2SO……";
    case DoorType::FourPanelCentre: return "4CO……";
    }
    return {};
}

// Rows of the per-floor list: i = 0, 1, ... while i <= n - 1, n unrounded.
int listedFloors(const WizardState& state)
{
    const double n = engine::leadingNumber(state.inputs.project.floorsServed);
    int count = 0;
    while (count < kFloorRows && count <= n - 1)
        ++count;
    return count;
}

std::string element(const std::vector<std::string>& texts, int index)
{
    return index < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(index)]
                                                  : std::string();
}

void writeFloorList(SheetModel& sheet, const WizardState& state, int headingRow)
{
    const std::string heading = "A" + std::to_string(headingRow);
    sheet.write(heading, "每层人数资料");
    sheet.setHeading(heading, 12);
    const int floors = listedFloors(state);
    for (int i = 0; i < floors; ++i)
        sheet.write({headingRow + 1 + i, 1}, element(state.floorLabels, i));
    for (int i = 0; i < floors; ++i)
        sheet.write({headingRow + 1 + i, 2}, element(state.inputs.floors.floorPopulations, i));
}

}  // namespace

std::string buildingTypeText(BuildingType type)
{
    switch (type) {
    case BuildingType::Residential: return "住宅";
    case BuildingType::OfficeAndHotel: return "办公楼及酒店";
    case BuildingType::OwnerOccupiedOffice: return "自用办公楼";
    }
    return {};
}

void writeInputDataBlock(SheetModel& sheet, const WizardState& state, bool includeLoadAndNumber,
                         int listHeadingRow)
{
    const engine::ProjectData& project = state.inputs.project;
    const engine::ElevatorParameters& elevator = state.inputs.elevator;

    sheet.write("A1", "项目名称：");
    sheet.write("B1", project.projectName);
    sheet.setHeading("A1", 16);
    sheet.setHeading("B1", 16);
    sheet.write("A2", "日期： " + state.dateCaption);
    sheet.write("D2", "时间： " + state.timeCaption);
    sheet.write("A4", "Trevalo——数据");
    sheet.setHeading("A4", 14);

    sheet.write("A5", "建筑类型");
    if (project.buildingType)
        sheet.write("B5", buildingTypeText(*project.buildingType));
    sheet.write("A6", "电梯停留层数");
    sheet.write("B6", project.floorsServed);
    sheet.write("A7", "楼宇总人数");
    if (project.spread == PopulationSpread::Even)
        sheet.write("B7", project.totalPopulation);
    else if (project.spread == PopulationSpread::PerFloor)
        sheet.write("B7", state.inputs.floors.storedTotal + " (详见下示)");
    sheet.write("A8", "电梯总行程 (米)");
    sheet.write("B8", elevator.travel);
    sheet.write("A9", "平均每层高度 (米)");
    sheet.write("B9", elevator.floorHeight);
    sheet.write("A10", "快速通行区 (米)");
    sheet.write("B10", elevator.expressZoneSet ? elevator.expressDistance : "无");
    sheet.write("A11", "电梯门类型及开启宽度 (毫米)");
    if (elevator.doorType)
        sheet.write("B11", doorTypeText(*elevator.doorType) + elevator.doorWidth);
    sheet.write("A12", "电梯预先开门");
    sheet.write("B12", elevator.advanceOpening ? "有" : "无");
    sheet.write("A13", "折耗率 (%)");
    sheet.write("B13", elevator.lossPercent);
    sheet.write("A14", "上行百分比 (%)");
    sheet.write("B14", elevator.upPercent);
    sheet.write("A15", "下行百分比 (%)");
    sheet.write("B15", elevator.downPercent);
    sheet.write("A16", "电梯速度 (米/秒)");
    sheet.write("B16", elevator.ratedSpeed);
    if (includeLoadAndNumber) {
        sheet.write("A17", "单电梯载重 (KG)");
        sheet.write("B17", elevator.ratedLoad);
        sheet.write("A18", "电梯数量");
        sheet.write("B18", elevator.carCount);
    }
    if (project.spread == PopulationSpread::PerFloor)
        writeFloorList(sheet, state, listHeadingRow);
}

}  // namespace trevalo::workbook

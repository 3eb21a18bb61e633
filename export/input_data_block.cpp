#include "export/input_data_block.h"

#include "engine/standard_tables.h"


namespace trevalo::workbook {

namespace {

using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;


std::string doorTypeText(DoorType type) { return std::string(engine::doorTypeName(type)) + "……"; }

void writeFloorList(SheetModel& sheet, const std::vector<FloorListRow>& floors, int headingRow)
{
    const std::string heading = "A" + std::to_string(headingRow);
    sheet.write(heading, "每层人数资料");
    sheet.setHeading(heading, 12);
    for (std::size_t i = 0; i < floors.size(); ++i) {
        const int row = headingRow + 1 + static_cast<int>(i);
        sheet.write({row, 1}, floors[i].label);
        sheet.write({row, 2}, floors[i].population);
    }
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

void writeInputDataBlock(SheetModel& sheet, const EnteredData& entered, bool includeLoadAndNumber,
                         int listHeadingRow)
{
    const engine::ProjectData& project = entered.inputs.project;
    const engine::ElevatorParameters& elevator = entered.inputs.elevator;

    sheet.write("A1", "项目名称：");
    sheet.write("B1", project.projectName);
    sheet.setHeading("A1", 16);
    sheet.setHeading("B1", 16);
    sheet.write("A2", "日期： " + entered.dateCaption);
    sheet.write("D2", "时间： " + entered.timeCaption);
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
        sheet.write("B7", entered.inputs.floors.storedTotal + " (详见下示)");
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
        writeFloorList(sheet, entered.floorList, listHeadingRow);
}

}  // namespace trevalo::workbook

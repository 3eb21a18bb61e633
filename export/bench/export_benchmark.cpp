// Time to lay out and write the load table workbook with a 129-floor list.
#include "export/result_layouts.h"
#include "export/xlsx_writer.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

trevalo::workbook::EnteredData officeWith129Floors()
{
    trevalo::workbook::EnteredData state;
    auto& project = state.inputs.project;
    project.projectName = "办公楼A座";
    project.buildingType = trevalo::engine::BuildingType::OfficeAndHotel;
    project.floorsServed = "129";
    project.spread = trevalo::engine::PopulationSpread::PerFloor;
    state.inputs.floors.storedTotal = "12900";
    for (int i = 0; i < 129; ++i)
        state.floorList.push_back({"第 " + std::to_string(i + 1) + " 层人数", "100"});
    auto& elevator = state.inputs.elevator;
    elevator.travel = "390";
    elevator.floorHeight = "3";
    elevator.doorType = trevalo::engine::DoorType::TwoPanelCentre;
    elevator.doorWidth = "1100";
    elevator.lossPercent = "5";
    elevator.upPercent = "30";
    elevator.downPercent = "20";
    elevator.ratedSpeed = "6";
    state.dateCaption = "2026/12/6";
    state.timeCaption = "18:30:05";
    return state;
}

trevalo::workbook::LoadTableCaptions sweptTable()
{
    trevalo::workbook::LoadTableCaptions table;
    for (std::size_t row = 0; row < 16; ++row) {
        table.cellTexts[0][row] = std::to_string(675 + 75 * row) + "/" + std::to_string(9 + row);
        for (std::size_t array = 1; array < 8 && row > 0; ++array)
            table.cellTexts[array][row] = std::to_string(10 * array + row) + ".125";
    }
    table.rowZeroHidden = true;
    return table;
}

}  // namespace

int main()
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    trevalo::workbook::LoadTableRecord record;
    record.entered = officeWith129Floors();
    record.form = sweptTable();
    constexpr int kRuns = 50;
    std::vector<double> milliseconds;
    for (int run = 0; run < kRuns; ++run) {
        const std::string path = QDir(folder.path()).filePath(QString("run%1.xlsx").arg(run)).toStdString();
        const auto start = std::chrono::steady_clock::now();
        const auto layout = trevalo::workbook::loadTableLayout(record);
        if (!trevalo::workbook::writeWorkbook(layout, path))
            return 1;
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("load table workbook, 129-floor list, %d runs: min %.2f ms, median %.2f ms, max %.2f ms\n",
                kRuns, milliseconds.front(), milliseconds[kRuns / 2], milliseconds.back());
    return 0;
}

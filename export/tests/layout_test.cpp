#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace trevalo::workbook {
namespace {

WizardState perFloorState(const std::string& floorsServed, int entries)
{
    WizardState state;
    state.inputs.project.floorsServed = floorsServed;
    state.inputs.project.spread = engine::PopulationSpread::PerFloor;
    for (int i = 0; i < entries; ++i) {
        state.floorLabels.push_back("第 " + std::to_string(i + 1) + " 层人数");
        state.inputs.floors.floorPopulations.push_back(std::to_string(10 + i));
    }
    return state;
}

struct FloorListCase {
    const char* name;
    std::string floorsServed;
    int entries;  // elements the floor population form holds
    int expectedRows;
};

class FloorList : public testing::TestWithParam<FloorListCase> {};

TEST_P(FloorList, RunsWhileTheIndexIsAtMostTheFloorCountLessOne)
{
    SheetModel sheet;
    writeInputDataBlock(sheet, perFloorState(GetParam().floorsServed, GetParam().entries), false, 18);
    int rows = 0;
    for (const auto& [position, cell] : sheet.cells())
        rows += position.row > 18 && !cell.text.empty() ? 1 : 0;
    EXPECT_EQ(rows, 2 * GetParam().expectedRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloorList,
    testing::Values(FloorListCase{"wholeCount", "3", 223, 3}, FloorListCase{"fractionIsNotRounded", "3.99", 223, 3},
                    FloorListCase{"belowOneListsNothing", "0.5", 223, 0},
                    FloorListCase{"leadingNumberOfText", "4 floors", 223, 4},
                    FloorListCase{"cappedAtTheRowsOfTheForm", "500", 223, 223},
                    FloorListCase{"hugeCountCapped", "1e300", 223, 223},
                    FloorListCase{"formNotLoadedWritesNoRows", "3", 0, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LoadTableHeaders, CompareTheSharesAsLeadingNumbersNotAsTexts)
{
    WizardState state;
    state.inputs.elevator.upPercent = "9";
    state.inputs.elevator.downPercent = "10%";
    const WorkbookLayout layout = loadTableLayout(state, LoadTableCaptions{});
    EXPECT_EQ(layout.sheet.text("E5"), "DN");
    EXPECT_EQ(layout.sheet.text("J5"), "PS (DN)");
}

}  // namespace
}  // namespace trevalo::workbook

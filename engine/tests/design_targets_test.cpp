#include "engine/analysis/load_table.h"
#include "engine/design_targets.h"
#include "engine/standard_tables.h"

#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace trevalo::engine {
namespace {

struct PresetCase {
    const char* name;
    BuildingType type;
    double hcPercent, interval;
    const char *hcSource, *intervalSource;  // the guide each source names
    SizingEntries entries;       // at a rated speed of "2.5" on the parameters form
    double lowestLoad;           // kg, the first standard load of the type
    const char* shares;          // the up, down and loss shares the parameters form proposes
};

class Presets : public testing::TestWithParam<PresetCase> {};

TEST_P(Presets, FollowTheBuildingType)
{
    const PresetCase& row = GetParam();
    const DesignTargets targets = presetTargets(row.type);
    EXPECT_EQ(targets.hcPercent, row.hcPercent);
    EXPECT_EQ(targets.interval, row.interval);
    EXPECT_FALSE(targets.awt.has_value());
    const TargetSources sources = presetSources(row.type);
    EXPECT_EQ(sources.hcPercent.rfind(row.hcSource, 0), 0u) << sources.hcPercent;
    EXPECT_EQ(sources.interval.rfind(row.intervalSource, 0), 0u) << sources.interval;
    const SizingEntries e = presetSizingEntries(row.type, "2.5");
    EXPECT_EQ(std::tie(e.hcPercent, e.interval, e.awt, e.maxCars, e.speeds),
              std::tie(row.entries.hcPercent, row.entries.interval, row.entries.awt, row.entries.maxCars, row.entries.speeds));
    EXPECT_EQ(tableRowLoad(firstStandardRow(row.type)), row.lowestLoad);
    const ElevatorParameters p = defaultElevatorParameters(row.type);
    EXPECT_EQ(p.upPercent + " " + p.downPercent + " " + p.lossPercent, row.shares);
}

// The targets and sources of the design guides: ISO 8100-32 for an office's handling capacity,
// CIBSE Guide D for the rest. Office cars start one standard load up, at 750 kg.
INSTANTIATE_TEST_SUITE_P(
    Targets, Presets,
    testing::Values(PresetCase{"office", BuildingType::OfficeAndHotel, 12, 30, "ISO 8100-32:2020", "CIBSE Guide D",
                               {"12", "30", "", "8", {"2.5"}}, 750, "50 50 5"},
                    PresetCase{"ownerOccupied", BuildingType::OwnerOccupiedOffice, 15, 30, "CIBSE Guide D",
                               "CIBSE Guide D", {"15", "30", "", "8", {"2.5"}}, 750, "80 0 5"},
                    PresetCase{"residential", BuildingType::Residential, 6, 60, "CIBSE Guide D", "CIBSE Guide D",
                               {"6", "60", "", "8", {"2.5"}}, 675, "30 20 5"}),
    CaseName());

// The rated load list: every 75 kg step from 675 to 1800 kg but 975 kg.
TEST(RatedLoadList, OffersEveryStandardLoadButOne)
{
    EXPECT_EQ(ratedLoadListTexts(), (std::vector<std::string>{"675", "750", "825", "900", "1050", "1125", "1200", "1275",
                                                              "1350", "1425", "1500", "1575", "1650", "1725", "1800"}));
}

struct SourceCase {
    const char* name;
    BuildingType type;
    DesignTargets targets;
    bool hcFromGuide, intervalFromGuide;  // otherwise "用户设定"
};

class Sources : public testing::TestWithParam<SourceCase> {};

TEST_P(Sources, NameTheGuideOnlyForItsOwnTarget)
{
    const SourceCase& row = GetParam();
    const TargetSources sources = targetSources(row.type, row.targets);
    const TargetSources guide = presetSources(row.type);
    EXPECT_EQ(sources.hcPercent, row.hcFromGuide ? guide.hcPercent : "用户设定");
    EXPECT_EQ(sources.interval, row.intervalFromGuide ? guide.interval : "用户设定");
}

// Office 12 % and 30 s, owner-occupied 15 % and 30 s, residential 6 % and 60 s.
INSTANTIATE_TEST_SUITE_P(
    Targets, Sources,
    testing::Values(SourceCase{"officePresets", BuildingType::OfficeAndHotel, {12, 30, {}}, true, true},
                    SourceCase{"officeWithWaitingTime", BuildingType::OfficeAndHotel, {12, 30, 25}, true, true},
                    SourceCase{"ownerOwnShare", BuildingType::OwnerOccupiedOffice, {12, 30, {}}, false, true},
                    SourceCase{"residentialOwnInterval", BuildingType::Residential, {6, 45, {}}, true, false},
                    SourceCase{"residentialBothOwn", BuildingType::Residential, {6.5, 59.99, {}}, false, false}),
    CaseName());

struct CheckCase {
    const char* name;
    DesignTargets targets;
    double groupPercent, interval;
    std::optional<double> awt;
    bool hcMet, intervalMet;
    std::optional<bool> awtMet;
    double hcMargin, intervalMargin;
    std::optional<double> awtMargin;
    bool allMet;
};

class TargetChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(TargetChecks, CompareTheUnroundedFigures)
{
    const CheckCase& row = GetParam();
    const TargetCheck check = checkTargets(row.targets, row.groupPercent, row.interval, row.awt);
    EXPECT_EQ(std::tuple(check.hcMet, check.intervalMet, check.awtMet, check.allMet()),
              std::tuple(row.hcMet, row.intervalMet, row.awtMet, row.allMet));
    EXPECT_NEAR(check.hcMargin, row.hcMargin, 1e-12);
    EXPECT_NEAR(check.intervalMargin, row.intervalMargin, 1e-12);
    ASSERT_EQ(check.awtMargin.has_value(), row.awtMargin.has_value());
    EXPECT_NEAR(check.awtMargin.value_or(0), row.awtMargin.value_or(0), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, TargetChecks,
    testing::Values(
        CheckCase{"exactlyOnBothTargets", {12, 30, {}}, 12, 30, {}, true, true, {}, 0, 0, {}, true},
        CheckCase{"hcJustBelow", {12, 30, {}}, 11.9995, 20, {}, false, true, {}, -0.0005, 10, {}, false},
        CheckCase{"intervalJustAbove", {12, 30, {}}, 15, 30.0004, {}, true, false, {}, 3, -0.0004, {}, false},
        CheckCase{"waitingTimeOnTarget", {6, 60, 20}, 8, 40, 20, true, true, true, 2, 20, 0, true},
        CheckCase{"waitingTimeAbove", {6, 60, 20}, 8, 40, 22.5, true, true, false, 2, 20, -2.5, false},
        CheckCase{"waitingTimeNotEstimated", {6, 60, 20}, 8, 40, {}, true, true, false, 2, 20, {}, false},
        CheckCase{"noWaitingTimeTarget", {6, 60, {}}, 8, 40, 99, true, true, {}, 2, 20, {}, true}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine

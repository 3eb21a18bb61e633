#include "engine/analysis/analysis.h"

#include "engine/tests/case_name.h"
#include "engine/tests/random_building.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::engine {
namespace {

// Up-peak shares as designers type them: most passengers up, a few down (or the reverse).
// A share of a few passengers gives fewer than one probable stop, which counts as one.
struct ShareCase {
    const char* name;
    Entries entries;
    std::array<std::string, 9> texts;  // the single result with the load and cars decided
    double roundTripTime;
    std::vector<std::string> sweepRoundTrips;  // the load table's RTT column, "" hidden; none: not checked
};

class TravelShares : public testing::TestWithParam<ShareCase> {};

TEST_P(TravelShares, GiveFiguresOnBothRoads)
{
    const ShareCase& c = GetParam();
    const auto outcome = runAnalysis(inputsOf(c.entries));
    const auto* single = std::get_if<SingleResult>(&outcome);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->valueTexts, c.texts);
    EXPECT_NEAR(single->figures.roundTripTime, c.roundTripTime, 1e-8);
    if (c.sweepRoundTrips.empty())
        return;
    Entries sweepEntries = c.entries;
    sweepEntries.fixed = false;
    const auto sweepOutcome = runAnalysis(inputsOf(sweepEntries));
    const auto* table = std::get_if<LoadTable>(&sweepOutcome);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(c.sweepRoundTrips.size(), kLoadTableRows);
    for (std::size_t r = 0; r < kLoadTableRows; ++r)
        EXPECT_EQ(table->rows[r] ? table->cellTexts[r][2] : "", c.sweepRoundTrips[r]) << "row " << r;
}

Entries shares(Entries building, const char* up, const char* down)
{
    building.up = up;
    building.down = down;
    return building;
}

// The three buildings of the share rows, with their load and cars decided.
const Entries kResidential20{.floors = "20", .population = "600", .travel = "63", .speed = "2.5", .load = "1000",
                             .cars = "3"};
const Entries kOffice30{.type = kOffice, .floors = "30", .population = "2400", .travel = "120", .floorHeight = "4",
                        .width = "1000", .speed = "2.5", .load = "1350", .cars = "4"};
const Entries kOwner16{.type = kOwner, .floors = "16", .population = "1000", .travel = "51", .door = kSide, .width = "1100",
                       .advance = true, .speed = "1.75", .load = "1050", .cars = "3"};

// Expected figures from an independent model of the published formulas with a journey
// of at least one stop (a throwaway script, not part of the project), checked first
// against the worked case and the load tables of the other engine tests. The office
// rows are a 30-floor office with 2400 persons on 120 m.
INSTANTIATE_TEST_SUITE_P(
    Analysis, TravelShares,
    testing::Values(
        ShareCase{"residential80_5", shares(kResidential20, "80", "5"), {"160.424", "53.475", "20.664", "61.992", "3.444", "10.332", "", "2.5", "5.2"}, 160.423598931,
                  {"128.742", "137.088", "145.129", "152.899", "160.424", "167.726", "174.822", "181.729", "188.458", "195.021", "201.428", "207.689", "214.388", "220.82", "227.126", "233.314"}},
        ShareCase{"residential80_10", shares(kResidential20, "80", "10"), {"164.408", "54.803", "21.349", "64.048", "3.558", "10.675", "", "2.5", "5.2"}, 164.407700461,
                  {"129.569", "138.007", "147.16", "155.907", "164.408", "172.685", "180.756", "188.635", "196.336", "203.87", "211.246", "218.474", "225.561", "232.514", "239.34", "246.046"}},
        ShareCase{"residential85_5", shares(kResidential20, "85", "5"), {"166.298", "55.433", "21.107", "63.32", "3.518", "10.553", "", "2.5", "5.2"}, 166.297907446,
                  {"133.425", "142.09", "150.435", "158.495", "166.298", "173.865", "181.216", "188.366", "195.328", "202.115", "208.737", "215.204", "222.102", "228.726", "235.217", "241.584"}},
        ShareCase{"residential90_10", shares(kResidential20, "90", "10"), {"176.019", "58.673", "22.157", "66.47", "3.693", "11.078", "", "2.5", "5.2"}, 176.018823580,
                  {"138.833", "147.9", "157.653", "166.971", "176.019", "184.818", "193.387", "201.744", "209.902", "217.874", "225.67", "233.302", "240.778", "248.106", "255.294", "262.349"}},
        ShareCase{"residential10_80", shares(kResidential20, "10", "80"), {"147.324", "49.108", "23.825", "71.475", "3.971", "11.913", "", "2.5", "5.2"}, 147.323502463,
                  {"110.733", "119.592", "129.185", "138.378", "147.324", "156.038", "164.535", "172.829", "180.931", "188.851", "196.6", "204.187", "211.62", "218.906", "226.052", "233.066"}},
        ShareCase{"office80_5", shares(kOffice30, "80", "5"), {"230.496", "57.624", "19.914", "79.654", "0.83", "3.319", "", "2.5", "5.2"}, 230.496307327,
                  {"", "172.043", "180.036", "187.79", "195.331", "202.684", "209.864", "216.886", "223.76", "230.496", "237.186", "243.978", "251.041", "257.944", "264.712", "271.354"}},
        ShareCase{"office80_10", shares(kOffice30, "80", "10"), {"238.665", "59.666", "20.363", "81.453", "0.848", "3.394", "", "2.5", "5.2"}, 238.665340768,
                  {"", "173.014", "181.928", "190.581", "199.022", "207.272", "215.349", "223.267", "231.036", "238.665", "246.247", "253.93", "261.461", "268.85", "276.104", "283.229"}},
        ShareCase{"office85_5", shares(kOffice30, "85", "5"), {"237.934", "59.484", "20.426", "81.703", "0.851", "3.404", "", "2.5", "5.2"}, 237.934325435,
                  {"", "177.008", "185.324", "193.392", "201.24", "208.89", "216.36", "223.663", "230.81", "237.934", "245.119", "252.136", "259.419", "266.532", "273.505", "280.344"}},
        ShareCase{"office90_10", shares(kOffice30, "90", "10"), {"253.602", "63.401", "21.293", "85.173", "0.887", "3.549", "", "2.5", "5.2"}, 253.602423746,
                  {"", "182.846", "192.4", "201.676", "210.723", "219.563", "228.211", "236.683", "245.113", "253.602", "261.904", "270.029", "277.989", "285.791", "293.444", "300.955"}},
        ShareCase{"office10_80", shares(kOffice30, "10", "80"), {"212.177", "53.044", "22.905", "91.622", "0.954", "3.818", "", "2.5", "5.2"}, 212.176830636,
                  {"", "136.005", "146.538", "156.719", "166.597", "176.195", "185.535", "194.635", "203.511", "212.177", "220.646", "228.93", "237.039", "244.983", "252.769", "260.406"}},
        ShareCase{"owner80_5", shares(kOwner16, "80", "5"), {"173.715", "57.905", "20.551", "61.653", "2.055", "6.165", "", "1.7", "4.9"}, 173.715457026,
                  {"", "146.177", "153.483", "160.492", "167.229", "173.715", "179.97", "186.008", "191.844", "197.582", "203.148", "208.532", "214.225", "219.755", "225.134", "230.368"}},
        ShareCase{"owner80_10", shares(kOwner16, "80", "10"), {"178.875", "59.625", "21.132", "63.396", "2.113", "6.34", "", "1.7", "4.9"}, 178.875160737,
                  {"", "147.135", "155.499", "163.56", "171.345", "178.875", "186.169", "193.241", "200.107", "206.871", "213.458", "219.858", "226.081", "232.139", "238.04", "243.794"}},
        ShareCase{"owner85_5", shares(kOwner16, "85", "5"), {"179.116", "59.705", "21.104", "63.311", "2.11", "6.331", "", "1.7", "4.9"}, 179.116359656,
                  {"", "150.72", "158.266", "165.497", "172.44", "179.116", "185.547", "191.748", "197.834", "203.723", "209.408", "214.901", "220.696", "226.323", "231.791", "237.11"}},
        ShareCase{"owner90_10", shares(kOwner16, "90", "10"), {"189.51", "63.17", "22.162", "66.487", "2.216", "6.649", "", "1.7", "4.9"}, 189.509938079,
                  {"", "156.101", "164.932", "173.426", "181.611", "189.51", "197.144", "204.624", "211.891", "218.924", "225.738", "232.349", "238.768", "245.01", "251.084", "257"}},
        ShareCase{"owner10_80", shares(kOwner16, "10", "80"), {"161.085", "53.695", "23.466", "70.398", "2.347", "7.04", "", "1.7", "4.9"}, 161.084747834,
                  {"", "126.224", "135.441", "144.307", "152.847", "161.085", "169.04", "176.732", "184.177", "191.392", "198.389", "205.183", "211.786", "218.207", "224.458", "230.548"}},
        ShareCase{"residentialPerFloor80_10", {.spread = kPerFloor, .floors = "6", .population = "385", .perFloor = {"40", "0", "120", "75", "90", "60"}, .travel = "22", .floorHeight = "3.5", .up = "80", .down = "10", .load = "825"},
                  {"92.725", "46.362", "32.03", "64.061", "8.32", "16.639", "", "1.7", "4.9"}, 92.724824414,
                  {"84.541", "88.34", "92.725", "96.864", "100.835", "104.674", "108.38", "111.971", "115.463", "118.869", "122.198", "125.461", "128.664", "131.814", "134.917", "137.978"}},
        // 10 % of 10 persons is one passenger: one stop in exact arithmetic, 1 - e or 1 + e in
        // doubles depending on the number of floors. Either way the journey makes exactly one
        // stop. 750 kg (10 persons) x 4 cars, 80 % up and 10 % down.
        ShareCase{"office25Floors", {.type = kOffice, .floors = "25", .population = "2000", .travel = "100", .floorHeight = "4", .width = "1000", .up = "80", .down = "10", .speed = "2.5", .load = "750", .cars = "4"},
                  {"157.43", "39.358", "17.15", "68.602", "0.858", "3.43", "", "2.5", "5.2"}, 157.430431999, {}},
        ShareCase{"office26Floors", {.type = kOffice, .floors = "26", .population = "2000", .travel = "104", .floorHeight = "4", .width = "1000", .up = "80", .down = "10", .speed = "2.5", .load = "750", .cars = "4"},
                  {"160.586", "40.146", "16.813", "67.254", "0.841", "3.363", "", "2.5", "5.2"}, 160.585845833, {}}),
    CaseName());

// A share is of the car's capacity: any share up to the whole car gives figures, and one
// above it is refused on its entry, the up share's first.
TEST(TravelSharesProperty, AnyShareWithinTheCarGivesFigures)
{
    RandomBuildings random(20261207);
    for (int run = 0; run < 3000; ++run) {
        Entries e = random.building();
        const std::string up = e.up = random.keep(std::to_string(random.real(0, 120)));
        const std::string down = e.down = random.keep(std::to_string(random.real(0, 120)));
        e.fixed = run % 2 == 0;
        const auto outcome = runAnalysis(inputsOf(e));
        const auto* refusal = std::get_if<Refusal>(&outcome);
        const char* refused = std::stod(up) > 100 ? "elevator.upPercent" : std::stod(down) > 100 ? "elevator.downPercent" : "";
        ASSERT_EQ(refusal ? refusal->entry.path() : "", refused)
            << "run " << run << ": " << e.floors << " floors, up " << up << " %, down " << down << " %";
    }
}

// More passengers down never shorten the round trip, where the express run reaches the
// rated speed (44 m and more is beyond the full-speed distance of every speed up to 6 m/s).
// Two steps of the formulas themselves are left out. From nobody down to the first share,
// the crowding term is no longer taken on the total stops but per direction. And where the
// express run is short, the down journey's step from one run to an express run plus runs
// between stops can shorten it: the run model times a short run below the straight-line
// extension of a full-speed run.
TEST(TravelSharesProperty, RoundTripDoesNotFallAsTheDownShareRises)
{
    RandomBuildings random(7);
    for (int run = 0; run < 600; ++run) {
        Entries e = random.building(44, 60);
        e.speed = random.speed(9);
        e.up = random.keep(std::to_string(random.whole(0, 100)));
        double previous = 0;
        for (int halfPercent = 1; halfPercent <= 40; ++halfPercent) {
            const std::string down = std::to_string(halfPercent * 0.5);
            e.down = down.c_str();
            const auto outcome = runAnalysis(inputsOf(e));
            const auto* single = std::get_if<SingleResult>(&outcome);
            ASSERT_NE(single, nullptr) << "run " << run << ", down " << down;
            EXPECT_GE(single->figures.roundTripTime, previous) << "run " << run << ", down " << down << " %";
            previous = single->figures.roundTripTime;
        }
    }
}

}  // namespace
}  // namespace trevalo::engine

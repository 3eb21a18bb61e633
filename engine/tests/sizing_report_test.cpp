#include "engine/sizing/sizing_report.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

SizingCandidate candidate(int cars, double load, double speed, double rtt, double groupPercent, std::optional<double> awt,
                          const DesignTargets& targets)
{
    SizingCandidate c;
    c.cars = cars;
    c.load = load;
    c.persons = load / 75;
    c.speed = speed;
    c.roundTripTime = rtt;
    c.interval = rtt / cars;
    c.groupPercent = groupPercent;
    c.awt = awt;
    c.check = checkTargets(targets, groupPercent, c.interval, awt);
    return c;
}

// Hand-made outcomes: the texts below are worked by hand from the figures (rounded to three
// decimals, ties to even, no trailing zeros).
TEST(SizingReport, ListsWhatMeetsTheTargets)
{
    SizingOutcome outcome;
    outcome.targets = {{12, 30, std::nullopt}, 8, {2.5}};
    outcome.met = true;
    const DesignTargets& t = outcome.targets.targets;
    outcome.listed = {candidate(4, 1350, 2.5, 110, 12.25, 11.2, t),
                      candidate(4, 1425, 2.5, 116.25, 12.8125, std::nullopt, t)};
    EXPECT_EQ(sizingReportJson(outcome),
              "{\"format\": \"trevalo-result\", \"version\": 1, \"met\": true,\n"
              " \"targets\": {\"hcPercent\": 12, \"interval\": 30, \"awt\": null, \"maxCars\": 8, \"speeds\": [2.5]},\n"
              " \"candidates\": [\n"
              "   {\"cars\": 4, \"load\": 1350, \"persons\": 18, \"speed\": 2.5,\n"
              "    \"rtt\": \"110\", \"interval\": \"27.5\", \"hcPercent\": \"12.25\", \"awt\": \"11.2\", "
              "\"figures\": {\"rtt\": 110, \"interval\": 27.5, \"hcPercent\": 12.25, \"awt\": 11.2}},\n"
              "   {\"cars\": 4, \"load\": 1425, \"persons\": 19, \"speed\": 2.5,\n"
              "    \"rtt\": \"116.25\", \"interval\": \"29.062\", \"hcPercent\": \"12.812\", \"awt\": null, "
              "\"figures\": {\"rtt\": 116.25, \"interval\": 29.0625, \"hcPercent\": 12.8125, \"awt\": null}}\n"
              " ]}\n");
}

TEST(SizingReport, GivesTheMarginsOfTheClosestWhenNothingMeets)
{
    SizingOutcome outcome;
    outcome.targets = {{15, 30, 20.5}, 2, {1.75, 2.5}};
    const DesignTargets& t = outcome.targets.targets;
    outcome.listed = {candidate(2, 750, 1.75, 80, 9.5, 16.25, t), candidate(2, 1800, 2.5, 70, 14, std::nullopt, t)};
    EXPECT_EQ(sizingReportJson(outcome),
              "{\"format\": \"trevalo-result\", \"version\": 1, \"met\": false,\n"
              " \"targets\": {\"hcPercent\": 15, \"interval\": 30, \"awt\": 20.5, \"maxCars\": 2, \"speeds\": [1.75, 2.5]},\n"
              " \"candidates\": [\n"
              "   {\"cars\": 2, \"load\": 750, \"persons\": 10, \"speed\": 1.75,\n"
              "    \"rtt\": \"80\", \"interval\": \"40\", \"hcPercent\": \"9.5\", \"awt\": \"16.25\", "
              "\"margins\": {\"hcPercent\": \"-5.5\", \"interval\": \"-10\", \"awt\": \"4.25\"}, "
              "\"figures\": {\"rtt\": 80, \"interval\": 40, \"hcPercent\": 9.5, \"awt\": 16.25, "
              "\"margins\": {\"hcPercent\": -5.5, \"interval\": -10, \"awt\": 4.25}}},\n"
              "   {\"cars\": 2, \"load\": 1800, \"persons\": 24, \"speed\": 2.5,\n"
              "    \"rtt\": \"70\", \"interval\": \"35\", \"hcPercent\": \"14\", \"awt\": null, "
              "\"margins\": {\"hcPercent\": \"-1\", \"interval\": \"-5\", \"awt\": null}, "
              "\"figures\": {\"rtt\": 70, \"interval\": 35, \"hcPercent\": 14, \"awt\": null, "
              "\"margins\": {\"hcPercent\": -1, \"interval\": -5, \"awt\": null}}}\n"
              " ]}\n");
}

}  // namespace
}  // namespace trevalo::engine

#include "engine/sizing/sizing_report.h"

#include "engine/display_text.h"
#include "engine/json_writer.h"

namespace trevalo::engine {

namespace {

void figure(JsonWriter& json, const std::optional<double>& value)
{
    if (value)
        json.string(figureText(*value));
    else
        json.null();
}

void margins(JsonWriter& json, const SizingCandidate& candidate, const DesignTargets& targets)
{
    json.key("margins").beginObject();
    json.key("hcPercent").string(figureText(candidate.check.hcMargin));
    json.key("interval").string(figureText(candidate.check.intervalMargin));
    if (targets.awt)
        figure(json.key("awt"), candidate.check.awtMargin);
    json.endObject();
}

// The same figures unrounded, for a script to compare.
void figures(JsonWriter& json, const SizingCandidate& c, const SizingOutcome& outcome)
{
    json.key("figures").beginObject();
    json.key("rtt").number(c.roundTripTime).key("interval").number(c.interval);
    json.key("hcPercent").number(c.groupPercent).key("awt").number(c.awt);
    if (!outcome.met) {
        json.key("margins").beginObject();
        json.key("hcPercent").number(c.check.hcMargin).key("interval").number(c.check.intervalMargin);
        if (outcome.targets.targets.awt)
            json.key("awt").number(c.check.awtMargin);
        json.endObject();
    }
    json.endObject();
}

void candidate(JsonWriter& json, const SizingCandidate& c, const SizingOutcome& outcome)
{
    json.beginObject();
    json.key("cars").whole(c.cars).key("load").number(c.load).key("persons").number(c.persons);
    json.key("speed").number(c.speed);
    json.newLine(4).key("rtt").string(figureText(c.roundTripTime));
    json.key("interval").string(figureText(c.interval));
    json.key("hcPercent").string(figureText(c.groupPercent));
    figure(json.key("awt"), c.awt);
    if (!outcome.met)
        margins(json, c, outcome.targets.targets);
    figures(json, c, outcome);
    json.endObject();
}

}  // namespace

std::string sizingReportJson(const SizingOutcome& outcome)
{
    const SizingTargets& t = outcome.targets;
    JsonWriter json = resultReport();
    json.key("met").boolean(outcome.met);
    json.newLine(1).key("targets").beginObject();
    json.key("hcPercent").number(t.targets.hcPercent).key("interval").number(t.targets.interval);
    json.key("awt").number(t.targets.awt).key("maxCars").whole(t.maxCars);
    json.key("speeds").beginArray();
    for (const double speed : t.speeds)
        json.number(speed);
    json.endArray().endObject();
    json.newLine(1).key("candidates").beginArray();
    for (const SizingCandidate& c : outcome.listed)
        candidate(json.newLine(3), c, outcome);
    if (!outcome.listed.empty())
        json.newLine(1);
    json.endArray().endObject();
    return json.text() + '\n';
}

}  // namespace trevalo::engine

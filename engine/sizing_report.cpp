#include "engine/sizing_report.h"

#include "engine/display_text.h"

namespace trevalo::engine {

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

std::string figure(const std::optional<double>& value)
{
    return value ? quoted(figureText(*value)) : std::string("null");
}

std::string margins(const SizingCandidate& candidate, const DesignTargets& targets)
{
    std::string text = ", \"margins\": {\"hcPercent\": " + quoted(figureText(candidate.check.hcMargin)) +
                       ", \"interval\": " + quoted(figureText(candidate.check.intervalMargin));
    if (targets.awt)
        text += ", \"awt\": " + figure(candidate.check.awtMargin);
    return text + "}";
}

std::string optionalNumber(const std::optional<double>& value)
{
    return value ? shortestText(*value) : std::string("null");
}

// The same figures unrounded, for a script to compare.
std::string figures(const SizingCandidate& c, const SizingOutcome& outcome)
{
    std::string text = ", \"figures\": {\"rtt\": " + shortestText(c.roundTripTime) + ", \"interval\": " + shortestText(c.interval) +
                       ", \"hcPercent\": " + shortestText(c.groupPercent) + ", \"awt\": " + optionalNumber(c.awt);
    if (!outcome.met) {
        text += ", \"margins\": {\"hcPercent\": " + shortestText(c.check.hcMargin) +
                ", \"interval\": " + shortestText(c.check.intervalMargin);
        if (outcome.targets.targets.awt)
            text += ", \"awt\": " + optionalNumber(c.check.awtMargin);
        text += "}";
    }
    return text + "}";
}

std::string candidateJson(const SizingCandidate& c, const SizingOutcome& outcome)
{
    std::string text = "{\"cars\": " + std::to_string(c.cars) + ", \"load\": " + shortestText(c.load) +
                       ", \"persons\": " + shortestText(c.persons) + ", \"speed\": " + shortestText(c.speed) +
                       ",\n    \"rtt\": " + quoted(figureText(c.roundTripTime)) +
                       ", \"interval\": " + quoted(figureText(c.interval)) +
                       ", \"hcPercent\": " + quoted(figureText(c.groupPercent)) + ", \"awt\": " + figure(c.awt);
    if (!outcome.met)
        text += margins(c, outcome.targets.targets);
    return text + figures(c, outcome) + "}";
}

}  // namespace

std::string sizingReportJson(const SizingOutcome& outcome)
{
    const SizingTargets& t = outcome.targets;
    std::string speeds;
    for (double speed : t.speeds)
        speeds += (speeds.empty() ? "" : ", ") + shortestText(speed);
    std::string text = std::string("{\"met\": ") + (outcome.met ? "true" : "false") + ",\n";
    text += " \"targets\": {\"hcPercent\": " + shortestText(t.targets.hcPercent) +
            ", \"interval\": " + shortestText(t.targets.interval) +
            ", \"awt\": " + (t.targets.awt ? shortestText(*t.targets.awt) : std::string("null")) +
            ", \"maxCars\": " + std::to_string(t.maxCars) + ", \"speeds\": [" + speeds + "]},\n";
    text += " \"candidates\": [";
    for (std::size_t i = 0; i < outcome.listed.size(); ++i)
        text += std::string(i == 0 ? "\n   " : ",\n   ") + candidateJson(outcome.listed[i], outcome);
    text += outcome.listed.empty() ? "]" : "\n ]";
    return text + ",\n \"format\": \"trevalo-result\", \"version\": 1}\n";
}

}  // namespace trevalo::engine

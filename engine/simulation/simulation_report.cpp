#include "engine/simulation/simulation_report.h"

#include "engine/display_text.h"
#include "engine/json_writer.h"
#include "engine/simulation/simulated_figures.h"
#include "engine/simulation/simulation_traffic.h"
#include "engine/target_verdict.h"

#include <array>

namespace trevalo::engine {

namespace {

std::int64_t whole(const std::optional<double>& value) { return static_cast<std::int64_t>(value.value_or(0)); }

void writeReplication(JsonWriter& json, const ReplicationFigures& replication)
{
    json.beginObject();
    for (const SimulatedFigure& figure : simulatedFigures())
        if (figure.role == FigureRole::Count)
            json.key(figure.key).whole(whole(replicationValue(figure, replication)));
    for (const SimulatedFigure& figure : simulatedFigures())
        if (figure.role != FigureRole::Count && figure.perReplication != nullptr)
            json.key(figure.key).number(replicationValue(figure, replication));
    json.endObject();
}

// One judged figure, shaped as the calculation's verdict gives it: the margin is what the figure
// has to spare below its target.
void judged(JsonWriter& json, const std::optional<double>& value, double target, const std::string& source)
{
    const std::optional<double> margin = value ? std::optional(target - *value) : std::nullopt;
    const bool met = value && *value <= target;
    json.beginObject(JsonWriter::Spacing::Compact);
    json.key("margin").number(margin).key("met").boolean(met).key("source").string(source);
    json.key("target").number(target).key("text").string(verdictText(met)).key("value").number(value);
    json.endObject();
}

void writeVerdict(JsonWriter& json, const SimulationSummary& s, const SimulationTerms& terms)
{
    if (!terms.awtTarget) {
        json.null();
        return;
    }
    const double target = *terms.awtTarget;
    json.beginObject(JsonWriter::Spacing::Compact);
    json.key("awt");
    judged(json, s.awt, target, terms.awtSource);
    json.key("worstAwt");
    judged(json, s.worstAwt, target, terms.awtSource);
    const bool met = s.awt && *s.awt <= target && s.worstAwt && *s.worstAwt <= target;
    json.key("met").boolean(met).key("text").string(verdictText(met));
    json.endObject();
}

void writeKind(JsonWriter& json, const KindFigures& kind)
{
    json.beginObject(JsonWriter::Spacing::Compact);
    json.key("passengers").whole(static_cast<std::int64_t>(kind.passengers));
    json.key("awt").number(kind.awt).key("attd").number(kind.attd);
    json.endObject();
}

}  // namespace

SimulationTerms simulationTerms(const SimulationSetup& setup, const SimulationEntries& entries,
                                std::optional<double> projectAwtTarget, const SingleResult& calculation)
{
    SimulationTerms terms;
    terms.incomingPercent = setup.incomingPercent;
    terms.outgoingPercent = setup.outgoingPercent;
    terms.interfloorPercent = setup.interfloorPercent;
    const TrafficTemplate* chosen = trafficTemplate(entries.traffic);
    if (!entries.traffic.empty())
        terms.traffic = entries.traffic;
    else if (setup.incomingPercent != 100)
        terms.traffic = std::string(kCustomTraffic);
    // A target is the user's unless it is the one the named template sets.
    terms.awtTarget = setup.awtTarget ? setup.awtTarget : projectAwtTarget;
    terms.awtSource = "用户设定";
    if (setup.awtTarget && chosen && !chosen->projectAwtTarget && chosen->awtTarget == setup.awtTarget &&
        !chosen->source.empty())
        terms.awtSource = std::string(chosen->source);
    if (auto note = overloadNote(setup, calculation))
        terms.notes.push_back(std::move(*note));
    terms.notes.insert(terms.notes.end(), calculation.notes.begin(), calculation.notes.end());
    return terms;
}

std::string simulationJson(const SimulationSummary& s, const SimulationTerms& terms)
{
    JsonWriter json = resultReport();
    json.key("result").string("simulation");
    for (const SimulatedFigure& figure : simulatedFigures())
        if (figure.role != FigureRole::Count)
            json.newLine(1).key(figure.key).number(simulatedValue(figure, s));
    json.newLine(1);
    for (const SimulatedFigure& figure : simulatedFigures())
        if (figure.role == FigureRole::Count)
            json.key(figure.key).whole(whole(simulatedValue(figure, s)));
    json.key("replications").whole(s.replications);
    json.newLine(1).key("histogram").beginArray();
    for (const std::size_t count : s.histogram)
        json.whole(static_cast<std::int64_t>(count));
    json.endArray();
    json.newLine(1).key("perReplication").beginArray();
    for (const ReplicationFigures& replication : s.perReplication)
        writeReplication(json.newLine(3), replication);
    if (!s.perReplication.empty())
        json.newLine(1);
    json.endArray();
    json.newLine(1).key("traffic").string(terms.traffic);
    json.key("mix").beginObject(JsonWriter::Spacing::Compact);
    json.key("incoming").number(terms.incomingPercent).key("outgoing").number(terms.outgoingPercent);
    json.key("interfloor").number(terms.interfloorPercent).endObject();
    json.newLine(1).key("byKind").beginObject(JsonWriter::Spacing::Compact);
    constexpr std::array<const char*, kPassengerKinds> kKinds{"incoming", "outgoing", "interfloor"};
    for (std::size_t kind = 0; kind < kPassengerKinds; ++kind)
        writeKind(json.key(kKinds[kind]), s.byKind[kind]);
    json.endObject();
    json.newLine(1).key("perFloor").beginArray(JsonWriter::Spacing::Compact);
    for (const FloorFigures& floor : s.perFloor) {
        json.beginObject(JsonWriter::Spacing::Compact).key("floor").whole(floor.floor);
        json.key("passengers").whole(static_cast<std::int64_t>(floor.passengers)).key("awt").number(floor.awt);
        json.endObject();
    }
    json.endArray();
    json.newLine(1).key("awtTarget").number(terms.awtTarget);
    json.newLine(1).key("verdict");
    writeVerdict(json, s, terms);
    json.newLine(1).key("notes").beginArray();
    for (const std::string& note : terms.notes)
        json.string(note);
    json.endArray().endObject();
    return json.text() + '\n';
}

std::string traceCsv(const std::vector<TraceRow>& rows)
{
    std::string text = "replication,passenger,arrival,floor,car,boardingStart,destinationTime,origin\n";
    // Times to the microsecond the simulation keeps.
    const auto seconds = [](double value) { return fixedText(value, 6, Ties::ToEven); };
    for (const TraceRow& row : rows) {
        text += std::to_string(row.replication) + ',' + std::to_string(row.passenger) + ',' + seconds(row.arrival) + ',' +
                std::to_string(row.floor) + ',' + std::to_string(row.car) + ',' + seconds(row.boardingStart) + ',' +
                seconds(row.destinationTime) + ',' + std::to_string(row.origin) + '\n';
    }
    return text;
}

}  // namespace trevalo::engine

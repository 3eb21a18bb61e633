#include "engine/simulation_report.h"

#include "engine/display_text.h"
#include "engine/json_writer.h"
#include "engine/simulated_figures.h"

#include <array>
#include <charconv>

namespace trevalo::engine {

namespace {

std::string fixedSix(double value)
{
    std::array<char, 64> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 6);
    return result.ec == std::errc{} ? std::string(buffer.data(), result.ptr) : shortestText(value);
}

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

}  // namespace

std::string simulationJson(const SimulationSummary& s)
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
    json.endArray().endObject();
    return json.text() + '\n';
}

std::string traceCsv(const std::vector<TraceRow>& rows)
{
    std::string text = "replication,passenger,arrival,floor,car,boardingStart,destinationTime\n";
    for (const TraceRow& row : rows) {
        text += std::to_string(row.replication) + ',' + std::to_string(row.passenger) + ',' + fixedSix(row.arrival) +
                ',' + std::to_string(row.floor) + ',' + std::to_string(row.car) + ',' +
                fixedSix(row.boardingStart) + ',' + fixedSix(row.destinationTime) + '\n';
    }
    return text;
}

}  // namespace trevalo::engine

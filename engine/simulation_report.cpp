#include "engine/simulation_report.h"

#include "engine/display_text.h"

#include <array>
#include <charconv>
#include <utility>

namespace trevalo::engine {

namespace {

std::string figure(const std::optional<double>& value) { return value ? shortestText(*value) : "null"; }

std::string fixedSix(double value)
{
    std::array<char, 64> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 6);
    return result.ec == std::errc{} ? std::string(buffer.data(), result.ptr) : shortestText(value);
}

using Field = std::pair<const char*, std::optional<double> ReplicationFigures::*>;

// The figures a replication has, in the order they are written.
constexpr std::array<Field, 12> kReplicationFields{{
    {"awt", &ReplicationFigures::awt},
    {"p50", &ReplicationFigures::p50},
    {"p90", &ReplicationFigures::p90},
    {"p95", &ReplicationFigures::p95},
    {"maxWait", &ReplicationFigures::maxWait},
    {"attd", &ReplicationFigures::attd},
    {"averageLoad", &ReplicationFigures::averageLoad},
    {"interval", &ReplicationFigures::interval},
    {"rtt", &ReplicationFigures::rtt},
    {"handlingCapacity", &ReplicationFigures::handlingCapacity},
    {"hcPercent", &ReplicationFigures::hcPercent},
    {"maxQueue", &ReplicationFigures::maxQueue},
}};

// Appends "key": value. Appending rather than prefixing a literal to a string keeps GCC's
// optimiser from a false -Wrestrict warning.
void appendMember(std::string& text, const char* key, const std::string& value)
{
    text += '"';
    text += key;
    text += "\": ";
    text += value;
}

std::string replicationJson(const ReplicationFigures& figures)
{
    std::string text = "{";
    appendMember(text, "passengers", std::to_string(figures.passengers));
    for (const auto& [key, field] : kReplicationFields) {
        text += ", ";
        appendMember(text, key, figure(figures.*field));
    }
    return text + "}";
}

}  // namespace

std::string simulationJson(const SimulationSummary& s)
{
    const std::array<std::pair<const char*, const std::optional<double>*>, 13> figures{{
        {"awt", &s.awt},
        {"awtHalfWidth", &s.awtHalfWidth},
        {"p50", &s.p50},
        {"p90", &s.p90},
        {"p95", &s.p95},
        {"maxWait", &s.maxWait},
        {"attd", &s.attd},
        {"averageLoad", &s.averageLoad},
        {"interval", &s.interval},
        {"rtt", &s.rtt},
        {"handlingCapacity", &s.handlingCapacity},
        {"hcPercent", &s.hcPercent},
        {"maxQueue", &s.maxQueue},
    }};
    std::string text = "{\"format\": \"trevalo-result\", \"version\": 1, \"result\": \"simulation\",\n";
    for (const auto& [key, value] : figures) {
        text += ' ';
        appendMember(text, key, figure(*value));
        text += ",\n";
    }
    text += ' ';
    appendMember(text, "passengers", std::to_string(s.passengers));
    text += ", ";
    appendMember(text, "replications", std::to_string(s.replications));
    text += ",\n \"histogram\": [";
    for (std::size_t bin = 0; bin < s.histogram.size(); ++bin) {
        text += bin == 0 ? "" : ", ";
        text += std::to_string(s.histogram[bin]);
    }
    text += "],\n \"perReplication\": [";
    for (std::size_t i = 0; i < s.perReplication.size(); ++i) {
        text += i == 0 ? "\n   " : ",\n   ";
        text += replicationJson(s.perReplication[i]);
    }
    text += s.perReplication.empty() ? "]}\n" : "\n ]}\n";
    return text;
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

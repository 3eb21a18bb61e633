#include "app/outcome_json.h"

#include "engine/analysis/load_table_text.h"
#include "engine/json_writer.h"
#include "engine/notice.h"
#include "engine/target_verdict.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace trevalo {

namespace {

using engine::JsonWriter;
constexpr auto kCompact = JsonWriter::Spacing::Compact;

// The result's objects and arrays inside the top level are written without spaces, their
// members in the order of their names.
JsonWriter report(const char* result)
{
    JsonWriter json = engine::resultReport(JsonWriter::Numbers::WholeInFull);
    json.key("result").string(result);
    return json;
}

QByteArray finished(JsonWriter& json)
{
    json.endObject();
    return QByteArray::fromStdString(json.text());
}

void textOrNull(JsonWriter& json, const std::string& value)
{
    if (value.empty())
        json.null();
    else
        json.string(value);
}

void texts(JsonWriter& json, std::span<const std::string> values)
{
    json.beginArray(kCompact);
    for (const std::string& value : values)
        json.string(value);
    json.endArray();
}

void judged(JsonWriter& json, const std::optional<double>& value, double target, const std::string& source,
            std::optional<double> margin, bool met)
{
    json.beginObject(kCompact);
    json.key("margin").number(margin).key("met").boolean(met).key("source").string(source);
    json.key("target").number(target).key("text").string(engine::verdictText(met)).key("value").number(value);
    json.endObject();
}

void verdictJson(JsonWriter& json, const engine::TargetVerdict& verdict, const engine::SingleResult& result)
{
    const engine::TargetCheck& check = verdict.check;
    json.beginObject(kCompact).key("awt");
    // No preset has a waiting time target: one is always the user's.
    if (verdict.targets.awt)
        judged(json, verdict.awt, *verdict.targets.awt, "用户设定", check.awtMargin, check.awtMet.value_or(false));
    else
        json.null();
    json.key("hcPercent");
    judged(json, result.figures.groupPercent, verdict.targets.hcPercent, verdict.sources.hcPercent, check.hcMargin,
           check.hcMet);
    json.key("interval");
    judged(json, result.figures.interval, verdict.targets.interval, verdict.sources.interval, check.intervalMargin,
           check.intervalMet);
    json.key("met").boolean(check.allMet()).key("text").string(engine::verdictText(check.allMet()));
    json.endObject();
}

QByteArray singleJson(const engine::AnalysisInputs& inputs, const engine::SingleResult& result,
                      const std::optional<engine::SizingEntries>& sizing)
{
    JsonWriter json = report("single");
    json.key("Label7").beginObject(kCompact);
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i) {
        if (result.valueShown(i))
            json.key(std::to_string(i)).string(result.valueTexts[i]);
    }
    json.endObject();
    const engine::CaseResult& f = result.figures;
    json.key("figures").beginObject(kCompact);
    json.key("hcGroup").number(f.groupCapacity).key("hcPerCar").number(f.handlingCapacity);
    json.key("hcPercentGroup").number(f.groupPercent).key("hcPercentPerCar").number(f.handlingPercent);
    if (result.pitAndHeadroomShown)
        json.key("headroom").number(result.machineRoom.headroom);
    json.key("interval").number(f.interval);
    if (result.pitAndHeadroomShown)
        json.key("pitDepth").number(result.machineRoom.pitDepth);
    json.key("rtt").number(f.roundTripTime);
    if (result.structuralLoadShown)
        json.key("structuralLoad").number(result.machineRoom.structuralLoad);
    json.endObject();
    json.key("verdict");
    if (const auto verdict = engine::targetVerdict(inputs, sizing, result))
        verdictJson(json, *verdict, result);
    else
        json.null();
    texts(json.key("notes"), result.notes);
    return finished(json);
}

QByteArray tableJson(const engine::LoadTable& table)
{
    JsonWriter json = report("table");
    texts(json.key("headers"), engine::loadTableHeaderTexts(table));
    json.key("rows").beginArray(kCompact);
    for (int row = 0; row < engine::kLoadTableRows; ++row) {
        if (row == 0 && !table.rowZeroShown) {
            json.null();
            continue;
        }
        json.beginArray(kCompact).string(engine::loadTableRowKey(row));
        for (const std::string& cell : table.cellTexts[static_cast<std::size_t>(row)])
            json.string(cell);
        json.endArray();
    }
    json.endArray();
    json.key("figures").beginArray(kCompact);
    for (int row = 0; row < engine::kLoadTableRows; ++row) {
        const auto& figure = table.rows[static_cast<std::size_t>(row)];
        if (!figure || (row == 0 && !table.rowZeroShown))
            continue;
        json.beginObject(kCompact);
        json.key("downPassengers").number(figure->downPassengers).key("hcPercent").number(figure->handlingPercent);
        json.key("hcPersons").number(figure->handlingCapacity).key("highestReversal").number(figure->highestReversal);
        json.key("load").number(figure->load).key("persons").number(engine::tableRowPersons(row));
        json.key("rtt").number(figure->roundTripTime).key("upPassengers").number(figure->upPassengers);
        json.key("upStops").number(figure->upStops);
        json.endObject();
    }
    json.endArray();
    json.key("verdict").null();
    texts(json.key("notes"), table.notes);
    return finished(json);
}

}  // namespace

QByteArray refusalJson(const engine::Refusal& refusal)
{
    JsonWriter json = report("notice");
    json.key("notice").string(std::string(engine::noticeText(refusal.notice)));
    textOrNull(json.key("entry"), refusal.entry.path());
    textOrNull(json.key("reason"), refusal.reason);
    return finished(json);
}

QByteArray outcomeJson(const engine::AnalysisInputs& inputs, const engine::AnalysisOutcome& outcome,
                       const std::optional<engine::SizingEntries>& sizing)
{
    if (const auto* refusal = std::get_if<engine::Refusal>(&outcome))
        return refusalJson(*refusal);
    if (const auto* single = std::get_if<engine::SingleResult>(&outcome))
        return singleJson(inputs, *single, sizing);
    return tableJson(std::get<engine::LoadTable>(outcome));
}

}  // namespace trevalo

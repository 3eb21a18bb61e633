#include "app/outcome_json.h"

#include "engine/load_table_text.h"
#include "engine/target_verdict.h"
#include "wizard/notices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <variant>
#include <vector>

namespace trevalo {

namespace {

QJsonValue text(const std::string& value) { return QString::fromStdString(value); }

QJsonValue textOrNull(const std::string& value) { return value.empty() ? QJsonValue() : text(value); }

QJsonValue numberOrNull(const std::optional<double>& value) { return value ? QJsonValue(*value) : QJsonValue(); }

// QJsonObject orders its keys by name; the printed objects keep theirs in the order given,
// so that a script reading the start of an object finds what it always found there.
class OrderedObject {
public:
    OrderedObject& add(const char* key, const QJsonValue& value)
    {
        if (!m_text.isEmpty())
            m_text += ", ";
        m_text += '"' + QByteArray(key) + "\": " + compact(value);
        return *this;
    }
    QByteArray finished()
    {
        add("format", QStringLiteral("trevalo-result"));
        add("version", 1);
        return '{' + m_text + '}';
    }

private:
    static QByteArray compact(const QJsonValue& value)
    {
        // A value alone is written as the one element of an array.
        return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
    }

    QByteArray m_text;
};

QJsonArray texts(const std::vector<std::string>& values)
{
    QJsonArray array;
    for (const std::string& value : values)
        array.append(text(value));
    return array;
}

QJsonObject judged(const QJsonValue& value, double target, const std::string& source, std::optional<double> margin,
                   bool met)
{
    return {{"value", value},   {"target", target},         {"source", text(source)},
            {"margin", numberOrNull(margin)}, {"met", met}, {"text", engine::verdictText(met)}};
}

QJsonValue verdictJson(const engine::TargetVerdict& verdict, const engine::SingleResult& result)
{
    const engine::TargetCheck& check = verdict.check;
    QJsonObject object{
        {"hcPercent", judged(result.figures.groupPercent, verdict.targets.hcPercent, verdict.sources.hcPercent,
                             check.hcMargin, check.hcMet)},
        {"interval", judged(result.figures.interval, verdict.targets.interval, verdict.sources.interval,
                            check.intervalMargin, check.intervalMet)},
        {"met", check.allMet()},
        {"text", engine::verdictText(check.allMet())},
    };
    // No preset has a waiting time target: one is always the user's.
    object["awt"] = verdict.targets.awt ? QJsonValue(judged(numberOrNull(verdict.awt), *verdict.targets.awt, "用户设定",
                                                            check.awtMargin, check.awtMet.value_or(false)))
                                        : QJsonValue();
    return object;
}

QByteArray singleJson(const engine::AnalysisInputs& inputs, const engine::SingleResult& result,
                      const std::optional<engine::SizingEntries>& sizing)
{
    QJsonObject values;
    QJsonObject figures{{"rtt", result.figures.roundTripTime},       {"interval", result.figures.interval},
                        {"hcPerCar", result.figures.handlingCapacity}, {"hcGroup", result.figures.groupCapacity},
                        {"hcPercentPerCar", result.figures.handlingPercent},
                        {"hcPercentGroup", result.figures.groupPercent}};
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i) {
        if (result.valueShown(i))
            values[QString::number(i)] = text(result.valueTexts[i]);
    }
    if (result.structuralLoadShown)
        figures["structuralLoad"] = result.machineRoom.structuralLoad;
    if (result.pitAndHeadroomShown) {
        figures["pitDepth"] = numberOrNull(result.machineRoom.pitDepth);
        figures["headroom"] = numberOrNull(result.machineRoom.headroom);
    }
    const auto verdict = engine::targetVerdict(inputs, sizing, result);
    return OrderedObject()
        .add("result", QStringLiteral("single"))
        .add("Label7", values)
        .add("figures", figures)
        .add("verdict", verdict ? verdictJson(*verdict, result) : QJsonValue())
        .add("notes", texts(result.notes))
        .finished();
}

QByteArray tableJson(const engine::LoadTable& table)
{
    QJsonArray headers;
    for (const std::string& header : engine::loadTableHeaderTexts(table))
        headers.append(text(header));
    QJsonArray rows;
    QJsonArray figures;
    for (int row = 0; row < engine::kLoadTableRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (row == 0 && !table.rowZeroShown) {
            rows.append(QJsonValue::Null);
            continue;
        }
        QJsonArray cells{text(engine::loadTableRowKey(row))};
        for (const std::string& cell : table.cellTexts[r])
            cells.append(text(cell));
        rows.append(cells);
        if (const auto& figure = table.rows[r]) {
            figures.append(QJsonObject{{"load", figure->load},
                                       {"persons", engine::tableRowPersons(row)},
                                       {"upPassengers", figure->upPassengers},
                                       {"downPassengers", figure->downPassengers},
                                       {"rtt", figure->roundTripTime},
                                       {"hcPercent", figure->handlingPercent},
                                       {"hcPersons", figure->handlingCapacity},
                                       {"upStops", figure->upStops},
                                       {"highestReversal", double{figure->highestReversal}}});
        }
    }
    return OrderedObject()
        .add("result", QStringLiteral("table"))
        .add("headers", headers)
        .add("rows", rows)
        .add("figures", figures)
        .add("verdict", QJsonValue())
        .add("notes", texts(table.notes))
        .finished();
}

}  // namespace

QByteArray refusalJson(const engine::Refusal& refusal)
{
    return OrderedObject()
        .add("result", QStringLiteral("notice"))
        .add("notice", noticeText(refusal.notice))
        .add("entry", textOrNull(refusal.entry.path()))
        .add("reason", textOrNull(refusal.reason))
        .finished();
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

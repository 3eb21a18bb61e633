#include "export/simulation_sheet.h"

#include "engine/display_text.h"
#include "engine/simulation/simulated_figures.h"
#include "engine/simulation/simulation_entry_table.h"
#include "engine/simulation/simulation_report.h"
#include "engine/simulation/simulation_targets.h"
#include "engine/simulation/simulation_traffic.h"
#include "export/result_layouts.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace trevalo::workbook {

namespace {

constexpr int kHeadingSize = 14;

// Writes a sheet's rows from the top: each call fills the next row.
class RowWriter {
public:
    explicit RowWriter(SheetModel& sheet) : m_sheet(sheet) {}

    int row() const { return m_row; }
    void skip(int rows = 1) { m_row += rows; }

    void heading(const std::string& text)
    {
        m_sheet.write(CellPosition{m_row, 1}, text);
        m_sheet.setBold({m_row, 1});
        ++m_row;
    }

    // Texts across the row; an empty text leaves its cell empty.
    void texts(const std::vector<std::string>& cells, bool bold = false)
    {
        int column = 1;
        for (const std::string& text : cells) {
            m_sheet.write(CellPosition{m_row, column}, text);
            if (bold)
                m_sheet.setBold({m_row, column});
            ++column;
        }
        ++m_row;
    }

    // A number in the row written last, or a dash where there is none.
    void number(int column, const std::optional<double>& value, const std::string& format)
    {
        if (value)
            m_sheet.writeNumber({m_row - 1, column}, *value, format);
        else
            m_sheet.write(CellPosition{m_row - 1, column}, "—");
    }

    // A text in the row written last.
    void text(int column, const std::string& value) { m_sheet.write(CellPosition{m_row - 1, column}, value); }

private:
    SheetModel& m_sheet;
    int m_row = 1;
};

std::string typedOrDefault(const std::string& typed) { return typed.empty() ? "（默认）" : typed; }

void writeEntries(RowWriter& out, const SimulationRecord& record, const engine::SimulationTerms& terms)
{
    const engine::SimulationEntries& typed = record.entries;
    const engine::SimulationSetup& setup = record.setup;
    const bool listed = setup.hasPassengerList();
    out.heading("仿真参数");
    out.texts({"参数", "输入", "采用值", "单位"}, true);
    const engine::TrafficTemplate* chosen = engine::trafficTemplate(terms.traffic);
    out.texts({"交通模式", typedOrDefault(typed.traffic), chosen ? std::string(chosen->title) : "自定义",
               chosen && !chosen->source.empty() ? "依据：" + std::string(chosen->source) : ""});
    const std::pair<const char*, std::pair<const std::string*, double>> shares[] = {
        {"进入客流", {&typed.incomingPercent, terms.incomingPercent}},
        {"离开客流", {&typed.outgoingPercent, terms.outgoingPercent}},
        {"层间客流", {&typed.interfloorPercent, terms.interfloorPercent}}};
    // A passenger list says itself where each passenger goes: the mix and the demand apply to
    // random arrivals alone, as do the period, the replications and the seed.
    if (!listed) {
        for (const auto& [caption, share] : shares) {
            out.texts({caption, typedOrDefault(*share.first), "", "%"});
            out.number(3, share.second, "");
        }
        out.texts({"客流需求", typedOrDefault(typed.demandPercent), "", "%（5分钟内到达人数占总人数）"});
        out.number(3, setup.demandPercent, "");
        out.texts({"仿真时长", typedOrDefault(typed.minutes), "", "分钟"});
        out.number(3, setup.duration / 60, "");
    }
    out.texts({"装载上限", typedOrDefault(typed.loadingLimit), "", "%（每趟最多上车 " + std::to_string(setup.boardingLimit) + " 人）"});
    out.number(3, setup.loadingLimit, "");
    const engine::SimulationEntryRow& dwell = engine::simulationEntryRow(engine::SimulationEntry::Dwell);
    out.texts({dwell.caption, typedOrDefault(typed.dwell), "", dwell.unit});
    out.number(3, setup.dwell, "");
    if (!listed) {
        out.texts({"重复次数", typedOrDefault(typed.replications), "", "次"});
        out.number(3, static_cast<double>(setup.replications), "0");
        out.texts({"随机种子", typedOrDefault(typed.seed), std::to_string(static_cast<std::int64_t>(setup.seed))});
    }
    out.texts({"平均候梯时间目标", typedOrDefault(typed.awtTarget), "", terms.awtTarget ? "秒（" + terms.awtSource + "）" : "未设定"});
    out.number(3, terms.awtTarget, "");
    out.texts({"客流", listed ? "导入的 " + std::to_string(setup.passengerList.size()) + " 位乘客" : "按客流需求随机到达",
               "", listed ? "" : "前 " + engine::figureText(setup.warmUp) + " 秒不计入统计"});
}

// The average wait and the worst five minutes' against the target, with what each has to spare.
void writeVerdict(RowWriter& out, const SimulationRecord& record, const engine::SimulationTerms& terms)
{
    if (!terms.awtTarget)
        return;
    out.heading("仿真结论");
    out.texts({"项目", "仿真", "目标", "余量", "结论"}, true);
    const double target = *terms.awtTarget;
    const std::pair<const char*, std::optional<double>> judged[] = {
        {"平均候梯时间 AWT (秒)", record.summary.awt}, {"最不利5分钟平均候梯时间 (秒)", record.summary.worstAwt}};
    for (const auto& [caption, value] : judged) {
        out.texts({caption});
        out.number(2, value, "0.0");
        out.number(3, target, "0.0");
        out.number(4, value ? std::optional(target - *value) : std::nullopt, "0.0");
        out.text(5, value ? engine::verdictText(*value <= target) : "—");
    }
}

// The table's first row of figures.
int writePerFloor(RowWriter& out, const engine::SimulationSummary& s)
{
    out.heading("各层候梯时间");
    out.texts({"楼层", "乘客 (人)", "AWT (秒)"}, true);
    const int first = out.row();
    for (const engine::FloorFigures& floor : s.perFloor) {
        out.texts({floor.floor == 0 ? "首层" : std::to_string(floor.floor)});
        out.number(2, static_cast<double>(floor.passengers), "0");
        out.number(3, floor.awt, "0.0");
    }
    return first;
}

void writeByKind(RowWriter& out, const engine::SimulationSummary& s)
{
    out.heading("按乘客类型");
    out.texts({"类型", "乘客 (人)", "AWT (秒)", "ATTD (秒)"}, true);
    constexpr std::array<const char*, engine::kPassengerKinds> kKinds{"进入（自首层）", "离开（至首层）", "层间"};
    for (std::size_t kind = 0; kind < engine::kPassengerKinds; ++kind) {
        out.texts({kKinds[kind]});
        out.number(2, static_cast<double>(s.byKind[kind].passengers), "0");
        out.number(3, s.byKind[kind].awt, "0.0");
        out.number(4, s.byKind[kind].attd, "0.0");
    }
}

// A figure's number format, to the decimals the form shows it with.
std::string numberFormat(int decimals) { return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0"; }

void writeFigures(RowWriter& out, const SimulationRecord& record)
{
    out.heading("仿真结果");
    out.texts({"项目", "仿真", "计算"}, true);
    for (const engine::SimulatedFigure& figure : engine::simulatedFigures()) {
        const std::string format = numberFormat(figure.decimals);
        out.texts({engine::figureCaption(figure)});
        out.number(2, engine::simulatedValue(figure, record.summary), format);
        if (figure.calculated != nullptr)
            out.number(3, engine::calculatedValue(figure, record.analysis), format);
    }
}

// Each replication's figures in a row: the counts of passengers first, as texts.
void writeReplications(RowWriter& out, const engine::SimulationSummary& s)
{
    out.heading("各次仿真");
    std::vector<std::string> heads{"次"};
    std::vector<const engine::SimulatedFigure*> counts;
    std::vector<const engine::SimulatedFigure*> figures;
    for (const engine::SimulatedFigure& figure : engine::simulatedFigures()) {
        if (figure.role == engine::FigureRole::Count)
            counts.push_back(&figure);
        else if (figure.perReplication != nullptr)
            figures.push_back(&figure);
    }
    for (const auto* figure : counts)
        heads.emplace_back(figure->shortCaption);
    for (const auto* figure : figures)
        heads.emplace_back(figure->shortCaption);
    out.texts(heads, true);
    for (std::size_t i = 0; i < s.perReplication.size(); ++i) {
        const engine::ReplicationFigures& replication = s.perReplication[i];
        std::vector<std::string> texts{std::to_string(i + 1)};
        for (const auto* figure : counts)
            texts.push_back(std::to_string(static_cast<std::int64_t>(
                engine::replicationValue(*figure, replication).value_or(0))));
        out.texts(texts);
        int column = static_cast<int>(texts.size());
        for (const auto* figure : figures)
            out.number(++column, engine::replicationValue(*figure, replication), numberFormat(figure->decimals));
    }
}

}  // namespace

WorkbookLayout simulationLayout(const SimulationRecord& record)
{
    WorkbookLayout layout = singleResultLayout(record);
    SimulationSheet simulation;
    SheetModel& sheet = simulation.sheet;
    sheet.write("A1", "Trevalo——交通仿真");
    sheet.setHeading("A1", kHeadingSize);
    RowWriter out(sheet);
    out.skip(2);
    const engine::SimulationTerms terms =
        engine::simulationTerms(record.setup, record.entries, record.awtTarget, record.analysis);
    // A section prints whole on a page when it can; a longer one keeps its heading with its
    // first rows, so no page ends on a heading.
    const auto section = [&sheet, &out](const auto& write, int rowsKept = 0) {
        const int first = out.row();
        write();
        const int last = out.row() - 1;
        if (last > first)
            sheet.keepTogether(first, rowsKept > 0 ? std::min(last, first + rowsKept) : last);
        out.skip();
    };
    section([&] { writeEntries(out, record, terms); });
    section([&] {
        // Said before the figures, which it qualifies.
        for (const std::string& note : terms.notes)
            out.texts({note});
        writeFigures(out, record);
    });
    section([&] { writeVerdict(out, record, terms); });
    section([&] { writeByKind(out, record.summary); });
    // The chart beside the table is as tall as its rows, but no taller than a page holds, and
    // prints with them.
    const int floors = static_cast<int>(record.summary.perFloor.size());
    simulation.perFloorChartRows = std::clamp(floors + 1, 12, 25);
    section([&] {
        simulation.perFloorFirstRow = writePerFloor(out, record.summary);
        simulation.perFloorLastRow = simulation.perFloorFirstRow + floors - 1;
        out.skip(std::max(0, simulation.perFloorFirstRow + simulation.perFloorChartRows - 1 - out.row()));
    }, simulation.perFloorChartRows + 1);
    section([&] { writeReplications(out, record.summary); }, 3);

    // The table and its chart beside it print whole on one page.
    const int histogramHeading = out.row();
    out.heading("候梯时间分布");
    out.texts({"候梯时间 (秒)", "人数", "占比 (%)"}, true);
    simulation.histogramFirstRow = out.row();
    const auto& histogram = record.summary.histogram;
    for (std::size_t bin = 0; bin < histogram.size(); ++bin) {
        const int from = static_cast<int>(bin) * static_cast<int>(engine::kWaitBinWidth);
        out.texts({bin + 1 == histogram.size() ? "≥" + std::to_string(from)
                                                : std::to_string(from) + "–" + std::to_string(from + 5)});
        out.number(2, static_cast<double>(histogram[bin]), "0");
        const auto passengers = static_cast<double>(record.summary.passengers);
        out.number(3, passengers > 0 ? std::optional(100 * static_cast<double>(histogram[bin]) / passengers) : std::nullopt,
                   "0.0");
    }
    simulation.histogramLastRow = out.row() - 1;
    simulation.chartColumn = 5;
    sheet.keepTogether(histogramHeading, simulation.histogramLastRow);

    // The widest caption in A; the units run on into the empty cells beside them. Fourteen
    // columns of a replication's figures print on the width of an A4 landscape page at full size.
    sheet.setColumnWidth(1, 28);
    for (int column = 2; column <= 14; ++column)
        sheet.setColumnWidth(column, 9);
    layout.simulation = std::move(simulation);
    return layout;
}

}  // namespace trevalo::workbook

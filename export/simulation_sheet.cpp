#include "export/workbook_layout.h"

#include "engine/display_text.h"
#include "engine/simulation_targets.h"

#include <array>
#include <string>

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
    void texts(std::initializer_list<std::string> cells, bool bold = false)
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
    void number(int column, const std::optional<double>& value, const char* format)
    {
        if (value)
            m_sheet.writeNumber({m_row - 1, column}, *value, format);
        else
            m_sheet.write(CellPosition{m_row - 1, column}, "—");
    }

private:
    SheetModel& m_sheet;
    int m_row = 1;
};

std::string typedOrDefault(const std::string& typed) { return typed.empty() ? "（默认）" : typed; }

void writeEntries(RowWriter& out, const SimulationRecord& record)
{
    const engine::SimulationEntries& typed = record.entries;
    const engine::SimulationSetup& setup = record.setup;
    const bool listed = setup.hasPassengerList();
    out.heading("仿真参数");
    out.texts({"参数", "输入", "采用值", "单位"}, true);
    out.texts({"客流需求", typedOrDefault(typed.demandPercent), "", "%（5分钟内到达人数占总人数）"});
    out.number(3, listed ? std::nullopt : std::optional(setup.demandPercent), "");
    out.texts({"仿真时长", typedOrDefault(typed.minutes), "", "分钟"});
    out.number(3, setup.duration / 60, "");
    out.texts({"装载上限", typedOrDefault(typed.loadingLimit), "", "%（每趟最多上车 " + std::to_string(setup.boardingLimit) + " 人）"});
    out.number(3, setup.loadingLimit, "");
    out.texts({"停留时间", typedOrDefault(typed.dwell), "", "秒"});
    out.number(3, setup.dwell, "");
    out.texts({"重复次数", typedOrDefault(typed.replications), "", "次"});
    out.number(3, static_cast<double>(setup.replications), "0");
    out.texts({"随机种子", typedOrDefault(typed.seed), std::to_string(static_cast<std::int64_t>(setup.seed))});
    out.texts({"客流", listed ? "导入的 " + std::to_string(setup.passengerList.size()) + " 位乘客" : "按客流需求随机到达",
               "", listed ? "" : "前 " + engine::figureText(setup.warmUp) + " 秒不计入统计"});
}

void writeFigures(RowWriter& out, const SimulationRecord& record)
{
    const engine::SimulationSummary& s = record.summary;
    const engine::CaseResult& calculated = record.analysis.figures;
    const std::optional<double>& estimate = record.analysis.awt;
    struct Figure {
        const char* caption;
        std::optional<double> simulated;
        std::optional<double> calculated;
        bool compared;  // the calculation has the figure, or a dash where its estimate does not apply
        const char* format;
    };
    const std::array<Figure, 14> figures{{
        {"平均候梯时间 AWT (秒)", s.awt, estimate, true, "0.00"},
        {"AWT 95% 置信区间半宽 (秒)", s.awtHalfWidth, std::nullopt, false, "0.00"},
        {"候梯时间中位数 P50 (秒)", s.p50, std::nullopt, false, "0.00"},
        {"候梯时间 P90 (秒)", s.p90, std::nullopt, false, "0.00"},
        {"候梯时间 P95 (秒)", s.p95, std::nullopt, false, "0.00"},
        {"最长候梯时间 (秒)", s.maxWait, std::nullopt, false, "0.00"},
        {"平均到达目的层时间 ATTD (秒)", s.attd, std::nullopt, false, "0.00"},
        {"平均载客 (人)", s.averageLoad, std::nullopt, false, "0.00"},
        {"平均发车间隔 HS (秒)", s.interval, calculated.interval, true, "0.00"},
        {"平均往返时间 RTT (秒)", s.rtt, calculated.roundTripTime, true, "0.00"},
        {"5分钟内运载人数 HC (人)", s.handlingCapacity, calculated.groupCapacity, true, "0.00"},
        {"5分钟内运载人数百分比 HC (%)", s.hcPercent, calculated.groupPercent, true, "0.00"},
        {"最长排队 (人)", s.maxQueue, std::nullopt, false, "0.00"},
        {"统计乘客 (人)", static_cast<double>(s.passengers), std::nullopt, false, "0"},
    }};
    out.heading("仿真结果");
    out.texts({"项目", "仿真", "计算"}, true);
    for (const Figure& figure : figures) {
        out.texts({figure.caption});
        out.number(2, figure.simulated, figure.format);
        if (figure.compared)
            out.number(3, figure.calculated, figure.format);
    }
    if (const auto met = engine::simulatedAwtMet(s, record.awtTarget))
        out.texts({"平均候梯时间目标 ≤ " + engine::figureText(*record.awtTarget) + " 秒", engine::verdictText(*met)});
}

void writeReplications(RowWriter& out, const engine::SimulationSummary& s)
{
    out.heading("各次仿真");
    out.texts({"次", "乘客", "AWT", "P50", "P90", "P95", "最长候梯", "ATTD", "平均载客", "间隔", "RTT", "HC", "HC (%)",
               "最长排队"},
              true);
    using Field = std::optional<double> engine::ReplicationFigures::*;
    constexpr std::array<Field, 12> kFields{
        &engine::ReplicationFigures::awt,         &engine::ReplicationFigures::p50,
        &engine::ReplicationFigures::p90,         &engine::ReplicationFigures::p95,
        &engine::ReplicationFigures::maxWait,     &engine::ReplicationFigures::attd,
        &engine::ReplicationFigures::averageLoad, &engine::ReplicationFigures::interval,
        &engine::ReplicationFigures::rtt,         &engine::ReplicationFigures::handlingCapacity,
        &engine::ReplicationFigures::hcPercent,   &engine::ReplicationFigures::maxQueue,
    };
    for (std::size_t i = 0; i < s.perReplication.size(); ++i) {
        const engine::ReplicationFigures& figures = s.perReplication[i];
        out.texts({std::to_string(i + 1), std::to_string(figures.passengers)});
        for (std::size_t field = 0; field < kFields.size(); ++field)
            out.number(static_cast<int>(field) + 3, figures.*kFields[field], "0.00");
    }
}

}  // namespace

WorkbookLayout simulationLayout(const SimulationRecord& record)
{
    WorkbookLayout layout = singleResultLayout(record);
    SimulationSheet simulation;
    SheetModel& sheet = simulation.sheet;
    sheet.write("A1", "Trevalo——上行高峰交通仿真");
    sheet.setHeading("A1", kHeadingSize);
    RowWriter out(sheet);
    out.skip(2);
    writeEntries(out, record);
    out.skip();
    writeFigures(out, record);
    out.skip();
    writeReplications(out, record.summary);
    out.skip();

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

    // The widest caption in A; the units run on into the empty cells beside them. Fourteen
    // columns of a replication's figures print on the width of an A4 landscape page at full size.
    sheet.setColumnWidth(1, 28);
    for (int column = 2; column <= 14; ++column)
        sheet.setColumnWidth(column, 9);
    layout.simulation = std::move(simulation);
    return layout;
}

}  // namespace trevalo::workbook

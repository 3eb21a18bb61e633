#include "export/calculation_sheet.h"

#include "engine/waiting_time.h"
#include "export/cell_value.h"
#include "export/workbook_layout.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace trevalo::workbook {

namespace {

using Steps = engine::CalculationSteps;

constexpr int kSymbolColumn = 1;
constexpr int kNameColumn = 2;
constexpr int kFormulaColumn = 3;
constexpr double kFormulaWidthSingle = 64;
constexpr double kFormulaWidthTable = 34;
constexpr double kLineHeight = 16;  // points per line of wrapped text, room for CJK faces

// Number formats: the stored value is always the full one.
constexpr const char* kGeneral = "";
constexpr const char* kPassengers = "0.0000";
constexpr const char* kSevenPlaces = "0.0000000";
constexpr const char* kFourPlaces = "0.0000";
constexpr const char* kDoorTable = "0.00";
constexpr const char* kCapacity = "0.000";

constexpr const char* kEstimateNote = "估算，超出上行高峰计算范围；来源：CIBSE Guide D (Barney)";

// One intermediate figure of a load. The formula may differ for a population given
// floor by floor, or for the office building types.
struct Figure {
    const char* symbol;
    const char* name;
    const char* unit;
    const char* formula;
    const char* numberFormat;
    double (*value)(const Steps&);
    const char* perFloorFormula = nullptr;
    const char* officeFormula = nullptr;
};

const Figure kLoadInputs[] = {
    {"Q", "评估载重", "kg", "输入载重按 75 kg 向下取整", kGeneral, [](const Steps& s) { return s.load; }},
    {"CC", "额定人数", "人", "CC = Q / 75", kGeneral, [](const Steps& s) { return s.persons; }},
};

const Figure kFigures[] = {
    {"P_up", "上行乘客数", "人", "P_up = 上行百分比 / 100 × CC", kPassengers,
     [](const Steps& s) { return s.upPassengers; }},
    {"P_dn", "下行乘客数", "人", "P_dn = 下行百分比 / 100 × CC", kPassengers,
     [](const Steps& s) { return s.downPassengers; }},
    {"P", "每次往返乘客数", "人", "P = P_up + P_dn", kPassengers,
     [](const Steps& s) { return s.totalPassengers; }},
    {"S_up", "上行可能停站数", "站", "S_up = N × (1 − ((N − 1) / N)^P_up)；P_up = 0 时 S_up = 1；S_up 不小于 1", kSevenPlaces,
     [](const Steps& s) { return s.upStops; }, "S_up = N − Σ(1 − U_i / U)^P_up，i = 1 … N；P_up = 0 时 S_up = 1；S_up 不小于 1"},
    {"S_dn", "下行可能停站数", "站", "S_dn = N × (1 − ((N − 1) / N)^P_dn)；P_dn = 0 时 S_dn = 1；S_dn 不小于 1", kSevenPlaces,
     [](const Steps& s) { return s.downStops; }, "S_dn = N − Σ(1 − U_i / U)^P_dn，i = 1 … N；P_dn = 0 时 S_dn = 1；S_dn 不小于 1"},
    {"S", "总停站数", "站", "S = S_up + S_dn", kSevenPlaces, [](const Steps& s) { return s.totalStops; }},
    {"HR", "最高返回层", "层", "HR = N − Σ(i / N)^P_up，i = 1 … N − 1；N = 1 时 HR = 1", kSevenPlaces,
     [](const Steps& s) { return s.highestReversal; },
     "HR = N − Σ(C_j)^P_up，j = 1 … N − 1，C_j 为第 1 至 j 层人数之和 / U；N = 1 时 HR = 1"},
    {"N − HR", "最高返回层以上楼层数", "层", "N − HR", kSevenPlaces,
     [](const Steps& s) { return s.floorsAboveReversal; }},
    {"da", "满速运行距离", "m", "da = A × v² + B × v（系数按速度等级）", kSevenPlaces,
     [](const Steps& s) { return s.fullSpeedDistance; }},
    {"ta", "满速运行时间", "s", "ta = C + D × v", kSevenPlaces, [](const Steps& s) { return s.fullSpeedTime; }},
    {"t_x", "快速通行区运行时间", "s",
     "Ze ≥ da：t_x = ta + (Ze − da) / v；否则 t_x = C + D × x，x = (√(K × Ze + E) − G) / F", kSevenPlaces,
     [](const Steps& s) { return s.expressTime; }},
    {"F_up", "上行运行时间", "s",
     "S_up ≠ 1：n = S_up − 1 次站间运行，每次 d = (H − Ze − df × (N − HR)) / n，"
     "F_up = n × (d 的运行时间) + t_x；S_up = 1：一次运行 H − df × (N − HR)",
     kSevenPlaces, [](const Steps& s) { return s.upFlight; }},
    {"F_dn", "下行运行时间", "s", "同 F_up，以 S_dn 代替 S_up", kSevenPlaces,
     [](const Steps& s) { return s.downFlight; }},
    {"T_f", "总运行时间", "s", "T_f = F_up + F_dn", kSevenPlaces,
     [](const Steps& s) { return static_cast<double>(s.flightTime); }},
    {"t_d", "每站开关门时间", "s", "按门类型及宽度查表；预先开门减 1 s；办公楼及酒店且 v > 1.75 m/s 再减 1 s",
     kDoorTable, [](const Steps& s) { return s.doorTimePerStop; }},
    {"t_p", "每位乘客出入时间", "s", "按门类型及宽度查表", kDoorTable,
     [](const Steps& s) { return s.transferTimePerPassenger; }},
    {"T_d", "开关门总时间", "s", "T_d = S × t_d", kSevenPlaces, [](const Steps& s) { return s.doorTimeTotal; }},
    {"T_p", "乘客出入总时间", "s", "T_p = 0.8 × P + X，X = (S_up^0.3333 × P_up + S_dn^0.3333 × P_dn) × t_p",
     kSevenPlaces, [](const Steps& s) { return s.transferTime; }, nullptr,
     "T_p = (0.8 × P + X + 2 × P) / 2，X = (S_up^0.3333 × P_up + S_dn^0.3333 × P_dn) × t_p"},
    {"T_l", "损耗时间", "s", "T_l = (T_p + T_d) × 折耗率 / 100", kSevenPlaces,
     [](const Steps& s) { return s.lossTime; }},
    {"RTT", "总行程时间", "s", "RTT = T_f + T_l + T_p + T_d", kSevenPlaces,
     [](const Steps& s) { return s.roundTripTime; }},
    {"HC(P)", "5分钟内单机运载人数", "人", "HC(P) = 300 × P / RTT", kCapacity,
     [](const Steps& s) { return s.handlingCapacity; }},
    {"HC(P) %", "5分钟内单机运载人数百分比", "%", "HC(P) % = 100 × HC(P) / U", kCapacity,
     [](const Steps& s) { return s.handlingPercent; }},
};

const char* speedClassText(engine::SpeedClass speedClass)
{
    switch (speedClass) {
    case engine::SpeedClass::Low: return "低速";
    case engine::SpeedClass::Middle: return "中速";
    case engine::SpeedClass::High: return "高速";
    }
    return "";
}

const char* gradeText(engine::IntervalGrade grade)
{
    switch (grade) {
    case engine::IntervalGrade::Excellent: return "优";
    case engine::IntervalGrade::Good: return "良";
    case engine::IntervalGrade::Satisfactory: return "满意";
    case engine::IntervalGrade::Poor: return "差";
    case engine::IntervalGrade::Unsatisfactory: return "不满意";
    }
    return "";
}

// Writes the sheet top down. Single result: value then unit after the formula;
// load table: the unit, then one value column per load.
class SheetBuilder {
public:
    SheetBuilder(int valueColumn, int unitColumn, double formulaWidth, bool compact)
        : m_valueColumn(valueColumn), m_unitColumn(unitColumn), m_formulaWidth(formulaWidth), m_compact(compact)
    {
    }

    void heading(const CalculationHeader& header)
    {
        m_sheet.write("A1", "计算书");
        m_sheet.setHeading("A1", 14);
        labelled("项目名称", header.projectName);
        labelled("建筑类型", header.buildingType);
        labelled("导出时间", header.exportMoment);
        ++m_row;
    }

    void section(const char* title, const char* valueHead)
    {
        m_row += 2;
        m_sheet.write({m_row, kSymbolColumn}, title);  // runs over the empty cells beside it
        m_sheet.setBold({m_row, kSymbolColumn});
        ++m_row;
        const std::pair<int, const char*> heads[] = {{kSymbolColumn, "符号"}, {kNameColumn, "名称"},
                                                     {kFormulaColumn, "公式 / 说明"}, {m_unitColumn, "单位"},
                                                     {m_valueColumn, valueHead}};
        for (const auto& [column, head] : heads)
            if (head != nullptr)
                text(column, head, true);
    }

    // A row with its description; returns the row for its values.
    int row(const char* symbol, const char* name, const std::string& formula, const char* unit)
    {
        ++m_row;
        text(kSymbolColumn, symbol);
        text(kNameColumn, name);
        text(kFormulaColumn, formula);
        m_sheet.setWrapped({m_row, kFormulaColumn});
        // The spreadsheet does not grow a row for wrapped text by itself.
        const double lines = std::ceil(displayWidth(formula) / (m_formulaWidth - 2));
        if (lines > 1)
            m_sheet.setRowHeight(m_row, kLineHeight * lines);
        text(m_unitColumn, unit);
        return m_row;
    }

    void number(int at, int column, double value, const char* format)
    {
        // Many load columns side by side: fewer decimals shown, so the page stays legible.
        if (m_compact && format == std::string(kSevenPlaces))
            format = kFourPlaces;
        m_sheet.writeNumber({at, column}, value, format);
        widen(column, displayWidth(format) + 2);
    }
    void text(int column, const std::string& value, bool bold = false) { text(m_row, column, value, bold); }
    void text(int at, int column, const std::string& value, bool bold = false)
    {
        m_sheet.write({at, column}, value);
        if (bold)
            m_sheet.setBold({at, column});
        widen(column, displayWidth(value) * (bold ? 1.1 : 1.0) + 1);
    }

    void shared(const CalculationHeader& header, const Steps& steps)
    {
        number(row("N", "电梯停留层数", "输入", "层"), m_valueColumn, steps.floorsServed, kGeneral);
        number(row("U", "楼宇总人数", header.perFloorSpread ? "各层人数之和" : "输入", "人"), m_valueColumn,
               steps.population, kGeneral);
        text(row("", "人数分配", "", ""), m_valueColumn, header.perFloorSpread ? "每层非平均分配" : "每层平均分配");
        number(row("H", "电梯总行程", "输入", "m"), m_valueColumn, steps.travel, kGeneral);
        number(row("df", "平均每层高度", "输入", "m"), m_valueColumn, steps.floorHeight, kGeneral);
        number(row("v", "额定速度", "输入", "m/s"), m_valueColumn, steps.ratedSpeed, kGeneral);
        text(row("", "速度等级", "v ≤ 2 m/s 低速；2 < v < 5 m/s 中速；v ≥ 5 m/s 高速", ""), m_valueColumn,
             speedClassText(steps.speedClass));
        number(row("Ze", "快速通行区距离", header.expressZoneSet ? "输入" : "未设快速通行区：Ze = H − df × (N − 1)", "m"),
               m_valueColumn, static_cast<double>(steps.expressDistance), kSevenPlaces);
        text(row("", "电梯门类型", "", ""), m_valueColumn, header.doorType);
        number(row("W", "开门宽度", "输入宽度归入标准宽度", "mm"), m_valueColumn, steps.doorWidth, kGeneral);
        text(row("", "电梯预先开门", "", ""), m_valueColumn, header.advanceOpening ? "有" : "无");
        number(row("", "折耗率", "输入", "%"), m_valueColumn, header.lossPercent, kGeneral);
        number(row("", "上行百分比", "输入", "%"), m_valueColumn, header.upPercent, kGeneral);
        number(row("", "下行百分比", "输入", "%"), m_valueColumn, header.downPercent, kGeneral);
    }

    // One row per figure, one value column per load.
    template <std::size_t Count>
    void figures(const CalculationHeader& header, const Figure (&rows)[Count], const std::vector<const Steps*>& loads)
    {
        for (const Figure& figure : rows) {
            const char* formula = figure.formula;
            if (header.perFloorSpread && figure.perFloorFormula != nullptr)
                formula = figure.perFloorFormula;
            if (header.officeBuilding && figure.officeFormula != nullptr)
                formula = figure.officeFormula;
            const int at = row(figure.symbol, figure.name, formula, figure.unit);
            int column = m_valueColumn;
            for (const Steps* load : loads)
                number(at, column++, figure.value(*load), figure.numberFormat);
        }
    }

    void setWidths()
    {
        for (auto& [column, width] : m_widths)
            m_sheet.setColumnWidth(column, column == kFormulaColumn ? m_formulaWidth : std::min(width, 40.0));
    }

    SheetModel take() { return std::move(m_sheet); }

private:
    void labelled(const char* label, const std::string& value)
    {
        ++m_row;
        text(kSymbolColumn, label, true);
        text(kNameColumn, value);
    }
    void widen(int column, double width) { m_widths[column] = std::max(m_widths[column], width); }

    SheetModel m_sheet;
    std::map<int, double> m_widths;
    int m_row = 1;
    int m_valueColumn;
    int m_unitColumn;
    double m_formulaWidth;
    bool m_compact;
};

// Result captions as the single result form shows them, with the texts of the first sheet.
constexpr const char* kResultNames[] = {"总行程时间 (秒)", "最长侯机时间 (秒)", "5分钟内单机运载人数",
                                        "5分钟内总运载人数", "5分钟内单机运载人数百分比", "5分钟内总运载人数百分比",
                                        "电梯机房的结构荷载 kg", "井深 m", "井顶缓冲高度 m"};

void estimates(SheetBuilder& sheet, const CalculationHeader& header, const engine::SingleResult& result,
               int valueColumn)
{
    constexpr double kRatioLimit = 0.8;
    const Steps& steps = result.steps;
    const double interval = result.figures.interval;
    const double ratio = steps.persons > 0 ? steps.upPassengers / steps.persons : 0;
    sheet.section("估算（超出上行高峰计算范围）", "数值");
    sheet.number(sheet.row("P_up / CC", "上行载客率", "P_up / CC", ""), valueColumn, ratio, kCapacity);
    const int awt = sheet.row("AWT", "平均候梯时间",
                              "P_up / CC < 0.5：AWT = 0.4 × INT；0.5 ≤ P_up / CC ≤ 0.8："
                              "AWT = (0.4 + (1.8 × P_up / CC − 0.77)²) × INT",
                              "s");
    if (const auto waiting = engine::averageWaitingTime(steps.upPassengers, steps.persons, interval))
        sheet.number(awt, valueColumn, *waiting, kCapacity);
    else
        sheet.text(awt, valueColumn, ratio > kRatioLimit ? "不适用：P_up/CC 超出 0.8" : "不适用");
    sheet.row("", "备注", kEstimateNote, "");
    if (!header.officeBuilding)
        return;
    const int grade = sheet.row("", "间隔评级（办公楼）", "INT ≤ 20 s 优；≤ 25 s 良；≤ 30 s 满意；< 50 s 差；≥ 50 s 不满意", "");
    sheet.text(grade, valueColumn, gradeText(engine::intervalGrade(interval)));
    sheet.row("", "备注", kEstimateNote, "");
}

}  // namespace

CalculationHeader calculationHeader(const engine::AnalysisInputs& inputs, std::string exportMoment)
{
    const auto& elevator = inputs.elevator;
    CalculationHeader header;
    header.projectName = inputs.project.projectName;
    header.exportMoment = std::move(exportMoment);
    if (inputs.project.buildingType) {
        header.buildingType = buildingTypeText(*inputs.project.buildingType);
        header.officeBuilding = *inputs.project.buildingType != engine::BuildingType::Residential;
    }
    header.perFloorSpread = inputs.project.spread == engine::PopulationSpread::PerFloor;
    header.expressZoneSet = elevator.expressZoneSet;
    if (elevator.doorType) {
        constexpr const char* kDoorTypes[] = {"2CO", "2SO", "4CO"};
        header.doorType = kDoorTypes[static_cast<int>(*elevator.doorType)];
    }
    header.advanceOpening = elevator.advanceOpening;
    header.lossPercent = engine::leadingNumber(elevator.lossPercent);
    header.upPercent = engine::leadingNumber(elevator.upPercent);
    header.downPercent = engine::leadingNumber(elevator.downPercent);
    header.cars = engine::leadingNumber(elevator.carCount);
    return header;
}

SheetModel calculationSheet(const CalculationHeader& header, const engine::SingleResult& result)
{
    constexpr int kValueColumn = 4;
    SheetBuilder sheet(kValueColumn, 5, kFormulaWidthSingle, false);
    const Steps& steps = result.steps;
    const engine::CaseResult& group = result.figures;
    sheet.heading(header);
    sheet.section("输入数据（计算所用值）", "数值");
    sheet.shared(header, steps);
    sheet.figures(header, kLoadInputs, {&steps});
    sheet.number(sheet.row("L", "电梯数量", "输入", "台"), kValueColumn, header.cars, kGeneral);

    sheet.section("计算过程", "数值");
    sheet.figures(header, kFigures, {&steps});
    sheet.number(sheet.row("INT", "最长侯机时间（间隔）", "INT = RTT / L", "s"), kValueColumn, group.interval,
                 kSevenPlaces);
    sheet.number(sheet.row("HC(T)", "5分钟内总运载人数", "HC(T) = L × HC(P)", "人"), kValueColumn,
                 group.groupCapacity, kCapacity);
    sheet.number(sheet.row("HC(T) %", "5分钟内总运载人数百分比", "HC(T) % = L × HC(P) %", "%"), kValueColumn,
                 group.groupPercent, kCapacity);

    sheet.section("结果（与结果窗口显示一致）", "数值");
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i) {
        const bool shown = i < 6 || (i == 6 && result.structuralLoadShown) || (i > 6 && result.pitAndHeadroomShown);
        if (shown)
            sheet.text(sheet.row("", kResultNames[i], "", ""), kValueColumn, result.valueTexts[i]);
    }

    estimates(sheet, header, result, kValueColumn);
    sheet.setWidths();
    return sheet.take();
}

SheetModel calculationSheet(const CalculationHeader& header, const engine::LoadTable& table)
{
    constexpr int kFirstValueColumn = 5;
    SheetBuilder sheet(kFirstValueColumn, 4, kFormulaWidthTable, true);
    sheet.heading(header);
    std::vector<const Steps*> loads;
    for (const auto& steps : table.steps)
        if (steps)
            loads.push_back(&*steps);
    if (!loads.empty()) {
        sheet.section("输入数据（计算所用值，各额定载重相同）", "数值");
        sheet.shared(header, *loads.front());
        sheet.section("计算过程（每种额定载重一列）", nullptr);
        int column = kFirstValueColumn;
        for (const Steps* load : loads) {
            sheet.text(column++, std::to_string(std::lround(load->load)) + "/" +
                                     std::to_string(std::lround(load->persons)), true);
        }
        sheet.figures(header, kLoadInputs, loads);
        sheet.figures(header, kFigures, loads);
    }
    sheet.setWidths();
    return sheet.take();
}

}  // namespace trevalo::workbook

#include "export/calculation_sheet.h"

#include "engine/leading_number.h"
#include "engine/standard_tables.h"
#include "export/calculation_builder.h"
#include "export/calculation_sections.h"
#include "export/input_data_block.h"

#include <cmath>
#include <utility>
#include <vector>

namespace trevalo::workbook {

namespace {

// Column widths in character widths, so that the single result prints one page wide at
// full size, and the load table's label columns leave room for four loads on each page.
constexpr double kNameWidthSingle = 26;
constexpr double kFormulaWidthSingle = 46;
constexpr double kNameWidthTable = 16;
constexpr double kFormulaWidthTable = 24;

const std::vector<Figure> kLoadInputs = {
    {"Q", "评估载重", "kg", "输入载重按 75 kg 向下取整", kAsEntered, [](const Steps& s) { return s.load; }},
    {"CC", "额定人数", "人", "CC = Q / 75", kAsEntered, [](const Steps& s) { return s.persons; }},
};

const std::vector<Figure> kFigures = {
    {"P_up", "上行乘客数", "人", "P_up = 上行百分比 / 100 × CC", kIntermediate,
     [](const Steps& s) { return s.upPassengers; }},
    {"P_dn", "下行乘客数", "人", "P_dn = 下行百分比 / 100 × CC", kIntermediate,
     [](const Steps& s) { return s.downPassengers; }},
    {"P", "每次往返乘客数", "人", "P = P_up + P_dn", kIntermediate,
     [](const Steps& s) { return s.totalPassengers; }},
    {"S_up", "上行可能停站数", "站", "S_up = N × (1 − ((N − 1) / N)^P_up)；P_up = 0 时 S_up = 1；S_up 不小于 1", kIntermediate,
     [](const Steps& s) { return s.upStops; }, "S_up = N − Σ(1 − U_i / U)^P_up，i = 1 … N；P_up = 0 时 S_up = 1；S_up 不小于 1"},
    {"S_dn", "下行可能停站数", "站", "S_dn = N × (1 − ((N − 1) / N)^P_dn)；P_dn = 0 时 S_dn = 1；S_dn 不小于 1", kIntermediate,
     [](const Steps& s) { return s.downStops; }, "S_dn = N − Σ(1 − U_i / U)^P_dn，i = 1 … N；P_dn = 0 时 S_dn = 1；S_dn 不小于 1"},
    {"S", "总停站数", "站", "S = S_up + S_dn", kIntermediate, [](const Steps& s) { return s.totalStops; }},
    {"HR", "最高返回层", "层", "HR = N − Σ(i / N)^P_up，i = 1 … N − 1；N = 1 时 HR = 1", kIntermediate,
     [](const Steps& s) { return s.highestReversal; },
     "HR = N − Σ(C_j)^P_up，j = 1 … N − 1，C_j 为第 1 至 j 层人数之和 / U；N = 1 时 HR = 1"},
    {"N − HR", "最高返回层以上楼层数", "层", "N − HR", kIntermediate,
     [](const Steps& s) { return s.floorsAboveReversal; }},
    {"da", "满速运行距离", "m", "da = A × v² + B × v（系数按速度等级）", kIntermediate,
     [](const Steps& s) { return s.fullSpeedDistance; }},
    {"ta", "满速运行时间", "s", "ta = C + D × v", kIntermediate, [](const Steps& s) { return s.fullSpeedTime; }},
    {"t_x", "快速通行区运行时间", "s",
     "Ze ≥ da：t_x = ta + (Ze − da) / v；否则 t_x = C + D × x，x = (√(K × Ze + E) − G) / F", kIntermediate,
     [](const Steps& s) { return s.expressTime; }},
    {"F_up", "上行运行时间", "s",
     "S_up ≠ 1：n = S_up − 1 次站间运行，每次 d = (H − Ze − df × (N − HR)) / n，"
     "F_up = n × (d 的运行时间) + t_x；S_up = 1：一次运行 H − df × (N − HR)",
     kIntermediate, [](const Steps& s) { return s.upFlight; }},
    {"F_dn", "下行运行时间", "s", "同 F_up，以 S_dn 代替 S_up", kIntermediate,
     [](const Steps& s) { return s.downFlight; }},
    {"T_f", "总运行时间", "s", "T_f = F_up + F_dn", kIntermediate,
     [](const Steps& s) { return static_cast<double>(s.flightTime); }},
};

const std::vector<Figure> kTimes = {
    {"T_d", "开关门总时间", "s", "T_d = S × t_d", kIntermediate, [](const Steps& s) { return s.doorTimeTotal; }},
    {"T_p", "乘客出入总时间", "s", "T_p = 0.8 × P + X，X = (S_up^0.3333 × P_up + S_dn^0.3333 × P_dn) × t_p",
     kIntermediate, [](const Steps& s) { return s.transferTime; }, nullptr,
     "T_p = (0.8 × P + X + 2 × P) / 2，X = (S_up^0.3333 × P_up + S_dn^0.3333 × P_dn) × t_p"},
    {"T_l", "损耗时间", "s", "T_l = (T_p + T_d) × 折耗率 / 100", kIntermediate,
     [](const Steps& s) { return s.lossTime; }},
    {"RTT", "总行程时间", "s", "RTT = T_f + T_l + T_p + T_d", kResult,
     [](const Steps& s) { return s.roundTripTime; }},
    {"HC(P)", "5分钟内单机运载人数", "人", "HC(P) = 300 × P / RTT", kResult,
     [](const Steps& s) { return s.handlingCapacity; }},
    {"HC(P) %", "5分钟内单机运载人数百分比", "%", "HC(P) % = 100 × HC(P) / U", kResult,
     [](const Steps& s) { return s.handlingPercent; }},
};

// Result captions as the single result form shows them, with the texts of the first sheet.
constexpr const char* kResultNames[] = {"总行程时间 (秒)", "最长侯机时间 (秒)", "5分钟内单机运载人数",
                                        "5分钟内总运载人数", "5分钟内单机运载人数百分比", "5分钟内总运载人数百分比",
                                        "电梯机房的结构荷载 kg", "井深 m", "井顶缓冲高度 m"};

// The figures of one load in the order the calculation reaches them.
std::vector<Figure> loadFigures()
{
    std::vector<Figure> rows = kFigures;
    rows.insert(rows.end(), doorFigures().begin(), doorFigures().end());
    rows.insert(rows.end(), kTimes.begin(), kTimes.end());
    return rows;
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
        header.officeBuilding = engine::isOfficeType(*inputs.project.buildingType);
    }
    header.perFloorSpread = inputs.project.spread == engine::PopulationSpread::PerFloor;
    header.expressZoneSet = elevator.expressZoneSet;
    if (elevator.doorType)
        header.doorType = engine::doorTypeName(*elevator.doorType);
    header.advanceOpening = elevator.advanceOpening;
    header.lossPercent = engine::leadingNumber(elevator.lossPercent);
    header.upPercent = engine::leadingNumber(elevator.upPercent);
    header.downPercent = engine::leadingNumber(elevator.downPercent);
    header.cars = engine::leadingNumber(elevator.carCount);
    return header;
}

CalculationHeader calculationHeader(const EnteredData& entered, std::string exportMoment)
{
    CalculationHeader header = calculationHeader(entered.inputs, std::move(exportMoment));
    header.targets = entered.targets;
    header.targetSources = entered.targetSources;
    return header;
}

SheetModel calculationSheet(const CalculationHeader& header, const engine::SingleResult& result,
                            const std::optional<engine::TargetVerdict>& verdict, bool simulated)
{
    constexpr int kValueColumn = 4;
    SheetBuilder sheet(kValueColumn, 5, kNameWidthSingle, kFormulaWidthSingle);
    const Steps& steps = result.steps;
    const engine::CaseResult& group = result.figures;
    sheet.heading(header, {"数值"});
    writeBasis(sheet, header);
    sheet.section("输入数据（计算所用值）");
    writeInputs(sheet, header, steps);
    sheet.figures(header, kLoadInputs, {&steps});
    sheet.number(sheet.row("L", "电梯数量", "输入", "台"), kValueColumn, header.cars, kAsEntered);

    sheet.section("计算过程");
    sheet.figures(header, loadFigures(), {&steps});
    sheet.number(sheet.row("INT", "最长侯机时间（间隔）", "INT = RTT / L", "s"), kValueColumn, group.interval, kResult);
    sheet.number(sheet.row("HC(T)", "5分钟内总运载人数", "HC(T) = L × HC(P)", "人"), kValueColumn,
                 group.groupCapacity, kResult);
    sheet.number(sheet.row("HC(T) %", "5分钟内总运载人数百分比", "HC(T) % = L × HC(P) %", "%"), kValueColumn,
                 group.groupPercent, kResult);
    writeMachineRoom(sheet, result, result.structuralLoadShown);

    sheet.section("结果（与结果窗口显示一致）");
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i) {
        if (result.valueShown(i))
            sheet.text(sheet.row("", kResultNames[i], "", ""), kValueColumn, result.valueTexts[i]);
    }

    writeEstimates(sheet, header, result);
    const int conclusion = sheet.nextSection();
    writeConclusion(sheet, result, verdict, simulated);
    sheet.keepTogether(conclusion);
    writeNotes(sheet, result.notes);
    sheet.signOff();
    sheet.finish();
    SheetModel model = sheet.take();
    model.page().fitToWidth = 1;
    return model;
}

SheetModel calculationSheet(const CalculationHeader& header, const engine::LoadTable& table)
{
    constexpr int kFirstValueColumn = 5;
    constexpr int kUnitColumn = 4;
    SheetBuilder sheet(kFirstValueColumn, kUnitColumn, kNameWidthTable, kFormulaWidthTable);
    std::vector<const Steps*> loads;
    std::vector<std::string> keys;
    for (const auto& steps : table.steps) {
        if (steps) {
            loads.push_back(&*steps);
            keys.push_back(std::to_string(std::lround(steps->load)) + "/" + std::to_string(std::lround(steps->persons)));
        }
    }
    sheet.heading(header, keys);
    writeBasis(sheet, header);
    if (!loads.empty()) {
        sheet.section("输入数据（计算所用值，各额定载重相同，列于第一列）");
        writeInputs(sheet, header, *loads.front());
        sheet.section("计算过程（每种额定载重一列）");
        sheet.figures(header, kLoadInputs, loads);
        sheet.figures(header, loadFigures(), loads);
        const int conclusion = sheet.nextSection();
        writeConclusion(sheet, header, loads);
        sheet.keepTogether(conclusion);
    }
    writeNotes(sheet, table.notes);
    sheet.signOff();
    sheet.finish();
    SheetModel model = sheet.take();
    // The value columns spread over as many pages as they need at full size, each page
    // with the label columns beside them.
    model.page().fitToWidth = 0;
    model.page().repeatedColumns = std::pair{kSymbolColumn, kUnitColumn};
    return model;
}

}  // namespace trevalo::workbook

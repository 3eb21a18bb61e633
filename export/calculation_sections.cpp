#include "export/calculation_sections.h"

#include "engine/analysis/group_size.h"
#include "engine/analysis/machine_room.h"
#include "engine/analysis/waiting_time.h"
#include "engine/display_text.h"
#include "engine/target_verdict.h"
#include "export/calculation_builder.h"
#include "export/report_blocks.h"

#include <optional>
#include <string>

namespace trevalo::workbook {

namespace {

constexpr const char* kEstimateNote = "估算，超出上行高峰计算范围；来源：CIBSE Guide D (Barney)";
constexpr const char* kNotMet = "不满足";

std::string shown(double value) { return engine::figureText(value); }

const char* speedClassText(engine::SpeedClass speedClass)
{
    switch (speedClass) {
    case engine::SpeedClass::Low: return "低速";
    case engine::SpeedClass::Middle: return "中速";
    case engine::SpeedClass::High: return "高速";
    }
    return "";
}

struct Coefficient {
    const char* symbol;
    const char* use;
    double engine::MotionLaw::*value;
};

constexpr const char* kRunDistance = "运行距离 = A × x² + B × x（x 为峰值速度）";
constexpr const char* kRunTime = "运行时间 = C + D × x";
constexpr const char* kPeakSpeed = "峰值速度 x = (√(K × d + E) − G) / F（d 为运行距离）";
const Coefficient kCoefficients[] = {
    {"A", kRunDistance, &engine::MotionLaw::a}, {"B", kRunDistance, &engine::MotionLaw::b},
    {"C", kRunTime, &engine::MotionLaw::c},     {"D", kRunTime, &engine::MotionLaw::d},
    {"E", kPeakSpeed, &engine::MotionLaw::e},   {"F", kPeakSpeed, &engine::MotionLaw::f},
    {"G", kPeakSpeed, &engine::MotionLaw::g},   {"K", kPeakSpeed, &engine::MotionLaw::k},
};

const std::vector<Figure> kDoorFigures = {
    {"t_d0", "门表开关门时间", "s", "门表第 W 行、所选门类型列（四扇中分门按半宽取 2CO 列）", kAsEntered,
     [](const Steps& s) { return s.baseDoorTime; }},
    {"Δt_a", "预先开门减少", "s", "有预先开门：1 s；否则 0", kAsEntered,
     [](const Steps& s) { return s.advanceOpeningReduction; }},
    {"Δt_o", "快速办公楼电梯减少", "s", "办公楼及酒店且 v > 1.75 m/s：1 s；否则 0", kAsEntered,
     [](const Steps& s) { return s.fastOfficeReduction; }},
    {"t_d", "每站开关门时间", "s", "t_d = t_d0 − Δt_a − Δt_o", kAsEntered,
     [](const Steps& s) { return s.doorTimePerStop; }},
    {"t_p", "每位乘客出入时间", "s", "门表第 W 行（四扇中分门 0.45 s）", kAsEntered,
     [](const Steps& s) { return s.transferTimePerPassenger; }},
};

}  // namespace

const std::vector<Figure>& doorFigures() { return kDoorFigures; }

void writeBasis(SheetBuilder& sheet, const CalculationHeader& header)
{
    const engine::DesignTargets& targets = header.targets;
    const engine::TargetSources& sources = header.targetSources;
    sheet.section("计算依据");
    for (const BasisLine& line : methodBasis(header.perFloorSpread))
        sheet.row("", line.name, line.text, "");
    const int hc = sheet.row("HC 目标", "5分钟运载能力目标",
                             "HC(T) % ≥ " + shown(targets.hcPercent) + " %；来源：" + sources.hcPercent, "%");
    sheet.number(hc, sheet.valueColumn(), targets.hcPercent, kAsEntered);
    const int interval = sheet.row("INT 目标", "间隔目标",
                                   "INT ≤ " + shown(targets.interval) + " s；来源：" + sources.interval, "s");
    sheet.number(interval, sheet.valueColumn(), targets.interval, kAsEntered);
    if (targets.awt) {
        sheet.number(sheet.row("AWT 目标", "平均候梯时间目标", "AWT ≤ " + shown(*targets.awt) + " s", "s"),
                     sheet.valueColumn(), *targets.awt, kAsEntered);
    } else {
        sheet.row("AWT 目标", "平均候梯时间目标", "未设定，不作判定", "");
    }
    std::vector<BasisLine> mends = mendBasis();
    mends.push_back(shareMend());
    for (const BasisLine& line : mends)
        sheet.row("", line.name, line.text, "");
}

void writeInputs(SheetBuilder& sheet, const CalculationHeader& header, const Steps& steps)
{
    const int value = sheet.valueColumn();
    sheet.number(sheet.row("N", "电梯停留层数", "输入", "层"), value, steps.floorsServed, kAsEntered);
    sheet.number(sheet.row("U", "楼宇总人数", header.perFloorSpread ? "各层人数之和" : "输入", "人"), value,
                 steps.population, kAsEntered);
    sheet.text(sheet.row("", "人数分配", "", ""), value, header.perFloorSpread ? "每层非平均分配" : "每层平均分配");
    sheet.number(sheet.row("H", "电梯总行程", "输入", "m"), value, steps.travel, kAsEntered);
    sheet.number(sheet.row("df", "平均每层高度", "输入", "m"), value, steps.floorHeight, kAsEntered);
    sheet.number(sheet.row("v", "额定速度", "输入", "m/s"), value, steps.ratedSpeed, kAsEntered);
    sheet.text(sheet.row("", "速度等级", "v ≤ 2 m/s 低速；2 < v < 5 m/s 中速；v ≥ 5 m/s 高速", ""), value,
               speedClassText(steps.speedClass));
    for (const Coefficient& coefficient : kCoefficients) {
        sheet.number(sheet.row(coefficient.symbol, "运动规律系数（本速度等级）", coefficient.use, ""), value,
                     steps.motionLaw.*coefficient.value, kAsEntered);
    }
    sheet.number(sheet.row("Ze", "快速通行区距离", header.expressZoneSet ? "输入" : "未设快速通行区：Ze = H − df × (N − 1)", "m"),
                 value, static_cast<double>(steps.expressDistance), kIntermediate);
    sheet.text(sheet.row("", "电梯门类型", "", ""), value, header.doorType);
    sheet.number(sheet.row("W", "开门宽度（门表行）",
                           header.doorType == "4CO" ? "四扇中分门：输入宽度之半归入标准宽度" : "输入宽度归入标准宽度",
                           "mm"),
                 value, steps.doorWidth, kAsEntered);
    sheet.text(sheet.row("", "电梯预先开门", "", ""), value, header.advanceOpening ? "有" : "无");
    sheet.number(sheet.row("", "折耗率", "输入", "%"), value, header.lossPercent, kAsEntered);
    sheet.number(sheet.row("", "上行百分比", "输入", "%"), value, header.upPercent, kAsEntered);
    sheet.number(sheet.row("", "下行百分比", "输入", "%"), value, header.downPercent, kAsEntered);
}

void writeMachineRoom(SheetBuilder& sheet, const engine::SingleResult& result, bool structuralLoadRequested)
{
    const engine::MachineRoomFigures& room = result.machineRoom;
    const int value = sheet.valueColumn();
    sheet.section("电梯机房结构荷载、井深及井顶缓冲高度");
    if (structuralLoadRequested) {
        sheet.number(sheet.row("Q_e", "输入载重", "输入，不按 75 kg 取整", "kg"), value, room.ratedLoad, kAsEntered);
        sheet.number(sheet.row("f", "装修重量", "输入", "kg"), value, room.finishingWeight, kAsEntered);
        const std::string ropeRule = "v ≤ " + shown(engine::kFourRopeSpeed) + " m/s 且 Q_e ≤ " +
                                     shown(engine::kFourRopeLoad) + " kg：4 根；否则 6 根";
        sheet.number(sheet.row("n_r", "钢丝绳根数", ropeRule, "根"), value, room.ropeCount, kAsEntered);
        sheet.number(sheet.row("c", "轿厢重量", "c = 2 × Q_e + f", "kg"), value, room.carWeight, kAsEntered);
        sheet.number(sheet.row("w", "对重重量", "w = c + " + shown(engine::kCounterweightShare) + " × Q_e", "kg"), value,
                     room.counterweight, kAsEntered);
        const std::string rope = shown(engine::kRopeWeightPer100m);
        sheet.number(sheet.row("r", "钢丝绳重量", "r = n_r × 2 × H × " + rope + " / 100（每 100 m 重 " + rope + " kg）", "kg"),
                     value, room.ropeWeight, kAsEntered);
        sheet.number(sheet.row("G_m", "曳引机等设备重量", "取值", "kg"), value, engine::kMachineWeight, kAsEntered);
        sheet.number(sheet.row("γ", "荷载系数", "取值", ""), value, engine::kStructuralLoadFactor, kAsEntered);
        sheet.number(sheet.row("W_s", "电梯机房的结构荷载", "W_s = γ × (G_m + 2 × (c + r + Q_e + w))", "kg"), value,
                     room.structuralLoad, kResult);
        const std::string toForce = "W_s × " + engine::shortestText(engine::kStandardGravity) + " / 1000";
        sheet.number(sheet.row("W_s", "电梯机房的结构荷载", toForce, "kN"), value, room.structuralForce, kResult);
    } else {
        sheet.row("W_s", "电梯机房的结构荷载", "未要求计算（未勾选“计算电梯机房结构荷载”）", "");
    }
    if (room.pitDepth && room.headroom) {
        const std::string source = "井道表 v = " + shown(result.steps.ratedSpeed) + " m/s 行";
        sheet.number(sheet.row("", "井深", source, "m"), value, *room.pitDepth, "0.0");
        sheet.number(sheet.row("", "井顶缓冲高度", source, "m"), value, static_cast<double>(*room.headroom), "0.0");
    } else {
        sheet.row("", "井深及井顶缓冲高度", "井道表只列 1.75、2、2.5、3、3.5、4、5 m/s，本速度未确定", "");
    }
}

void writeEstimates(SheetBuilder& sheet, const CalculationHeader& header, const engine::SingleResult& result)
{
    constexpr double kRatioLimit = 0.8;
    const int value = sheet.valueColumn();
    const Steps& steps = result.steps;
    const double interval = result.figures.interval;
    const double ratio = steps.persons > 0 ? steps.upPassengers / steps.persons : 0;
    sheet.section("估算（超出上行高峰计算范围）");
    sheet.number(sheet.row("P_up / CC", "上行载客率", "P_up / CC", ""), value, ratio, kResult);
    const int awt = sheet.row("AWT", "平均候梯时间",
                              "P_up / CC < 0.5：AWT = 0.4 × INT；0.5 ≤ P_up / CC ≤ 0.8："
                              "AWT = (0.4 + (1.8 × P_up / CC − 0.77)²) × INT",
                              "s");
    if (result.awt)
        sheet.number(awt, value, *result.awt, kResult);
    else
        sheet.text(awt, value, ratio > kRatioLimit ? "不适用：P_up/CC 超出 0.8" : "不适用");
    sheet.row("", "备注", kEstimateNote, "");
    if (!header.officeBuilding)
        return;
    const int grade = sheet.row("", "间隔评级（办公楼）", "INT ≤ 20 s 优；≤ 25 s 良；≤ 30 s 满意；< 50 s 差；≥ 50 s 不满意", "");
    sheet.text(grade, value, engine::intervalGradeText(engine::intervalGrade(interval)));
    sheet.row("", "备注", kEstimateNote, "");
}

void writeConclusion(SheetBuilder& sheet, const engine::SingleResult& result,
                     const std::optional<engine::TargetVerdict>& verdict, bool simulated)
{
    const int value = sheet.valueColumn();
    sheet.section("结论（与设计目标比较）");
    if (!verdict) {
        sheet.row("", "综合结论", "无设计目标，不作判定", "");
        return;
    }
    const engine::DesignTargets& targets = verdict->targets;
    const engine::TargetCheck& check = verdict->check;
    // Each figure, then its target, its margin and the verdict, one row each.
    const auto compare = [&](const char* symbol, const char* name, const char* unit, double figure,
                             const std::string& rule, const std::string& marginRule, double target,
                             std::optional<double> margin, bool met) {
        sheet.number(sheet.row(symbol, name, "计算值", unit), value, figure, kResult);
        sheet.number(sheet.row("", "目标", rule, unit), value, target, kAsEntered);
        const int marginRow = sheet.row("", "裕量", marginRule, unit);
        if (margin)
            sheet.number(marginRow, value, *margin, kResult);
        sheet.text(sheet.row("", "判定", "", ""), value, engine::verdictText(met), true);
    };
    compare("HC(T) %", "5分钟内总运载人数百分比", "%", result.figures.groupPercent,
            "HC(T) % ≥ 目标", "HC(T) % − 目标", targets.hcPercent, check.hcMargin, check.hcMet);
    compare("INT", "最长侯机时间（间隔）", "s", result.figures.interval, "INT ≤ 目标", "目标 − INT",
            targets.interval, check.intervalMargin, check.intervalMet);
    // Beside a simulation the calculated wait is an estimate; the simulated one is judged on its sheet.
    const char* awtName = simulated ? "平均候梯时间（计算估计）" : "平均候梯时间";
    if (targets.awt && verdict->awt) {
        compare("AWT", awtName, "s", *verdict->awt, "AWT ≤ 目标", "目标 − AWT", *targets.awt, check.awtMargin,
                check.awtMet.value_or(false));
        if (simulated)
            sheet.row("", "备注", "仿真的平均候梯时间及其判定见“仿真”工作表，以仿真判定为准", "");
    } else if (targets.awt) {
        sheet.text(sheet.row("AWT", "平均候梯时间", "估算不适用，不能满足目标", "s"), value, kNotMet, true);
    } else {
        sheet.row("AWT", "平均候梯时间", "未设定目标，不作判定", "");
    }
    const int overall = sheet.row("", "综合结论", check.allMet() ? "满足全部设计目标" : "未满足全部设计目标", "");
    sheet.text(overall, value, engine::verdictText(check.allMet()), true);
}

void writeNotes(SheetBuilder& sheet, const std::vector<std::string>& notes)
{
    if (notes.empty())
        return;
    sheet.section("注意");
    for (const std::string& note : notes)
        sheet.row("", "提示", note, "");
}

void writeConclusion(SheetBuilder& sheet, const CalculationHeader& header, const std::vector<const Steps*>& loads)
{
    const engine::DesignTargets& targets = header.targets;
    sheet.section("结论（满足 HC 目标所需电梯数量）");
    const int cars = sheet.row("L", "满足 HC 目标的电梯数量",
                               "使 L × HC(P) % ≥ " + shown(targets.hcPercent) + " % 的最少台数", "台");
    const int percent = sheet.row("HC(T) %", "该数量的总运载人数百分比", "HC(T) % = L × HC(P) %", "%");
    const int interval = sheet.row("INT", "该数量的间隔", "INT = RTT / L", "s");
    const int margin = sheet.row("", "间隔裕量", "目标 " + shown(targets.interval) + " s − INT", "s");
    const int met = sheet.row("", "间隔是否满足目标", "INT ≤ " + shown(targets.interval) + " s", "");
    int column = sheet.valueColumn();
    for (const Steps* load : loads) {
        const auto needed = engine::carsForHandlingTarget(load->handlingPercent, targets.hcPercent);
        if (needed) {
            const double count = *needed;
            const engine::CaseResult group =
                engine::groupFigures(load->roundTripTime, load->handlingCapacity, load->handlingPercent, count);
            const engine::TargetCheck check =
                engine::checkTargets(targets, group.groupPercent, group.interval, std::nullopt);
            sheet.number(cars, column, count, kAsEntered);
            sheet.number(percent, column, group.groupPercent, kResult);
            sheet.number(interval, column, group.interval, kResult);
            sheet.number(margin, column, check.intervalMargin, kResult);
            sheet.text(met, column, engine::verdictText(check.intervalMet), true);
        } else {
            sheet.text(cars, column, "无法满足");
        }
        ++column;
    }
}

}  // namespace trevalo::workbook

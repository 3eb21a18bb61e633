#include "engine/sizing/sizing_text.h"

#include "engine/display_text.h"

namespace trevalo::engine {

namespace {

std::string hcPart(const SizingCandidate& c, const DesignTargets& targets)
{
    const std::string figures = "HC " + figureText(c.groupPercent) + "%";
    const std::string target = figureText(targets.hcPercent) + "%";
    if (c.check.hcMet)
        return figures + " ≥ " + target + "（余 " + figureText(c.check.hcMargin) + " 个百分点）";
    return figures + " 低于目标 " + target + "（差 " + figureText(-c.check.hcMargin) + " 个百分点）";
}

std::string intervalPart(const SizingCandidate& c, const DesignTargets& targets)
{
    const std::string figures = "间隔 " + figureText(c.interval) + " 秒";
    const std::string target = figureText(targets.interval) + " 秒";
    if (c.check.intervalMet)
        return figures + " ≤ " + target + "（余 " + figureText(c.check.intervalMargin) + " 秒）";
    return figures + " 超过目标 " + target + "（超 " + figureText(-c.check.intervalMargin) + " 秒）";
}

std::string awtPart(const SizingCandidate& c, const DesignTargets& targets)
{
    const std::string target = figureText(*targets.awt) + " 秒";
    if (!c.awt)
        return "AWT 估算不适用（载客率超出 0.8），不满足目标 " + target;
    const std::string figures = "AWT " + figureText(*c.awt) + " 秒";
    if (*c.check.awtMet)
        return figures + " ≤ " + target + "（余 " + figureText(*c.check.awtMargin) + " 秒）";
    return figures + " 超过目标 " + target + "（超 " + figureText(-*c.check.awtMargin) + " 秒）";
}

std::string configuration(const SizingCandidate& c)
{
    return std::to_string(c.cars) + " 台 " + figureText(c.load) + "/" + figureText(c.persons) + " " +
           figureText(c.speed) + " M/S";
}

}  // namespace

std::string candidateExplanation(const SizingCandidate& candidate, const DesignTargets& targets)
{
    std::string text = hcPart(candidate, targets) + "；" + intervalPart(candidate, targets);
    if (targets.awt)
        text += "；" + awtPart(candidate, targets);
    return text;
}

std::string firstRowExplanation(const SizingOutcome& outcome)
{
    if (!outcome.met)
        return "";
    const SizingCandidate& first = outcome.listed.front();
    // Without a configuration one car fewer, either one car already serves, or fewer cars than
    // the least entered were not tried at all.
    if (!outcome.oneCarFewer && first.cars > 1)
        return "第一行 " + configuration(first) + "：最少台数为 " + std::to_string(first.cars) + " 台，未试算更少的台数。";
    if (!outcome.oneCarFewer)
        return "第一行 " + configuration(first) + "：一台已满足全部目标。";
    const SizingCandidate& fewer = *outcome.oneCarFewer;
    const DesignTargets& targets = outcome.targets.targets;
    std::string missed;
    const auto add = [&missed](const std::string& part) { missed += (missed.empty() ? "" : "；") + part; };
    if (!fewer.check.hcMet)
        add(hcPart(fewer, targets));
    if (!fewer.check.intervalMet)
        add(intervalPart(fewer, targets));
    if (targets.awt && !*fewer.check.awtMet)
        add(awtPart(fewer, targets));
    return "第一行 " + configuration(first) + "：少一台（" + configuration(fewer) + "）不满足目标——" + missed +
           "。";
}

std::string sizingSummary(const SizingOutcome& outcome)
{
    const std::string most = std::to_string(outcome.targets.maxCars);
    if (outcome.met)
        return "满足全部目标的配置共 " + std::to_string(outcome.listed.size()) + " 种（最多 " + most +
               " 台），按台数、载重、速度从少到多排列。";
    return "在最多 " + most + " 台以内，没有满足全部目标的配置。下表列出最接近的 " +
           std::to_string(outcome.listed.size()) + " 种配置及其与各目标的差距。";
}

std::string fireLiftSpeedNote(const SizingOutcome& outcome)
{
    const SizingMinimums& minimums = outcome.minimums;
    if (!minimums.fireLiftRunTime)
        return {};
    std::string note = "消防电梯首层至顶层运行时间不大于 " + figureText(*minimums.fireLiftRunTime) + " 秒（" +
                       minimums.runTimeSource + "）";
    if (!outcome.tooSlowSpeeds.empty()) {
        std::string speeds;
        for (double speed : outcome.tooSlowSpeeds)
            speeds += (speeds.empty() ? "" : "、") + figureText(speed);
        note += "；" + speeds + " m/s 不能满足，未试算";
    }
    return note;
}

std::string marginText(double margin, const std::string& unit)
{
    // U+2212, the minus sign, not a hyphen.
    if (margin < 0)
        return "不足 \u2212" + figureText(-margin) + " " + unit;
    return "余量 +" + figureText(margin) + " " + unit;
}

}  // namespace trevalo::engine

#include "engine/design_targets.h"

namespace trevalo::engine {

DesignTargets presetTargets(BuildingType type)
{
    switch (type) {
    case BuildingType::Residential:
        return {6, 60, std::nullopt};
    case BuildingType::OfficeAndHotel:
        return {12, 30, std::nullopt};
    case BuildingType::OwnerOccupiedOffice:
        // Everyone of an owner-occupied building arrives at the same hour.
        return {15, 30, std::nullopt};
    }
    return {};
}

TargetSources presetSources(BuildingType type)
{
    switch (type) {
    case BuildingType::Residential:
        return {"CIBSE Guide D：住宅楼5分钟运载能力宜为5%～8%",
                "CIBSE Guide D：住宅楼平均间隔宜为40～80秒"};
    case BuildingType::OfficeAndHotel:
        return {"ISO 8100-32:2020：办公楼上行高峰5分钟运载能力不低于12%",
                "CIBSE Guide D：办公楼平均间隔不大于30秒"};
    case BuildingType::OwnerOccupiedOffice:
        return {"CIBSE Guide D：自用办公楼集中到达，5分钟运载能力不低于15%",
                "CIBSE Guide D：办公楼平均间隔不大于30秒"};
    }
    return {};
}

TargetSources targetSources(BuildingType type, const DesignTargets& targets)
{
    const DesignTargets presets = presetTargets(type);
    TargetSources sources = presetSources(type);
    const std::string userSet = "用户设定";
    if (targets.hcPercent != presets.hcPercent)
        sources.hcPercent = userSet;
    if (targets.interval != presets.interval)
        sources.interval = userSet;
    return sources;
}

SizingEntries presetSizingEntries(BuildingType type, const std::string& ratedSpeed, std::optional<int> leastCars,
                                  std::optional<double> leastLoad)
{
    // Presets are whole numbers, written as a user would type them.
    const DesignTargets targets = presetTargets(type);
    return {std::to_string(static_cast<int>(targets.hcPercent)),
            std::to_string(static_cast<int>(targets.interval)),
            "",
            "8",
            {ratedSpeed},
            leastCars ? std::to_string(*leastCars) : "",
            leastLoad ? std::to_string(static_cast<int>(*leastLoad)) : ""};
}

TargetCheck checkTargets(const DesignTargets& targets, double groupPercent, double interval,
                         std::optional<double> awt)
{
    TargetCheck check;
    check.hcMargin = groupPercent - targets.hcPercent;
    check.hcMet = groupPercent >= targets.hcPercent;
    check.intervalMargin = targets.interval - interval;
    check.intervalMet = interval <= targets.interval;
    if (targets.awt) {
        check.awtMet = awt.has_value() && *awt <= *targets.awt;
        if (awt)
            check.awtMargin = *targets.awt - *awt;
    }
    return check;
}

}  // namespace trevalo::engine

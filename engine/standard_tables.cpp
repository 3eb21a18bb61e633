#include "engine/standard_tables.h"

#include "engine/analysis/load_table.h"

namespace trevalo::engine {

bool isOfficeType(BuildingType type) { return type != BuildingType::Residential; }

const char* doorTypeName(DoorType type)
{
    switch (type) {
    case DoorType::TwoPanelCentre:
        return "2CO";
    case DoorType::TwoPanelSide:
        return "2SO";
    case DoorType::FourPanelCentre:
        return "4CO";
    }
    return "";
}

int firstStandardRow(BuildingType type) { return isOfficeType(type) ? 1 : 0; }

const std::vector<std::string>& ratedLoadListTexts()
{
    static const std::vector<std::string> loads = [] {
        std::vector<std::string> texts;
        for (int row = 0; row < kLoadTableRows; ++row) {
            const int load = static_cast<int>(tableRowLoad(row));
            if (load != 975)
                texts.push_back(std::to_string(load));
        }
        return texts;
    }();
    return loads;
}

const std::vector<std::string>& ratedSpeedListTexts()
{
    static const std::vector<std::string> speeds{"1", "1.5", "1.75", "2", "2.5", "3", "3.5", "4",
                                                 "5", "6", "7", "8", "9", "10", "11"};
    return speeds;
}

const std::vector<std::string>& doorWidthListTexts()
{
    static const std::vector<std::string> widths{"800", "900", "1000", "1100"};
    return widths;
}

DefaultShares defaultShares(std::optional<BuildingType> type)
{
    if (type == BuildingType::Residential)
        return {"30", "20"};
    if (type == BuildingType::OfficeAndHotel)
        return {"50", "50"};
    return {"80", "0"};
}

ElevatorParameters defaultElevatorParameters(std::optional<BuildingType> type)
{
    ElevatorParameters parameters;
    const DefaultShares shares = defaultShares(type);
    parameters.lossPercent = std::string(kDefaultLossPercent);
    parameters.upPercent = std::string(shares.upPercent);
    parameters.downPercent = std::string(shares.downPercent);
    return parameters;
}

}  // namespace trevalo::engine

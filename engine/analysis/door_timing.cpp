#include "engine/analysis/door_timing.h"

#include <array>
#include <cmath>

namespace trevalo::engine {

namespace {

struct DoorRow {
    double width, centreOpening, sideOpening, transfer;
};

constexpr std::array<DoorRow, 9> kRows{{
    {800, 4.2, 5.3, 1},
    {850, 4.4, 5.6, 1},
    {900, 4.5, 5.9, 0.95},
    {950, 4.7, 6.1, 0.95},
    {1000, 4.8, 6.3, 0.9},
    {1100, 4.9, 6.6, 0.85},
    {1200, 5.1, 6.8, 0.8},
    {1300, 5.3, 7, 0.75},
    {1400, 5.4, 7.1, 0.7},
}};
constexpr DoorRow kWidest{1500, 7, 7.1, 0.45};

const DoorRow& rowFor(double width)
{
    for (const DoorRow& row : kRows)
        if (row.width == width)
            return row;
    return kWidest;
}

}  // namespace

DoorTiming doorTiming(DoorType type, double normalisedWidth)
{
    const DoorRow& row = rowFor(normalisedWidth);
    switch (type) {
    case DoorType::TwoPanelCentre:
        return {row.centreOpening, row.transfer};
    case DoorType::TwoPanelSide:
        return {row.sideOpening, row.transfer};
    case DoorType::FourPanelCentre:
        break;
    }
    return {row.centreOpening, 0.45};
}

double normaliseDoorWidth(double width)
{
    double normalised = 50 * std::floor(width / 50);
    if (normalised > 1000)
        normalised = 100 * std::floor(normalised / 100);
    return normalised;
}

}  // namespace trevalo::engine

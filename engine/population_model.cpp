#include "engine/population_model.h"

#include <cmath>

namespace trevalo::engine {

namespace {

// Expected number of served floors at which a car carrying `passengers` stops.
double probableStops(const Population& population, double passengers)
{
    const double n = population.floorsServed;
    if (population.spread == PopulationSpread::Even)
        return n * (1 - std::pow((n - 1) / n, passengers));
    double notChosen = 0;
    for (double share : population.floorValues)
        notChosen += std::pow(1 - share / population.total, passengers);
    return n - notChosen;
}

// Expected number of served floors above the highest floor a car reaches.
double floorsAboveReversal(const Population& population, double upPassengers)
{
    const double n = population.floorsServed;
    double sum = 0;
    if (population.spread == PopulationSpread::Even) {
        for (int i = 1; i <= n - 1; ++i)
            sum += std::pow(i / n, upPassengers);
        return sum;
    }
    // The cumulative share of floors 0 .. j, added in floor order: the same additions
    // as rebuilding it from floor 0 for every j.
    double cumulative = 0;
    const auto& values = population.floorValues;
    for (int j = 0; j <= n - 2; ++j) {
        cumulative += values[static_cast<std::size_t>(j)] / population.total;
        sum += std::pow(cumulative, upPassengers);
    }
    return sum;
}

}  // namespace

TrafficLoad trafficLoad(const Population& population, double load)
{
    TrafficLoad result;
    const double persons = load / 75;  // one passenger counts as 75 kg
    result.upPassengers = population.upPercent / 100 * persons;
    result.downPassengers = population.downPercent / 100 * persons;
    result.upStops = probableStops(population, result.upPassengers);
    result.downStops = probableStops(population, result.downPassengers);
    // A car that carries nobody one way still makes its one run.
    if (result.downPassengers == 0)
        result.downStops = 1;
    if (result.upPassengers == 0)
        result.upStops = 1;
    result.totalStops = result.upStops + result.downStops;
    result.totalPassengers = result.upPassengers + result.downPassengers;

    if (population.floorsServed == 1) {
        result.highestReversal = 1;
        result.floorsAboveReversal = 0;
    } else {
        result.floorsAboveReversal = floorsAboveReversal(population, result.upPassengers);
        result.highestReversal = population.floorsServed - result.floorsAboveReversal;
    }
    return result;
}

}  // namespace trevalo::engine

#include "engine/analysis/population_model.h"

#include <cmath>
#include <unordered_map>

namespace trevalo::engine {

namespace {

// Expected number of served floors at which a car carrying `passengers` stops.
double probableStops(const Population& population, const StopBases& bases, double passengers,
                     std::vector<double>& powers)
{
    const double n = population.floorsServed;
    if (population.spread == PopulationSpread::Even)
        return n * (1 - std::pow((n - 1) / n, passengers));
    powers.resize(bases.distinctBases.size());
    for (std::size_t b = 0; b < powers.size(); ++b)
        powers[b] = std::pow(bases.distinctBases[b], passengers);
    double notChosen = 0;
    for (std::size_t base : bases.baseOfFloor)
        notChosen += powers[base];
    return n - notChosen;
}

// Expected number of served floors above the highest floor a car reaches.
double floorsAboveReversal(const Population& population, double upPassengers)
{
    const double n = population.floorsServed;
    const int floors = floorCount(n);
    double sum = 0;
    if (population.spread == PopulationSpread::Even) {
        for (int i = 1; i < floors; ++i)
            sum += std::pow(i / n, upPassengers);
        return sum;
    }
    // The cumulative share of floors 0 .. j, added in floor order: the same additions
    // as rebuilding it from floor 0 for every j.
    double cumulative = 0;
    const auto& values = population.floorValues;
    for (int j = 0; j + 1 < floors; ++j) {
        cumulative += values[static_cast<std::size_t>(j)] / population.total;
        sum += std::pow(cumulative, upPassengers);
    }
    return sum;
}

}  // namespace

StopBases stopBases(const Population& population)
{
    StopBases bases;
    if (population.spread != PopulationSpread::PerFloor)
        return bases;
    std::unordered_map<double, std::size_t> indexOfBase;
    for (double value : population.floorValues) {
        const double base = 1 - value / population.total;
        const auto [it, added] = indexOfBase.try_emplace(base, bases.distinctBases.size());
        if (added)
            bases.distinctBases.push_back(base);
        bases.baseOfFloor.push_back(it->second);
    }
    return bases;
}

TrafficLoad trafficLoad(const Population& population, double load, const StopBases* bases)
{
    StopBases derived;
    if (bases == nullptr) {
        derived = stopBases(population);
        bases = &derived;
    }
    std::vector<double> powers;
    TrafficLoad result;
    result.persons = load / kPersonMass;
    result.upPassengers = population.upPercent / 100 * result.persons;
    result.downPassengers = population.downPercent / 100 * result.persons;
    result.upStops = probableStops(population, *bases, result.upPassengers, powers);
    result.downStops = probableStops(population, *bases, result.downPassengers, powers);
    // A car that carries nobody one way still makes its one run.
    if (result.downPassengers == 0)
        result.downStops = 1;
    if (result.upPassengers == 0)
        result.upStops = 1;
    // A journey makes at least one stop: fewer than one passenger would otherwise make
    // fewer stops than nobody at all, and a journey of less than one stop has a negative
    // number of runs between stops. The tolerance absorbs the rounding around exactly one
    // passenger, where the formula gives 1 in exact arithmetic but 1 - e or 1 + e in doubles.
    constexpr double kOneStop = 1 + 1e-9;
    if (result.upStops <= kOneStop)
        result.upStops = 1;
    if (result.downStops <= kOneStop)
        result.downStops = 1;
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

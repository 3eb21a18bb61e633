#pragma once

#include <string>
#include <vector>

namespace trevalo::engine {

// One passenger of an entered list: arrival at the main floor (s) and destination floor.
struct PassengerEntry {
    double arrival = 0;
    double floor = 0;

    bool operator==(const PassengerEntry&) const = default;
};

// The up-peak simulation's entries, as typed; an empty entry takes its default.
struct SimulationEntries {
    std::string demandPercent{};  // arrivals in five minutes, % of the population
    std::string minutes{};        // length of the arrival period
    std::string loadingLimit{};   // % of the car's persons at which the doors close
    std::string dwell{};          // s the doors stay open after the first boarding
    std::string replications{};
    std::string seed{};
    std::vector<PassengerEntry> passengers{};  // replaces the random arrivals when not empty

    bool operator==(const SimulationEntries&) const = default;
};

}  // namespace trevalo::engine

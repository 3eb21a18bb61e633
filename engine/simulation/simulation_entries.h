#pragma once

#include <string>
#include <vector>

namespace trevalo::engine {

// One passenger of an entered list: arrival (s), destination floor and the floor it arrives at
// (0 the main floor, as in a list of arrivals and destinations alone).
struct PassengerEntry {
    double arrival = 0;
    double floor = 0;
    double origin = 0;

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
    // % of the random arrivals to the floors, from them, between them; they add up to 100.
    std::string incomingPercent{};
    std::string outgoingPercent{};
    std::string interfloorPercent{};
    std::string traffic{};    // the template the entries came from; a label only
    std::string awtTarget{};  // s; empty: the project's waiting time target

    bool operator==(const SimulationEntries&) const = default;
};

}  // namespace trevalo::engine

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace trevalo::engine {

// One passenger: arrival time (s), destination floor and the floor it arrives at (0 ... N,
// 0 the main floor).
struct Arrival {
    double time = 0;
    int floor = 0;
    int origin = 0;
};

// The simulation's entries after their checks, with what the model derives from them.
struct SimulationSetup {
    std::vector<double> levels;  // m above the main floor; served floor i stands at levels[i - 1]
    double ratedSpeed = 0;       // m/s
    double doorTime = 0;         // t_d, s per stop; never below zero
    double transferTime = 0;     // t_p, s per passenger
    int cars = 0;
    double persons = 0;               // CC, the rated load in whole persons of 75 kg
    std::int64_t boardingLimit = 1;   // m, the boardings that close the doors
    double population = 0;            // U
    double demandPercent = 0;
    double arrivalRate = 0;  // lambda, passengers per s (of the random arrivals)
    double duration = 0;     // T, s: the arrival period
    double warmUp = 300;     // W, s: arrivals and departures before it are not counted
    double loadingLimit = 0;  // %
    double dwell = 0;         // s
    int replications = 1;
    std::uint64_t seed = 1;
    // The mix of the random arrivals, % of them: to the floors, from the floors, between them.
    double incomingPercent = 100;
    double outgoingPercent = 0;
    double interfloorPercent = 0;
    std::optional<double> awtTarget;  // s, as typed; empty: the project's target
    std::vector<double> floorWeights;   // U_i as read, floor by floor; empty for an even spread
    std::vector<Arrival> passengerList;  // in order of time; empty: random arrivals
    bool hasPassengerList() const { return !passengerList.empty(); }
};

// Waiting times in 24 bins of 5 s, [0, 5) ... [115, 120), and one of 120 s and over.
inline constexpr std::size_t kWaitBins = 25;
inline constexpr double kWaitBinWidth = 5;

// The figures of one replication, empty where they cannot be formed. Times in s, loads in
// passengers, the handling capacity in passengers in five minutes.
struct ReplicationFigures {
    std::size_t passengers = 0;  // counted ones
    std::optional<double> awt, p50, p90, p95, maxWait, attd;
    std::optional<double> averageLoad, interval, rtt, handlingCapacity, hcPercent, maxQueue;
    // The worst five-minute window's mean wait, and (found on its own) mean time to destination.
    std::optional<double> worstAwt, worstAttd;
};

// Passengers to the floors from the main floor, from the floors to it, and between floors.
enum class PassengerKind { Incoming, Outgoing, Interfloor };
inline constexpr std::size_t kPassengerKinds = 3;

struct KindFigures {
    std::size_t passengers = 0;  // counted ones
    std::optional<double> awt, attd;
};

// The counted passengers who arrived at one floor (0: the main floor).
struct FloorFigures {
    int floor = 0;
    std::size_t passengers = 0;
    std::optional<double> awt;
};

// One passenger's way through the simulation; passengers numbered from 1 in arrival order
// within their replication, replications and cars from 1.
struct TraceRow {
    int replication = 0;
    std::size_t passenger = 0;
    double arrival = 0;
    int floor = 0;
    int car = 0;
    double boardingStart = 0;
    double destinationTime = 0;
    int origin = 0;
};

struct SimulationSummary {
    bool cancelled = false;  // stopped before the end: no figure is given
    std::optional<double> awt, awtHalfWidth, p50, p90, p95, maxWait, attd;
    // Averages over the replications that have the figure.
    std::optional<double> averageLoad, interval, rtt, handlingCapacity, hcPercent, maxQueue;
    // Over the replications that have them; the half-width as the AWT's.
    std::optional<double> worstAwt, worstAwtHalfWidth, worstAttd;
    std::array<KindFigures, kPassengerKinds> byKind{};  // in PassengerKind order
    std::vector<FloorFigures> perFloor;                 // floors 0 ... N
    std::size_t passengers = 0;  // counted over all replications
    int replications = 0;
    std::array<std::size_t, kWaitBins> histogram{};
    std::vector<ReplicationFigures> perReplication;
    std::vector<TraceRow> trace;  // only when asked for
};

}  // namespace trevalo::engine

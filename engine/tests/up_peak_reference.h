#pragma once

// The up-peak alone, as the simulation worked before landing calls were answered: each car
// loads at the main floor, serves its passengers' floors in ascending order and runs home.
// With all traffic incoming the group control must give exactly these passages.
#include "engine/analysis/run_model.h"
#include "engine/simulation/simulation_replication.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <utility>

namespace trevalo::engine::reference {

// The trip of one departure: its passengers' floors in ascending order, then back down.
class Trip {
public:
    explicit Trip(const SimulationSetup& setup) : m_setup(setup) {}

    // Delivers passages [first, last) and gives the moment the car is back at the main floor.
    double run(std::vector<Passage>& passages, std::size_t first, std::size_t last, int car, double leaves)
    {
        m_stops.clear();
        for (std::size_t i = first; i < last; ++i)
            m_stops.emplace_back(passages[i].floor, i);
        std::sort(m_stops.begin(), m_stops.end());
        double time = leaves;
        double level = 0;
        for (std::size_t s = 0; s < m_stops.size();) {
            const int floor = m_stops[s].first;
            const double next = m_setup.levels[static_cast<std::size_t>(floor - 1)];
            time += run(next - level);
            std::size_t alighting = 0;
            for (; s < m_stops.size() && m_stops[s].first == floor; ++s, ++alighting) {
                Passage& passage = passages[m_stops[s].second];
                passage.car = car;
                passage.destinationTime = time;
            }
            time += m_setup.doorTime + static_cast<double>(alighting) * m_setup.transferTime;
            level = next;
        }
        return time + run(level);
    }

private:
    double run(double distance) const { return *runDuration(m_setup.ratedSpeed, std::abs(distance)); }

    const SimulationSetup& m_setup;
    std::vector<std::pair<int, std::size_t>> m_stops;  // floor, passage
};

inline ReplicationRun upPeakReference(const SimulationSetup& setup, const std::vector<Arrival>& arrivals)
{
    ReplicationRun result;
    std::vector<Passage>& passages = result.passages;
    passages.resize(arrivals.size());
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        passages[i].arrival = arrivals[i].time;
        passages[i].floor = arrivals[i].floor;
    }

    // The cars not loading, by the moment they joined the main floor's queue, then by number:
    // the first of them becomes the loading car when the one before it leaves.
    using QueuedCar = std::pair<double, int>;
    std::priority_queue<QueuedCar, std::vector<QueuedCar>, std::greater<>> cars;
    for (int car = 0; car < setup.cars; ++car)
        cars.emplace(0.0, car);

    const double tp = setup.transferTime;
    const std::size_t count = passages.size();
    Trip trip(setup);
    double lastLeft = 0;
    std::size_t next = 0;  // the first passenger not yet boarding; boarding follows arrival order
    while (next < count) {
        const auto [joined, car] = cars.top();
        cars.pop();
        const double loadingFrom = std::max(joined, lastLeft);

        // An empty loading car waits for the next passenger, with no timer.
        const std::size_t first = next;
        double start = std::max(passages[next].arrival, loadingFrom);
        double end = start + tp;
        passages[next++].boardingStart = start;
        const double deadline = end + setup.dwell;
        std::int64_t aboard = 1;
        double doorsClose = 0;
        for (;;) {
            if (aboard == setup.boardingLimit) {
                doorsClose = end;
                break;
            }
            if (next < count && passages[next].arrival <= end) {
                start = end;  // waiting: boards straight on
            } else if (end >= deadline) {
                doorsClose = end;
                break;
            } else if (next < count && passages[next].arrival < deadline) {
                start = passages[next].arrival;  // the doors are still open
            } else {
                doorsClose = deadline;
                break;
            }
            end = start + tp;
            passages[next++].boardingStart = start;
            ++aboard;
        }

        // The main floor's stop costs one door time after the doors close.
        const double leaves = doorsClose + setup.doorTime;
        lastLeft = leaves;
        result.departures.push_back({car, doorsClose, leaves, aboard});
        cars.emplace(trip.run(passages, first, next, car, leaves), car);
    }
    return result;
}

}  // namespace trevalo::engine::reference

#include "engine/simulation_replication.h"

#include "engine/random_stream.h"
#include "engine/run_model.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <utility>

namespace trevalo::engine {

namespace {

// Destination floors drawn by the floors' populations, or evenly.
class FloorDraw {
public:
    explicit FloorDraw(const SimulationSetup& setup) : m_floors(static_cast<int>(setup.levels.size()))
    {
        double sum = 0;
        for (double weight : setup.floorWeights) {
            sum += weight;
            m_cumulative.push_back(sum);
        }
        // A draw that rounds up to the whole sum goes to the highest floor anyone lives on.
        for (std::size_t i = 0; i < m_cumulative.size(); ++i)
            if (setup.floorWeights[i] > 0)
                m_lastPeopled = static_cast<int>(i);
    }

    int operator()(RandomStream& random) const
    {
        const double u = random.unit();
        if (m_cumulative.empty())
            return 1 + std::min(m_floors - 1, static_cast<int>(u * m_floors));
        const auto found = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), u * m_cumulative.back());
        const int index = static_cast<int>(found - m_cumulative.begin());
        return 1 + std::min(index, m_lastPeopled);
    }

private:
    int m_floors;
    int m_lastPeopled = 0;
    std::vector<double> m_cumulative;
};

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

}  // namespace

std::vector<Arrival> randomArrivals(const SimulationSetup& setup, int replication)
{
    RandomStream random(setup.seed, static_cast<std::uint64_t>(replication));
    const FloorDraw floorDraw(setup);
    std::vector<Arrival> arrivals;
    arrivals.reserve(static_cast<std::size_t>(setup.arrivalRate * setup.duration * 1.05) + 16);
    double time = 0;
    for (;;) {
        // 1 - u lies in (0, 1]: the logarithm is finite.
        time += -std::log(1 - random.unit()) / setup.arrivalRate;
        if (!(time < setup.duration))
            break;
        arrivals.push_back({time, floorDraw(random)});
    }
    return arrivals;
}

ReplicationRun runReplication(const SimulationSetup& setup, const std::vector<Arrival>& arrivals,
                              const std::atomic<bool>* cancel)
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
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
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

}  // namespace trevalo::engine

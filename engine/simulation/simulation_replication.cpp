#include "engine/simulation/simulation_replication.h"

#include "engine/simulation/random_stream.h"
#include "engine/simulation/simulation_group.h"

#include <algorithm>
#include <cmath>

namespace trevalo::engine {

namespace {

// Served floors drawn by the floors' populations, or evenly.
class FloorDraw {
public:
    explicit FloorDraw(const SimulationSetup& setup) : m_floors(static_cast<int>(setup.levels.size()))
    {
        double sum = 0;
        for (double weight : setup.floorWeights) {
            sum += weight;
            m_cumulative.push_back(sum);
        }
        for (std::size_t i = 0; i < m_cumulative.size(); ++i)
            if (setup.floorWeights[i] > 0)
                m_peopled.push_back(static_cast<int>(i) + 1);
    }

    int operator()(RandomStream& random) const
    {
        const double u = random.unit();
        if (m_cumulative.empty())
            return 1 + std::min(m_floors - 1, static_cast<int>(u * m_floors));
        const auto found = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), u * m_cumulative.back());
        // A draw that rounds up to the whole sum goes to the highest floor anyone lives on.
        return std::min(static_cast<int>(found - m_cumulative.begin()) + 1, m_peopled.back());
    }

    // Another served floor than origin, by the other floors' populations.
    int other(RandomStream& random, int origin) const
    {
        const double u = random.unit();
        if (m_cumulative.empty()) {
            const int floor = 1 + std::min(m_floors - 2, static_cast<int>(u * (m_floors - 1)));
            return floor >= origin ? floor + 1 : floor;
        }
        const auto o = static_cast<std::size_t>(origin - 1);
        const double before = o == 0 ? 0 : m_cumulative[o - 1];
        const double own = m_cumulative[o] - before;
        double target = u * (m_cumulative.back() - own);
        if (target >= before)
            target += own;  // step over the origin's share
        const auto found = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), target);
        const int floor = static_cast<int>(found - m_cumulative.begin()) + 1;
        if (floor != origin && floor <= m_peopled.back())
            return floor;
        // Rounding at the very top: the highest peopled floor other than the origin.
        return m_peopled.back() != origin ? m_peopled.back() : m_peopled[m_peopled.size() - 2];
    }

private:
    int m_floors;
    std::vector<int> m_peopled;  // floors with people, in order
    std::vector<double> m_cumulative;
};

}  // namespace

std::vector<Arrival> randomArrivals(const SimulationSetup& setup, int replication)
{
    RandomStream random(setup.seed, static_cast<std::uint64_t>(replication));
    const FloorDraw floorDraw(setup);
    // All incoming: no kind is drawn, so the draws are those of the up-peak alone.
    const bool mixed = setup.incomingPercent < 100;
    std::vector<Arrival> arrivals;
    arrivals.reserve(static_cast<std::size_t>(setup.arrivalRate * setup.duration * 1.05) + 16);
    double time = 0;
    for (;;) {
        // 1 - u lies in (0, 1]: the logarithm is finite.
        time += -std::log(1 - random.unit()) / setup.arrivalRate;
        if (!(time < setup.duration))
            break;
        const double kind = mixed ? random.unit() * 100 : 0;
        if (kind < setup.incomingPercent) {
            arrivals.push_back({time, floorDraw(random), 0});
        } else if (kind < setup.incomingPercent + setup.outgoingPercent) {
            arrivals.push_back({time, 0, floorDraw(random)});
        } else {
            const int origin = floorDraw(random);
            arrivals.push_back({time, floorDraw.other(random, origin), origin});
        }
    }
    return arrivals;
}

ReplicationRun runReplication(const SimulationSetup& setup, const std::vector<Arrival>& arrivals,
                              const std::atomic<bool>* cancel, const RunTimes* runs)
{
    ReplicationRun result;
    if (!runs) {
        const RunTimes own(setup.levels, setup.ratedSpeed);
        GroupControl(setup, own, arrivals, result).run(cancel);
    } else {
        GroupControl(setup, *runs, arrivals, result).run(cancel);
    }
    return result;
}

}  // namespace trevalo::engine

#include "engine/simulation/simulation_route.h"

#include "engine/analysis/run_model.h"

#include <bit>
#include <cmath>
#include <limits>

namespace trevalo::engine {

bool FloorSet::any() const
{
    for (std::uint64_t w : m_words)
        if (w != 0)
            return true;
    return false;
}

int FloorSet::above(int floor) const
{
    const int from = floor + 1;
    std::size_t i = index(from);
    if (i >= m_words.size())
        return -1;
    std::uint64_t w = m_words[i] & (~std::uint64_t{0} << bit(from));
    for (;;) {
        if (w != 0)
            return static_cast<int>(i * 64) + std::countr_zero(w);
        if (++i == m_words.size())
            return -1;
        w = m_words[i];
    }
}

int FloorSet::below(int floor) const
{
    if (floor <= 0)
        return -1;
    const int from = floor - 1;
    std::size_t i = index(from);
    const unsigned b = bit(from);
    std::uint64_t w = m_words[i] & (b == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (b + 1)) - 1);
    for (;;) {
        if (w != 0)
            return static_cast<int>(i * 64) + 63 - std::countl_zero(w);
        if (i == 0)
            return -1;
        w = m_words[--i];
    }
}

int FloorSet::highest() const
{
    for (std::size_t i = m_words.size(); i-- > 0;)
        if (m_words[i] != 0)
            return static_cast<int>(i * 64) + 63 - std::countl_zero(m_words[i]);
    return -1;
}

void CallPlan::resize(int floors)
{
    carCalls.resize(floors);
    calls[0].resize(floors);
    calls[1].resize(floors);
}

namespace {

// The nearer of two members found beyond a floor (-1: none) in heading d.
int nearer(int a, int b, Heading d)
{
    if (a < 0)
        return b;
    if (b < 0)
        return a;
    return d == Heading::Up ? std::min(a, b) : std::max(a, b);
}

}  // namespace

int CallPlan::nextStop(int x, Heading d) const
{
    const FloorSet& with = calls[static_cast<int>(d)];
    const FloorSet& against = calls[static_cast<int>(opposite(d))];
    if (d == Heading::Up) {
        if (const int n = nearer(carCalls.above(x), with.above(x), d); n >= 0)
            return n;
        const int farthest = against.highest();
        return farthest > x ? farthest : -1;
    }
    if (const int n = nearer(carCalls.below(x), with.below(x), d); n >= 0)
        return n;
    const int farthest = against.lowest();
    return farthest >= 0 && farthest < x ? farthest : -1;
}

bool CallPlan::anyBeyond(int x, Heading d) const
{
    for (const FloorSet* set : {&carCalls, &calls[0], &calls[1]})
        if ((d == Heading::Up ? set->above(x) : set->below(x)) >= 0)
            return true;
    return false;
}

Heading CallPlan::arrivalHeading(int x, Heading d) const
{
    if (holds(x, d) || anyBeyond(x, d))
        return d;
    if (holds(x, opposite(d)) || anyBeyond(x, opposite(d)))
        return opposite(d);
    return Heading::None;
}

RunTimes::RunTimes(const std::vector<double>& servedLevels, double ratedSpeed)
    : m_speed(ratedSpeed), m_count(servedLevels.size() + 1)
{
    m_levels.reserve(m_count);
    m_levels.push_back(0);
    m_levels.insert(m_levels.end(), servedLevels.begin(), servedLevels.end());
    // A table of up to 65,536 runs; a taller building computes each run as it goes.
    if (m_count <= 256) {
        m_table.resize(m_count * m_count);
        for (std::size_t a = 0; a < m_count; ++a)
            for (std::size_t b = 0; b < m_count; ++b)
                m_table[a * m_count + b] = compute(static_cast<int>(a), static_cast<int>(b));
    }
}

double RunTimes::compute(int from, int to) const
{
    const double distance =
        std::abs(m_levels[static_cast<std::size_t>(to)] - m_levels[static_cast<std::size_t>(from)]);
    return runDuration(m_speed, distance).value_or(0);
}

double RunTimes::operator()(int from, int to) const
{
    if (m_table.empty())
        return compute(from, to);
    return m_table[static_cast<std::size_t>(from) * m_count + static_cast<std::size_t>(to)];
}

double routeArrival(CallPlan& plan, int x, Heading heading, double t, int f, Heading s, const RunTimes& runs,
                    double stopCost)
{
    // Each pass serves at least one call or car call of the plan, so the passes are bounded.
    for (;;) {
        const Heading d = heading == Heading::None ? Heading::Up : heading;
        int next = -1;
        Heading served = Heading::None;
        if (plan.holds(x, d)) {
            next = x;
            served = d;
        } else if ((next = plan.nextStop(x, d)) >= 0) {
            t += runs(x, next);
            served = plan.arrivalHeading(next, d);
        } else if (plan.holds(x, opposite(d))) {
            next = x;
            served = opposite(d);
        } else if ((next = plan.nextStop(x, opposite(d))) >= 0) {
            t += runs(x, next);
            served = plan.arrivalHeading(next, opposite(d));
        } else {
            return std::numeric_limits<double>::infinity();
        }
        if (next == f && served == s)
            return t;
        plan.carCalls.reset(next);
        plan.clear(next, served);
        t += stopCost;
        x = next;
        heading = served;
    }
}

}  // namespace trevalo::engine

#pragma once

#include <cstdint>
#include <vector>

namespace trevalo::engine {

enum class Heading : std::uint8_t { Up, Down, None };

inline Heading opposite(Heading heading) { return heading == Heading::Up ? Heading::Down : Heading::Up; }

// A set of floors 0 ... N, one bit each, so that the nearest member beyond a floor is found a
// word at a time.
class FloorSet {
public:
    void resize(int floors) { m_words.assign(static_cast<std::size_t>(floors / 64 + 1), 0); }
    bool has(int floor) const { return (word(floor) >> bit(floor)) & 1u; }
    void set(int floor) { m_words[index(floor)] |= std::uint64_t{1} << bit(floor); }
    void reset(int floor) { m_words[index(floor)] &= ~(std::uint64_t{1} << bit(floor)); }
    bool any() const;
    // The lowest member above floor, the highest below it; -1 when there is none.
    int above(int floor) const;
    int below(int floor) const;
    int lowest() const { return above(-1); }
    int highest() const;

private:
    static std::size_t index(int floor) { return static_cast<std::size_t>(floor) / 64; }
    static unsigned bit(int floor) { return static_cast<unsigned>(floor) % 64; }
    std::uint64_t word(int floor) const { return m_words[index(floor)]; }

    std::vector<std::uint64_t> m_words;
};

// What a car is bound to serve: its car calls and the landing calls allocated to it.
struct CallPlan {
    FloorSet carCalls;
    FloorSet calls[2];  // by heading, up and down

    void resize(int floors);
    bool holds(int floor, Heading heading) const
    {
        return heading != Heading::None && calls[static_cast<int>(heading)].has(floor);
    }
    void clear(int floor, Heading heading)
    {
        if (heading != Heading::None)
            calls[static_cast<int>(heading)].reset(floor);
    }
    // The directional collective's next stop from floor x going d; -1 when there is none in d.
    int nextStop(int x, Heading d) const;
    // The heading a car arriving at x while running d serves, before looking at who waits there.
    Heading arrivalHeading(int x, Heading d) const;
    // A car call, or a call of either heading, strictly beyond x in d.
    bool anyBeyond(int x, Heading d) const;
};

// Run durations between floors 0 ... N (the main floor at level 0), kept as a table for the
// buildings most often simulated.
class RunTimes {
public:
    RunTimes(const std::vector<double>& servedLevels, double ratedSpeed);
    double operator()(int from, int to) const;

private:
    double compute(int from, int to) const;

    std::vector<double> m_levels;  // floor 0 first
    double m_speed;
    std::size_t m_count;
    std::vector<double> m_table;  // empty when too large to hold
};

// When a car would begin the stop (f, s) if it followed its plan (which this consumes) from the
// end of a stop at x serving heading, at time t; each stop on the way costs stopCost. Infinite
// when the plan never reaches it.
double routeArrival(CallPlan& plan, int x, Heading heading, double t, int f, Heading s, const RunTimes& runs,
                    double stopCost);

}  // namespace trevalo::engine

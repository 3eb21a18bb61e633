#pragma once

#include "engine/simulation/simulation_replication.h"
#include "engine/simulation/simulation_route.h"
#include "engine/simulation/simulation_types.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <queue>
#include <vector>

namespace trevalo::engine {

// Passengers waiting at one floor for one heading, in arrival order.
class Line {
public:
    bool empty() const { return m_head == m_items.size(); }
    std::size_t size() const { return m_items.size() - m_head; }
    std::uint32_t at(std::size_t i) const { return m_items[m_head + i]; }
    void push(std::uint32_t passenger)
    {
        if (m_head > 64 && m_head * 2 > m_items.size()) {
            m_items.erase(m_items.begin(), m_items.begin() + static_cast<std::ptrdiff_t>(m_head));
            m_head = 0;
        }
        m_items.push_back(passenger);
    }
    // Takes the i-th waiting passenger out, keeping the others in order; i is small (at most a
    // car's limit), so this costs no more than the limit whatever the line's length.
    std::uint32_t take(std::size_t i)
    {
        const std::uint32_t passenger = m_items[m_head + i];
        for (std::size_t j = m_head + i; j > m_head; --j)
            m_items[j] = m_items[j - 1];
        ++m_head;
        return passenger;
    }

private:
    std::vector<std::uint32_t> m_items;
    std::size_t m_head = 0;
};

// One replication under the group collective control.
class GroupControl {
public:
    GroupControl(const SimulationSetup& setup, const RunTimes& runs, const std::vector<Arrival>& arrivals,
                 ReplicationRun& run);
    void run(const std::atomic<bool>* cancel);

private:
    // Instants that agree this closely are the same instant.
    static constexpr double kSameInstant = 1e-9;
    static constexpr int kNoCall = -1;
    static constexpr int kUnallocated = -2;
    static constexpr int kPassengerOrder = 2;

    enum class CarState : std::uint8_t { Parked, Loading, Stop, Running };
    enum class EventKind : std::uint8_t { StopEnds, DwellEnds, LoadingLeaves, Arrives, TransferEnds };

    struct Car {
        CarState state = CarState::Parked;
        int floor = 0;  // where it stands, or where it runs to
        Heading travel = Heading::Up;
        Heading serving = Heading::None;
        CallPlan plan;
        int callsHeld = 0;
        std::int64_t aboard = 0;
        std::vector<std::vector<std::uint32_t>> riders;  // by destination floor
        double arrival = 0;     // running: when it arrives
        double doorsClose = 0;  // at a stop or loading: when its doors closed
        double eventTime = 0;   // of its scheduled event
        bool inTransfers = false, alighting = false, busy = false;
        bool accepting = false, boarded = false, leaving = false;  // the loading car
        double deadline = 0;  // the loading car's dwell runs out
        bool scheduled = false;
        std::uint32_t version = 0;
    };

    // A car's next event; each car has at most one, a newer one replacing it.
    struct Event {
        double time;
        int order;  // at the same instant: 0 stops end, 1 cars arrive, 3 transfers end
        int car;
        std::uint32_t version;
        EventKind kind;
        bool operator>(const Event& other) const
        {
            if (time != other.time)
                return time > other.time;
            return order != other.order ? order > other.order : car > other.car;
        }
    };

    bool step();
    void schedule(int car, EventKind kind, double time);
    bool current(const Event& event) const;
    static std::size_t slotOf(int floor, Heading heading)
    {
        return static_cast<std::size_t>(floor) * 2 + static_cast<std::size_t>(heading);
    }

    void passengerArrives(std::size_t index);
    void joinLobby(int car, double t);
    void becomeLoading(int car, double t);
    void board(int car, std::uint32_t passenger, double t);
    void closeLoadingDoors(int car, double t);
    void loadingTransferEnds(int car, double t);
    void loadingLeaves(int car, double t);
    void runTo(int car, int from, int to, Heading heading, double t);
    void arrive(int car, double t);
    Heading longestWaiting(int x) const;
    void beginStop(int car, int x, Heading heading, double t, std::int64_t alighting);
    void afterAlighting(int car, double t);
    void transferEnds(int car, double t);
    std::size_t keptByLoadingCar() const;
    std::size_t waitingFor(const Car& car) const;
    void continueTransfers(int car, double t);
    void endTransfers(int car);
    void endStop(int car, double t);
    void leaveFloor(int car, int next, Heading heading, double t);
    void clearCall(int x, Heading heading);
    void allocate(int f, Heading s, double t);
    void allocateWaiting(double t);
    double estimatedArrival(int car, int f, Heading s, double now);

    const SimulationSetup& m_setup;
    const RunTimes& m_runs;
    const std::vector<Arrival>& m_arrivals;
    ReplicationRun& m_run;
    int m_floors;
    std::int64_t m_limit;
    std::vector<Car> m_cars;
    std::vector<Line> m_lines;          // by floor and heading; the main floor's is m_mainLine
    std::vector<int> m_transferring;    // cars at a stop there in their transfers
    std::vector<int> m_holder;          // the car holding the call, or kNoCall, kUnallocated
    std::vector<std::size_t> m_unallocated;  // calls that found no eligible car, in order
    Line m_mainLine;
    std::deque<int> m_parked;  // the lobby queue behind the loading car
    int m_loadingCar = -1;
    std::priority_queue<Event, std::vector<Event>, std::greater<>> m_events;
    std::vector<Event> m_pending;
    CallPlan m_scratch;
    std::size_t m_next = 0;  // the next passenger to arrive
    std::size_t m_delivered = 0;
};

}  // namespace trevalo::engine

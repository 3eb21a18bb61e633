// The group collective control, event by event: the lobby queue and its loading car at the
// main floor, stops at every floor, landing calls allocated to the car that would reach them
// first, and each car's directional collective route.
#include "engine/simulation/simulation_group.h"

#include <algorithm>
#include <limits>

namespace trevalo::engine {

GroupControl::GroupControl(const SimulationSetup& setup, const RunTimes& runs, const std::vector<Arrival>& arrivals,
                           ReplicationRun& run)
    : m_setup(setup), m_runs(runs), m_arrivals(arrivals), m_run(run),
      m_floors(static_cast<int>(setup.levels.size()) + 1), m_limit(setup.boardingLimit),
      m_lines(static_cast<std::size_t>(m_floors) * 2), m_transferring(m_lines.size(), 0),
      m_holder(m_lines.size(), kNoCall)
{
    m_cars.resize(static_cast<std::size_t>(setup.cars));
    for (Car& car : m_cars) {
        car.plan.resize(m_floors);
        car.riders.resize(static_cast<std::size_t>(m_floors));
    }
    m_scratch.resize(m_floors);
    m_run.passages.resize(arrivals.size());
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        Passage& passage = m_run.passages[i];
        passage.arrival = arrivals[i].time;
        passage.floor = arrivals[i].floor;
        passage.origin = arrivals[i].origin;
    }
}

void GroupControl::run(const std::atomic<bool>* cancel)
{
    // At time 0 all cars stand at the main floor in number order; the first loads.
    for (int car = 0; car < static_cast<int>(m_cars.size()); ++car)
        joinLobby(car, 0);
    const std::size_t count = m_arrivals.size();
    std::size_t steps = 0;
    while (m_delivered < count) {
        if (cancel && (steps++ & 1023) == 0 && cancel->load(std::memory_order_relaxed)) {
            m_run.cancelled = true;
            return;
        }
        if (!step())
            break;  // nothing left to happen: cannot be while someone is undelivered
    }
}

// Takes the next event: the earliest, and of those at the same instant the first by class,
// then by car number or list order.
bool GroupControl::step()
{
    constexpr double kNever = std::numeric_limits<double>::infinity();
    while (!m_events.empty() && !current(m_events.top()))
        m_events.pop();
    const double carTime = m_events.empty() ? kNever : m_events.top().time;
    const double passengerTime = m_next < m_arrivals.size() ? m_arrivals[m_next].time : kNever;
    const double now = std::min(carTime, passengerTime);
    if (now == kNever)
        return false;
    m_pending.clear();
    while (!m_events.empty() && m_events.top().time <= now + kSameInstant) {
        if (current(m_events.top()))
            m_pending.push_back(m_events.top());
        m_events.pop();
    }
    const auto best = std::min_element(m_pending.begin(), m_pending.end(), [](const Event& a, const Event& b) {
        return a.order != b.order ? a.order < b.order : a.car < b.car;
    });
    const bool passengerFirst = passengerTime <= now + kSameInstant &&
                                (best == m_pending.end() || best->order > kPassengerOrder);
    if (passengerFirst) {
        for (const Event& event : m_pending)
            m_events.push(event);
        passengerArrives(m_next++);
        return true;
    }
    const Event chosen = *best;
    for (const Event& event : m_pending)
        if (&event != &*best)
            m_events.push(event);
    Car& car = m_cars[static_cast<std::size_t>(chosen.car)];
    car.scheduled = false;
    switch (chosen.kind) {
    case EventKind::StopEnds: endStop(chosen.car, chosen.time); break;
    case EventKind::DwellEnds: closeLoadingDoors(chosen.car, chosen.time); break;
    case EventKind::LoadingLeaves: loadingLeaves(chosen.car, chosen.time); break;
    case EventKind::Arrives: arrive(chosen.car, chosen.time); break;
    case EventKind::TransferEnds: transferEnds(chosen.car, chosen.time); break;
    }
    return true;
}

void GroupControl::schedule(int carIndex, EventKind kind, double time)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    ++car.version;
    car.scheduled = true;
    car.eventTime = time;
    const int order = kind == EventKind::Arrives ? 1 : kind == EventKind::TransferEnds ? 3 : 0;
    m_events.push({time, order, carIndex, car.version, kind});
}

bool GroupControl::current(const Event& event) const
{
    const Car& car = m_cars[static_cast<std::size_t>(event.car)];
    return car.scheduled && car.version == event.version;
}

void GroupControl::passengerArrives(std::size_t index)
{
    const Arrival& arrival = m_arrivals[index];
    const auto passenger = static_cast<std::uint32_t>(index);
    if (arrival.origin == 0) {
        m_mainLine.push(passenger);
        if (m_loadingCar >= 0) {
            Car& loading = m_cars[static_cast<std::size_t>(m_loadingCar)];
            if (loading.accepting && !loading.busy)
                board(m_loadingCar, m_mainLine.take(0), arrival.time);
        }
        return;
    }
    const Heading heading = arrival.floor > arrival.origin ? Heading::Up : Heading::Down;
    const std::size_t slot = slotOf(arrival.origin, heading);
    m_lines[slot].push(passenger);
    // A car taking passengers there takes this one too; a registered call already stands.
    if (m_transferring[slot] == 0 && m_holder[slot] == kNoCall)
        allocate(arrival.origin, heading, arrival.time);
}

void GroupControl::joinLobby(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.state = CarState::Parked;
    car.floor = 0;
    car.serving = Heading::None;
    if (m_loadingCar < 0)
        becomeLoading(carIndex, t);
    else
        m_parked.push_back(carIndex);
}

void GroupControl::becomeLoading(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    m_loadingCar = carIndex;
    car.state = CarState::Loading;
    car.accepting = true;
    car.boarded = false;
    car.leaving = false;
    car.busy = false;
    if (!m_mainLine.empty())
        board(carIndex, m_mainLine.take(0), t);
}

void GroupControl::board(int carIndex, std::uint32_t passenger, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    Passage& passage = m_run.passages[passenger];
    passage.boardingStart = t;
    passage.car = carIndex;
    ++car.aboard;
    car.riders[static_cast<std::size_t>(passage.floor)].push_back(passenger);
    car.plan.carCalls.set(passage.floor);
    car.busy = true;
    schedule(carIndex, EventKind::TransferEnds, t + m_setup.transferTime);
}

void GroupControl::closeLoadingDoors(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.accepting = false;
    car.doorsClose = t;
    schedule(carIndex, EventKind::LoadingLeaves, t + m_setup.doorTime);
}

void GroupControl::loadingTransferEnds(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    if (!car.boarded) {
        car.boarded = true;
        car.deadline = t + m_setup.dwell;
    }
    if (car.aboard >= m_limit)
        closeLoadingDoors(carIndex, t);
    else if (!m_mainLine.empty())
        board(carIndex, m_mainLine.take(0), t);
    else if (t >= car.deadline - kSameInstant)
        closeLoadingDoors(carIndex, t);
    else
        schedule(carIndex, EventKind::DwellEnds, car.deadline);
}

void GroupControl::loadingLeaves(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    m_loadingCar = -1;
    car.accepting = false;
    car.leaving = false;
    if (!car.plan.carCalls.any() && car.callsHeld == 0) {
        // An empty car whose call another car took: it stays, at the end of the queue.
        if (m_parked.empty()) {
            becomeLoading(carIndex, t);
        } else {
            const int next = m_parked.front();
            m_parked.pop_front();
            m_parked.push_back(carIndex);
            becomeLoading(next, t);
        }
        return;
    }
    m_run.departures.push_back({carIndex, car.doorsClose, t, car.aboard});
    runTo(carIndex, 0, car.plan.nextStop(0, Heading::Up), Heading::Up, t);
    if (!m_parked.empty()) {
        const int next = m_parked.front();
        m_parked.pop_front();
        becomeLoading(next, t);
    }
    allocateWaiting(t);
}

void GroupControl::runTo(int carIndex, int from, int to, Heading heading, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.state = CarState::Running;
    car.floor = to;
    car.travel = heading;
    car.serving = Heading::None;
    car.arrival = t + m_runs(from, to);
    schedule(carIndex, EventKind::Arrives, car.arrival);
}

void GroupControl::arrive(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    const int x = car.floor;
    auto& riders = car.riders[static_cast<std::size_t>(x)];
    const auto alighting = static_cast<std::int64_t>(riders.size());
    for (std::uint32_t passenger : riders)
        m_run.passages[passenger].destinationTime = t;
    m_delivered += riders.size();
    riders.clear();
    car.aboard -= alighting;
    car.plan.carCalls.reset(x);
    if (x == 0) {
        if (alighting == 0 && car.callsHeld == 0)
            joinLobby(carIndex, t);
        else
            beginStop(carIndex, 0, Heading::Up, t, alighting);
        return;
    }
    Heading heading = car.plan.arrivalHeading(x, car.travel);
    if (heading == Heading::None)
        heading = longestWaiting(x);
    beginStop(carIndex, x, heading, t, alighting);
}

Heading GroupControl::longestWaiting(int x) const
{
    const Line& up = m_lines[slotOf(x, Heading::Up)];
    const Line& down = m_lines[slotOf(x, Heading::Down)];
    if (up.empty() && down.empty())
        return Heading::None;
    if (down.empty())
        return Heading::Up;
    if (up.empty())
        return Heading::Down;
    // Arrival order is list order, so the lower index has waited longer.
    return up.at(0) < down.at(0) ? Heading::Up : Heading::Down;
}

void GroupControl::beginStop(int carIndex, int x, Heading heading, double t, std::int64_t alighting)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.state = CarState::Stop;
    car.floor = x;
    car.serving = heading;
    car.inTransfers = true;
    if (heading != Heading::None) {
        clearCall(x, heading);
        ++m_transferring[slotOf(x, heading)];
    }
    if (alighting > 0) {
        car.alighting = true;
        car.busy = true;
        schedule(carIndex, EventKind::TransferEnds, t + static_cast<double>(alighting) * m_setup.transferTime);
    } else {
        afterAlighting(carIndex, t);
    }
}

void GroupControl::afterAlighting(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.alighting = false;
    // At the main floor a car with no call to answer goes to the queue once the last is off.
    if (car.floor == 0 && car.callsHeld == 0) {
        endTransfers(carIndex);
        joinLobby(carIndex, t);
        allocateWaiting(t);
        return;
    }
    continueTransfers(carIndex, t);
}

void GroupControl::transferEnds(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.busy = false;
    if (car.state == CarState::Loading)
        loadingTransferEnds(carIndex, t);
    else if (car.alighting)
        afterAlighting(carIndex, t);
    else
        continueTransfers(carIndex, t);
}

std::size_t GroupControl::keptByLoadingCar() const
{
    if (m_loadingCar < 0)
        return 0;
    const Car& loading = m_cars[static_cast<std::size_t>(m_loadingCar)];
    return loading.accepting ? static_cast<std::size_t>(std::max<std::int64_t>(0, m_limit - loading.aboard)) : 0;
}

std::size_t GroupControl::waitingFor(const Car& car) const
{
    if (car.serving == Heading::None)
        return 0;
    if (car.floor == 0) {
        const std::size_t kept = keptByLoadingCar();
        return m_mainLine.size() > kept ? m_mainLine.size() - kept : 0;
    }
    return m_lines[slotOf(car.floor, car.serving)].size();
}

void GroupControl::continueTransfers(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    const int x = car.floor;
    const Heading heading = car.serving;
    if (car.aboard < m_limit && waitingFor(car) > 0) {
        const std::uint32_t passenger =
            x == 0 ? m_mainLine.take(keptByLoadingCar()) : m_lines[slotOf(x, heading)].take(0);
        board(carIndex, passenger, t);
        return;
    }
    endTransfers(carIndex);
    // Those the full car leaves behind call again; the full car cannot take the call.
    if (x > 0 && heading != Heading::None) {
        const std::size_t slot = slotOf(x, heading);
        if (!m_lines[slot].empty() && m_holder[slot] == kNoCall)
            allocate(x, heading, t);
    }
    if (x == 0 && !car.plan.carCalls.any() && car.callsHeld == 0) {
        joinLobby(carIndex, t);
        allocateWaiting(t);
        return;
    }
    car.doorsClose = t;
    schedule(carIndex, EventKind::StopEnds, t + m_setup.doorTime);
}

void GroupControl::endTransfers(int carIndex)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    car.inTransfers = false;
    if (car.serving != Heading::None)
        --m_transferring[slotOf(car.floor, car.serving)];
}

void GroupControl::endStop(int carIndex, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    const int x = car.floor;
    const Heading served = car.serving == Heading::None ? Heading::Up : car.serving;
    const CallPlan& plan = car.plan;
    int next = -1;
    if (plan.holds(x, served)) {
        beginStop(carIndex, x, served, t, 0);
    } else if ((next = plan.nextStop(x, served)) >= 0) {
        leaveFloor(carIndex, next, served, t);
    } else if (plan.holds(x, opposite(served))) {
        beginStop(carIndex, x, opposite(served), t, 0);
    } else if ((next = plan.nextStop(x, opposite(served))) >= 0) {
        leaveFloor(carIndex, next, opposite(served), t);
    } else if (x == 0) {
        joinLobby(carIndex, t);
    } else {
        runTo(carIndex, x, 0, Heading::Down, t);  // home, in one run
    }
    allocateWaiting(t);
}

void GroupControl::leaveFloor(int carIndex, int next, Heading heading, double t)
{
    Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    if (car.floor == 0)
        m_run.departures.push_back({carIndex, car.doorsClose, t, car.aboard});
    runTo(carIndex, car.floor, next, heading, t);
}

void GroupControl::clearCall(int x, Heading heading)
{
    const std::size_t slot = slotOf(x, heading);
    const int holder = m_holder[slot];
    if (holder >= 0) {
        Car& car = m_cars[static_cast<std::size_t>(holder)];
        car.plan.clear(x, heading);
        --car.callsHeld;
    } else if (holder == kUnallocated) {
        m_unallocated.erase(std::find(m_unallocated.begin(), m_unallocated.end(), slot));
    }
    m_holder[slot] = kNoCall;
}

void GroupControl::allocate(int f, Heading s, double t)
{
    const std::size_t slot = slotOf(f, s);
    int best = -1;
    double bestTime = std::numeric_limits<double>::infinity();
    for (int index = 0; index < static_cast<int>(m_cars.size()); ++index) {
        const double time = estimatedArrival(index, f, s, t);
        if (time < bestTime - kSameInstant) {
            best = index;
            bestTime = time;
        }
    }
    if (best < 0) {
        m_holder[slot] = kUnallocated;
        m_unallocated.push_back(slot);
        return;
    }
    m_holder[slot] = best;
    Car& car = m_cars[static_cast<std::size_t>(best)];
    car.plan.calls[static_cast<int>(s)].set(f);
    ++car.callsHeld;
    if (car.state == CarState::Parked) {
        // Its doors are closed: it leaves the queue and the main floor at once.
        m_parked.erase(std::find(m_parked.begin(), m_parked.end(), best));
        car.doorsClose = t;
        m_run.departures.push_back({best, t, t, 0});
        runTo(best, 0, car.plan.nextStop(0, Heading::Up), Heading::Up, t);
    } else if (car.state == CarState::Loading && !car.leaving) {
        car.leaving = true;
        closeLoadingDoors(best, t);
    }
}

void GroupControl::allocateWaiting(double t)
{
    if (m_unallocated.empty())
        return;
    const std::vector<std::size_t> waiting = m_unallocated;
    m_unallocated.clear();
    for (std::size_t slot : waiting) {
        if (m_holder[slot] != kUnallocated)
            continue;
        m_holder[slot] = kNoCall;
        const int f = static_cast<int>(slot / 2);
        allocate(f, slot % 2 == 0 ? Heading::Up : Heading::Down, t);
    }
}

double GroupControl::estimatedArrival(int carIndex, int f, Heading s, double now)
{
    const Car& car = m_cars[static_cast<std::size_t>(carIndex)];
    constexpr double kIneligible = std::numeric_limits<double>::infinity();
    if (car.state == CarState::Loading && car.aboard > 0)
        return kIneligible;
    if (car.state == CarState::Stop && car.floor == f && car.serving == s && car.aboard >= m_limit)
        return kIneligible;
    const double stopCost = m_setup.doorTime + m_setup.transferTime;
    m_scratch = car.plan;
    m_scratch.calls[static_cast<int>(s)].set(f);
    switch (car.state) {
    case CarState::Parked:
        return routeArrival(m_scratch, 0, Heading::Up, now, f, s, m_runs, stopCost);
    case CarState::Loading: {
        const double leaves = car.leaving ? car.doorsClose + m_setup.doorTime : now + m_setup.doorTime;
        return routeArrival(m_scratch, 0, Heading::Up, leaves, f, s, m_runs, stopCost);
    }
    case CarState::Stop: {
        double end = car.doorsClose + m_setup.doorTime;
        if (car.inTransfers) {
            const auto room = static_cast<std::size_t>(std::max<std::int64_t>(0, m_limit - car.aboard));
            const auto boarding = static_cast<double>(std::min(waitingFor(car), room));
            end = (car.busy ? car.eventTime : now) + boarding * m_setup.transferTime + m_setup.doorTime;
        }
        return routeArrival(m_scratch, car.floor, car.serving, end, f, s, m_runs, stopCost);
    }
    case CarState::Running:
        break;
    }
    const int x = car.floor;
    const Heading served = m_scratch.arrivalHeading(x, car.travel);
    if (x == f && served == s)
        return car.arrival;
    m_scratch.carCalls.reset(x);
    m_scratch.clear(x, served);
    return routeArrival(m_scratch, x, served, car.arrival + stopCost, f, s, m_runs, stopCost);
}

}  // namespace trevalo::engine

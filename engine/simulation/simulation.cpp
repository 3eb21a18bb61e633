#include "engine/simulation/simulation.h"

#include "engine/simulation/simulation_replication.h"
#include "engine/simulation/simulation_statistics.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace trevalo::engine {

namespace {

std::vector<TraceRow> traceOf(const ReplicationRun& run, int replication)
{
    std::vector<TraceRow> rows;
    rows.reserve(run.passages.size());
    for (std::size_t i = 0; i < run.passages.size(); ++i) {
        const Passage& p = run.passages[i];
        rows.push_back(
            {replication + 1, i + 1, p.arrival, p.floor, p.car + 1, p.boardingStart, p.destinationTime, p.origin});
    }
    return rows;
}

bool isCancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

}  // namespace

SimulationSummary simulate(const SimulationSetup& setup, bool keepTrace, const std::atomic<bool>* cancel,
                           const std::function<void(int done, int total)>& progress)
{
    const int total = setup.replications;
    const RunTimes runs(setup.levels, setup.ratedSpeed);
    std::vector<ReplicationTally> tallies(static_cast<std::size_t>(total));
    std::vector<std::vector<TraceRow>> traces(keepTrace ? tallies.size() : 0);
    std::atomic<int> nextReplication{0};
    std::mutex mutex;
    std::condition_variable finished;
    int done = 0;
    int workersLeft = 0;

    auto work = [&] {
        for (int r = nextReplication++; r < total && !isCancelled(cancel); r = nextReplication++) {
            const std::vector<Arrival> arrivals =
                setup.hasPassengerList() ? setup.passengerList : randomArrivals(setup, r);
            const ReplicationRun run = runReplication(setup, arrivals, cancel, &runs);
            if (run.cancelled)
                break;
            const auto index = static_cast<std::size_t>(r);
            tallies[index] = tallyReplication(setup, run);
            if (keepTrace)
                traces[index] = traceOf(run, r);
            const std::lock_guard lock(mutex);
            ++done;
            finished.notify_one();
        }
        const std::lock_guard lock(mutex);
        --workersLeft;
        finished.notify_one();
    };

    // Each replication draws from its own stream and keeps its own place, so the figures do
    // not depend on the number of threads. The calling thread only reports progress.
    const int threads = std::max(1, std::min(static_cast<int>(std::thread::hardware_concurrency()), total));
    workersLeft = threads;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        int reported = 0;
        for (;;) {
            finished.wait(lock, [&] { return done > reported || workersLeft == 0; });
            if (done == reported)
                break;  // every worker has stopped and each replication is reported
            reported = done;
            if (progress) {
                lock.unlock();
                progress(reported, total);
                lock.lock();
            }
        }
    }
    for (std::thread& worker : workers)
        worker.join();

    if (done < total) {
        SimulationSummary cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    SimulationSummary summary = summarise(tallies);
    for (std::vector<TraceRow>& rows : traces)
        summary.trace.insert(summary.trace.end(), rows.begin(), rows.end());
    return summary;
}

}  // namespace trevalo::engine

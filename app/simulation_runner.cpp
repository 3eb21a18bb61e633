#include "app/simulation_runner.h"

#include "engine/simulation/simulation.h"

#include <QMetaObject>
#include <QTimer>

namespace trevalo {

namespace {

// A run shorter than this shows no progress bar at all.
constexpr qint64 kMomentMs = 300;

}  // namespace

SimulationRunner::SimulationRunner(QObject* parent) : QObject(parent) {}

SimulationRunner::~SimulationRunner() { stop(); }

void SimulationRunner::stop()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

void SimulationRunner::start(engine::SimulationSetup setup, Progress progress, Finished finished)
{
    stop();
    m_cancel = false;
    m_started.start();
    const int run = ++m_run;
    const int replications = setup.replications;
    // The progress bar appears after a moment even before the first replication ends.
    QTimer::singleShot(kMomentMs, this, [this, run, replications, progress] {
        if (run == m_run && isRunning())
            progress(0, replications);
    });
    // Calls into the runner are queued to its thread; a runner gone by then drops them, and a
    // call of an earlier run is passed over.
    m_thread = std::thread([this, run, setup = std::move(setup), progress = std::move(progress),
                            finished = std::move(finished)] {
        const auto report = [this, run, progress](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, run, progress, done, total] {
                    if (run == m_run && m_started.elapsed() > kMomentMs)
                        progress(done, total);
                },
                Qt::QueuedConnection);
        };
        auto summary = std::make_shared<engine::SimulationSummary>(engine::simulate(setup, false, &m_cancel, report));
        QMetaObject::invokeMethod(
            this,
            [this, run, summary, finished] {
                if (run != m_run)
                    return;
                if (m_thread.joinable())
                    m_thread.join();
                finished(*summary);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace trevalo

#pragma once

#include "engine/simulation/simulation_types.h"

#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace trevalo {

// Runs one simulation at a time on a thread of its own and hands its progress and its summary
// back on the thread that owns the runner. Destroying the runner cancels a run and waits for it.
class SimulationRunner : public QObject {
    Q_OBJECT
public:
    using Finished = std::function<void(const engine::SimulationSummary&)>;
    using Progress = std::function<void(int done, int total)>;

    explicit SimulationRunner(QObject* parent = nullptr);
    ~SimulationRunner() override;

    bool isRunning() const { return m_thread.joinable(); }
    // Progress is reported only once the run has lasted more than a moment.
    void start(engine::SimulationSetup setup, Progress progress, Finished finished);
    void cancel() { m_cancel = true; }

private:
    void stop();

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    QElapsedTimer m_started;
    int m_run = 0;
};

}  // namespace trevalo

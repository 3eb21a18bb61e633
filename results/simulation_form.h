#pragma once

#include "engine/analysis.h"
#include "engine/simulation.h"
#include "engine/simulation_entry_table.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace trevalo {

class WaitHistogram;

// The waiting time target and whether the simulated average wait meets it.
struct AwtVerdict {
    double target = 0;
    bool met = false;
};

// Form8 "交通仿真": the simulation's entries (an empty one shows its default in grey), the
// passenger list imported, and after a run the simulated figures beside the calculation's,
// the verdict on the waiting time target and the waiting times as a bar chart. The form runs
// nothing itself: it reports its buttons and shows what it is given.
class SimulationForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEntryCount = static_cast<int>(engine::kSimulationEntryCount);

    explicit SimulationForm(QWidget* parent = nullptr);

    void setEntries(const engine::SimulationEntries& entries);
    engine::SimulationEntries entries() const;
    void setPassengers(std::vector<engine::PassengerEntry> passengers);
    // The demand an empty entry takes, shown as its placeholder.
    void setDefaultDemand(double percent);

    // While a run lasts: the start button and the entries are disabled, the cancel button and
    // (once showProgress is called) the progress bar show.
    void setRunning(bool running);
    void showProgress(int done, int total);
    bool isRunning() const { return m_running; }

    // The simulated figures beside the calculation's own, where it has them.
    void showSummary(const engine::SimulationSummary& summary, const engine::SingleResult& calculated,
                     const std::optional<AwtVerdict>& verdict);
    // No figures: before the first run, after a cancelled one or refused entries.
    void clearSummary(const QString& status = {});
    // The texts of the figures' rows: caption, simulated, calculated.
    QString figureText(int row, int column) const;
    QString verdictText() const;
    QString statusText() const;
    const WaitHistogram& histogram() const { return *m_histogram; }

signals:
    void startRequested();
    void cancelRequested();
    void importRequested();
    void backRequested();
    void exportRequested();

private:
    void showPassengerCount();

    std::array<QLineEdit*, kEntryCount> m_entries{};
    std::vector<engine::PassengerEntry> m_passengers;
    QLabel* m_passengerCount = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_clearPassengers = nullptr;
    QPushButton* m_export = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_verdict = nullptr;
    std::vector<std::array<QLabel*, 3>> m_figures;
    WaitHistogram* m_histogram = nullptr;
    bool m_running = false;
};

}  // namespace trevalo

#pragma once

#include "engine/analysis/single_result.h"
#include "engine/simulation/simulation_entries.h"
#include "engine/simulation/simulation_entry_table.h"
#include "engine/simulation/simulation_types.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace trevalo {

class FloorWaitChart;
class KindFiguresTable;
class TrafficChoice;
class WaitHistogram;

// Form8 "交通仿真": the traffic pattern and the simulation's entries (an empty one shows its
// default in grey), the passenger list imported, and after a run the simulated figures beside
// the calculation's, the figures by kind of passenger, the verdict on the waiting time target
// and the waiting times as bar charts. The form runs nothing itself: it reports its buttons
// and shows what it is given.
class SimulationForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEntryCount = static_cast<int>(engine::kSimulationEntryCount);

    explicit SimulationForm(QWidget* parent = nullptr);

    void setEntries(const engine::SimulationEntries& entries);
    engine::SimulationEntries entries() const;
    void setPassengers(std::vector<engine::PassengerEntry> passengers);
    // The project's targets: the demand and waiting time target an empty entry takes, shown as
    // their placeholders, and where they come from.
    void setProjectTargets(double hcPercent, std::optional<double> awt, const QString& source);

    // While a run lasts: the start button and the entries are disabled, the cancel button and
    // (once showProgress is called) the progress bar show.
    void setRunning(bool running);
    void showProgress(int done, int total);
    bool isRunning() const { return m_running; }

    // The simulated figures beside the calculation's own, where it has them; the average and
    // the worst five minutes' waits judged against the target, if any; the note said before
    // the figures, if any.
    void showSummary(const engine::SimulationSummary& summary, const engine::SingleResult& calculated,
                     std::optional<double> awtTarget, const QString& note = {});
    // No figures: before the first run, after a cancelled one or refused entries.
    void clearSummary(const QString& status = {});
    // The texts of the figures' rows: caption, simulated, calculated.
    QString figureText(int row, int column) const;
    QString verdictText() const;
    QString statusText() const;
    QString noteText() const;
    const WaitHistogram& histogram() const { return *m_histogram; }
    const FloorWaitChart& floorChart() const { return *m_floorChart; }
    const KindFiguresTable& kindTable() const { return *m_kindTable; }

signals:
    void startRequested();
    void cancelRequested();
    void importRequested();
    void backRequested();
    void exportRequested();
    void passengersChanged();

private:
    void showPassengerCount();
    void enableEntries();

    std::array<QLineEdit*, kEntryCount> m_entries{};
    // The traffic entries: incoming, outgoing and interfloor shares, the waiting time target.
    std::array<QLineEdit*, 4> m_trafficEntries{};
    QComboBox* m_traffic = nullptr;
    TrafficChoice* m_trafficChoice = nullptr;
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
    QLabel* m_note = nullptr;
    KindFiguresTable* m_kindTable = nullptr;
    FloorWaitChart* m_floorChart = nullptr;
    std::vector<std::array<QLabel*, 3>> m_figures;
    WaitHistogram* m_histogram = nullptr;
    bool m_running = false;
};

}  // namespace trevalo

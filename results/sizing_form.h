#pragma once

#include "engine/sizing/sizing_minimums.h"
#include "engine/sizing/sizing_search.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace trevalo {

class SizingTableModel;

// Form7 "电梯选型": the design targets, the largest group and the rated speeds to try, and
// below them the configurations that meet the targets, ranked. The form runs no calculation of
// its own: every change of an entry hands the entries to the search the assembly gave it and
// shows what comes back, at once.
class SizingForm : public QWidget {
    Q_OBJECT
public:
    using Search = std::function<engine::SizingResult(const engine::SizingEntries&)>;

    explicit SizingForm(QWidget* parent = nullptr);

    void setSearch(Search search);
    // The building type decides the sources shown beside the targets and the grade column;
    // the building's codes the least cars and load, the fire lift's run and their sources.
    void setBuildingType(engine::BuildingType type, const engine::SizingMinimums& minimums = {});
    std::optional<engine::BuildingType> buildingType() const { return m_type; }
    // Shows the entries (a speed beyond the standard list gets a box of its own) and searches.
    void setEntries(const engine::SizingEntries& entries);
    engine::SizingEntries entries() const;
    // Searches again on the entries as they stand (the input forms may have changed).
    void refresh();

    // The outcome shown; empty when the entries were refused.
    const std::optional<engine::SizingOutcome>& outcome() const { return m_outcome; }
    // The configuration of the selected row (the first one unless the user chose another).
    const engine::SizingCandidate* selectedCandidate() const;

signals:
    void adoptRequested(const trevalo::engine::SizingCandidate& candidate);
    void backRequested();
    void endRequested();
    void exportRequested();

private:
    void buildTargets(QGridLayout* grid);
    QCheckBox* addSpeedBox(const QString& text);
    void entriesEdited();
    void showSources();
    void showResult(const engine::SizingResult& result);
    void adoptSelected();

    Search m_search;
    bool m_setting = false;  // entries being set: one search at the end, not one per field
    std::optional<engine::BuildingType> m_type;
    std::optional<engine::SizingOutcome> m_outcome;
    QLineEdit* m_hc = nullptr;
    QLineEdit* m_interval = nullptr;
    QLineEdit* m_awt = nullptr;
    QLineEdit* m_maxCars = nullptr;
    QLineEdit* m_leastCars = nullptr;
    QLineEdit* m_leastLoad = nullptr;
    QLabel* m_hcSource = nullptr;
    QLabel* m_intervalSource = nullptr;
    QLabel* m_leastCarsSource = nullptr;
    QLabel* m_leastLoadSource = nullptr;
    QLabel* m_runTimeNote = nullptr;
    engine::SizingMinimums m_minimums;
    std::vector<QCheckBox*> m_speeds;
    QGridLayout* m_speedGrid = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_explanation = nullptr;
    SizingTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_adopt = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace trevalo

#pragma once

#include "engine/analysis/load_table.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace trevalo::results {
class CaptionLabel;
}

namespace trevalo {

// Form6: the load sweep, one row per standard rated load. Column arrays Label1 .. Label8 hold
// the cells (Label1 the fixed load/persons keys), Label17 the headers. The analysis decides
// every text, the header labels and whether row 0 stands; the form only shows them.
class LoadTableForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = engine::kLoadTableRows;
    static constexpr int kColumns = engine::kLoadTableColumns;

    explicit LoadTableForm(QWidget* parent = nullptr);

    // Writes the headers, the figures of every evaluated row and the visibility of row 0.
    void showTable(const engine::LoadTable& table);

    // Caption of Label<array>(row), array 1..8, row 0..15, whether it is shown or not.
    QString cellText(int array, int row) const;
    // Caption of Label17(index), index 0..7.
    QString headerText(int index) const;
    // Whether every cell of the row is shown.
    bool rowVisible(int row) const;
    // The notes line under the buttons; empty when no note stands.
    QString notesText() const;

signals:
    void backRequested();
    void recalculateRequested();
    void endRequested();
    void exportRequested();
    void saveProjectRequested();

private:
    results::CaptionLabel* cell(int array, int row) const;

    std::array<results::CaptionLabel*, kColumns> m_headers{};
    std::array<std::array<results::CaptionLabel*, kRows>, kColumns> m_cells{};  // [array - 1][row]
    QLabel* m_notes = nullptr;
};

}  // namespace trevalo

#pragma once

#include "engine/analysis_inputs.h"
#include "engine/entry_checks.h"
#include "wizard/wizard_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <array>
#include <vector>

namespace trevalo {

class Navigator;

// Form3: one row "第 i 层人数" with a text box per served floor, in a panel that
// scrolls when the rows do not fit. OK stores the rounded total of the entries in
// the hidden Text2 and moves on to the elevator parameters form.
class FloorPopulationForm : public WizardForm {
    Q_OBJECT
public:
    static constexpr int kRows = engine::kFloorRows;   // Text1(0) .. Text1(222)
    static constexpr int kViewportHeightTwips = 5880;  // Frame2
    static constexpr int kRowPitchTwips = 280;
    static constexpr int kFirstRowTopTwips = 360;

    explicit FloorPopulationForm(Navigator& navigator, QWidget* parent = nullptr);

    int panelHeightTwips() const { return m_panelHeightTwips; }
    int scrollMaximum() const { return m_scroll->maximum(); }
    bool scrollBarShown() const { return !m_scroll->isHidden(); }
    int rowTopTwips(int row) const { return m_rowTopTwips.at(static_cast<std::size_t>(row)); }

    QLineEdit* floorEntry(int row) const { return m_entries.at(static_cast<std::size_t>(row)); }
    QLabel* floorLabel(int row) const { return m_labels.at(static_cast<std::size_t>(row)); }
    QScrollBar* scrollBar() const { return m_scroll; }
    QString storedTotal() const { return m_total->text(); }
    // The line under the rows: their total, and whether it differs from the building's.
    QString totalLine() const { return m_totalLine->text(); }

    // Every entry, all 223, and the stored total.
    engine::FloorPopulation floorPopulation() const;
    // The rows laid out for the served floors (row 0 stands alone below one floor).
    int shownRows() const;
    // Types the entries into the shown rows, floor 1 first; rows without an entry are emptied.
    void setFloorEntries(const std::vector<std::string>& entries);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void restoreOfferChanged(bool offered) override;

private:
    void layOutRows(int floors);
    void scrollRowIntoView(int row);
    void setPanelTop(int twips);
    void accept();
    void refreshTotalLine();
    // The building data form's entries, or none when it is not loaded.
    engine::ProjectData buildingData() const;

    Navigator& m_navigator;
    QWidget* m_viewport = nullptr;
    QWidget* m_panel = nullptr;
    QScrollBar* m_scroll = nullptr;
    QLineEdit* m_total = nullptr;
    QLabel* m_totalLine = nullptr;
    std::array<QPushButton*, 3> m_commands{};  // 上一步, 确定, 终止退出
    int m_buttonTop = 0;
    std::vector<QLineEdit*> m_entries;
    std::vector<QLabel*> m_labels;
    std::array<int, kRows> m_rowTopTwips{};
    int m_loadedFloors = 0;
    int m_panelHeightTwips = 100;
};

}  // namespace trevalo

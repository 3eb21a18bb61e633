#pragma once

#include "engine/analysis/single_result.h"
#include "engine/target_verdict.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace trevalo::results {
class CaptionLabel;
}

namespace trevalo {

// Form5: the figures of one configuration in caption/value pairs. The analysis decides every
// text and which optional rows stand; the form only shows them and reports its buttons.
class SingleResultForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kValueCount = 9;

    explicit SingleResultForm(QWidget* parent = nullptr);

    // Writes the value captions of the rows the outcome shows and sets the visibility of both
    // optional groups; a hidden row keeps whatever caption it held.
    void showFigures(const engine::SingleResult& result);

    // The captions of the interval and of the group's percentage take a colour, a tooltip
    // and a mark beside their value saying whether each target is met; colour is never the
    // only sign. Empty: no targets, the captions as designed.
    void showTargetVerdict(const std::optional<engine::TargetVerdict>& verdict);
    // The mark beside the interval (0) or the group's percentage (1); empty when none is shown.
    QString verdictMark(int which) const;

    // Caption of value label Label7(index), whether it is shown or not.
    QString valueText(int index) const;
    bool structuralLoadRowVisible() const;
    bool pitDepthRowVisible() const;
    // The configuration the figures belong to, on the row of the save button.
    void showConfiguration(const QString& text);
    QString configurationText() const;
    // The notes line under the buttons; empty when no note stands.
    QString notesText() const;

signals:
    void backRequested();
    void recalculateRequested();
    void endRequested();
    void exportRequested();
    void saveProjectRequested();
    void simulateRequested();

private:
    void setStructuralLoadRowShown(bool shown);
    void setPitAndHeadroomRowsShown(bool shown);

    std::array<results::CaptionLabel*, 4> m_label6{};  // Label6(0..3), captions of the lower lines
    std::array<results::CaptionLabel*, kValueCount> m_values{};
    results::CaptionLabel* m_intervalCaption = nullptr;           // Label2
    std::array<results::CaptionLabel*, 2> m_verdictMarks{};       // beside the interval, HC(T) %
    QLabel* m_notes = nullptr;
    QLabel* m_configuration = nullptr;
};

}  // namespace trevalo

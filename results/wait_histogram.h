#pragma once

#include "engine/simulation/simulation_types.h"

#include <QWidget>

#include <array>
#include <cstddef>

namespace trevalo {

// The simulated waiting times as a bar chart: one bar per 5 s bin, the last for 120 s and
// over, with the seconds along the bottom and the passengers up the side.
class WaitHistogram : public QWidget {
    Q_OBJECT
public:
    using Counts = std::array<std::size_t, engine::kWaitBins>;

    explicit WaitHistogram(QWidget* parent = nullptr);

    void setCounts(const Counts& counts);
    const Counts& counts() const { return m_counts; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Counts m_counts{};
};

}  // namespace trevalo

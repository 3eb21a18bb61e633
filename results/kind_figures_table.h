#pragma once

#include "engine/simulation/simulation_types.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace trevalo {

// The simulated figures by kind of passenger: 进入, 离开, 层间, each with its passengers, average
// wait and average time to destination.
class KindFiguresTable : public QGroupBox {
    Q_OBJECT
public:
    explicit KindFiguresTable(QWidget* parent = nullptr);

    void setFigures(const std::array<engine::KindFigures, engine::kPassengerKinds>& kinds);
    void clear();
    // Row 0 ... 2 in kind order; column 0 passengers, 1 AWT, 2 ATTD.
    QString text(int row, int column) const;

private:
    std::array<std::array<QLabel*, 3>, engine::kPassengerKinds> m_cells{};
};

}  // namespace trevalo

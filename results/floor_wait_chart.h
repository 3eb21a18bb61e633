#pragma once

#include "engine/simulation/simulation_types.h"

#include <QWidget>

#include <vector>

namespace trevalo {

// The simulated average wait of each floor as a bar chart read as a building is: the floors up
// the side, the main floor at the foot, the seconds along the bottom. A floor where nobody
// arrived has no bar.
class FloorWaitChart : public QWidget {
    Q_OBJECT
public:
    explicit FloorWaitChart(QWidget* parent = nullptr);

    void setFloors(std::vector<engine::FloorFigures> floors);
    const std::vector<engine::FloorFigures>& floors() const { return m_floors; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<engine::FloorFigures> m_floors;
};

}  // namespace trevalo

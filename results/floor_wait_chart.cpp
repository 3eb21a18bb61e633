#include "results/floor_wait_chart.h"

#include "results/shown_numbers.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace trevalo {

namespace {

// A round end for the seconds axis: 1, 2 or 5 times a power of ten, at least the longest bar.
double axisEnd(double longest)
{
    if (!(longest > 0))
        return 10;
    const double step = std::pow(10.0, std::floor(std::log10(longest)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * step >= longest)
            return factor * step;
    }
    return 10 * step;
}

QString floorLabel(int floor) { return floor == 0 ? QStringLiteral("首层") : QString::number(floor); }

}  // namespace

FloorWaitChart::FloorWaitChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FloorChart"));
    setMinimumSize(240, 180);
    setToolTip(QStringLiteral("各层平均候梯时间：乘客到达该层至开始上车"));
}

void FloorWaitChart::setFloors(std::vector<engine::FloorFigures> floors)
{
    m_floors = std::move(floors);
    update();
}

QSize FloorWaitChart::sizeHint() const { return {300, 220}; }

void FloorWaitChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    painter.drawText(QRect(0, 0, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("楼层"));

    double longest = 0;
    for (const engine::FloorFigures& floor : m_floors)
        longest = std::max(longest, floor.awt.value_or(0));
    const double end = axisEnd(longest);
    const QString endText = shownFigure(end, 0);
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("首层")) + 8;
    const QRect plot(labelWidth, lineHeight + 4, width() - labelWidth - metrics.horizontalAdvance(endText) / 2 - 6,
                     height() - 3 * lineHeight - 10);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (const auto& [value, text] : {std::pair{0.0, QStringLiteral("0")}, std::pair{end, endText}}) {
        const double x = plot.left() + value / end * plot.width();
        const int width = metrics.horizontalAdvance(text) + 4;
        painter.drawText(QRectF(x - width / 2.0, plot.bottom() + 3, width, lineHeight), Qt::AlignCenter, text);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + lineHeight + 4, plot.width(), lineHeight), Qt::AlignCenter,
                     QStringLiteral("平均候梯时间 (秒)"));
    if (m_floors.empty())
        return;

    const double rowHeight = static_cast<double>(plot.height()) / static_cast<double>(m_floors.size());
    // In a tall building only every k-th floor is named, so the names do not run together.
    const auto every = static_cast<std::size_t>(std::max(1.0, std::ceil(lineHeight / rowHeight)));
    const QColor barColour(21, 101, 192);
    for (std::size_t i = 0; i < m_floors.size(); ++i) {
        const double bottom = plot.bottom() - rowHeight * static_cast<double>(i);
        const engine::FloorFigures& floor = m_floors[i];
        if (floor.awt) {
            const double length = *floor.awt / end * plot.width();
            const double gap = rowHeight > 4 ? 1 : 0;
            painter.fillRect(QRectF(plot.left() + 1, bottom - rowHeight + gap, length, rowHeight - 2 * gap), barColour);
        }
        if (i % every == 0)
            painter.drawText(QRectF(0, bottom - rowHeight / 2 - lineHeight / 2.0, labelWidth - 4, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, floorLabel(floor.floor));
    }
}

}  // namespace trevalo

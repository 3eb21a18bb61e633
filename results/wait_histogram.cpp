#include "results/wait_histogram.h"

#include "results/shown_numbers.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace trevalo {

namespace {

// Every fourth bin edge carries its seconds: 0, 20 ... 120, far enough apart not to touch.
constexpr std::size_t kLabelEvery = 4;

// A round top for the passenger axis: 1, 2 or 5 times a power of ten, at least the tallest bar.
double axisTop(std::size_t tallest)
{
    if (tallest == 0)
        return 1;
    const double value = static_cast<double>(tallest);
    double step = std::pow(10.0, std::floor(std::log10(value)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * step >= value)
            return factor * step;
    }
    return 10 * step;
}

}  // namespace

WaitHistogram::WaitHistogram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Histogram"));
    setMinimumSize(300, 180);
}

void WaitHistogram::setCounts(const Counts& counts)
{
    m_counts = counts;
    update();
}

QSize WaitHistogram::sizeHint() const { return {360, 220}; }

void WaitHistogram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = fontMetrics();
    const double top = axisTop(*std::max_element(m_counts.begin(), m_counts.end()));
    const QString topText = shownFigure(top, 0);
    const int lineHeight = metrics.height();
    // Room for the passenger labels on the left, the seconds and the axis title below.
    // The axis title on a line of its own above the top label.
    const QRect plot(metrics.horizontalAdvance(topText) + 12, 2 * lineHeight,
                     width() - metrics.horizontalAdvance(topText) - 12 - metrics.horizontalAdvance(QStringLiteral("≥120")) / 2 - 4,
                     height() - 4 * lineHeight - 8);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, 0, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("人数"));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawText(QRect(0, plot.top() - lineHeight / 2, plot.left() - 6, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     topText);
    painter.drawText(QRect(0, plot.bottom() - lineHeight / 2, plot.left() - 6, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));

    const double barWidth = static_cast<double>(plot.width()) / engine::kWaitBins;
    const QColor barColour(46, 125, 50);
    for (std::size_t bin = 0; bin < m_counts.size(); ++bin) {
        const double left = plot.left() + barWidth * static_cast<double>(bin);
        const double barHeight = static_cast<double>(m_counts[bin]) / top * plot.height();
        painter.fillRect(QRectF(left + 1, plot.bottom() - barHeight, barWidth - 2, barHeight), barColour);
        if (bin % kLabelEvery == 0 || bin + 1 == m_counts.size()) {
            const bool last = bin + 1 == m_counts.size();
            const QString label = last ? QStringLiteral("≥120")
                                       : shownFigure(static_cast<double>(bin) * engine::kWaitBinWidth, 0);
            const double centre = last ? left + barWidth / 2 : left;
            const int labelWidth = metrics.horizontalAdvance(label) + 4;
            painter.drawText(QRectF(centre - labelWidth / 2.0, plot.bottom() + 3, labelWidth, lineHeight), Qt::AlignCenter,
                             label);
        }
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + lineHeight + 4, plot.width(), lineHeight), Qt::AlignCenter,
                     QStringLiteral("候梯时间 (秒)"));
}

}  // namespace trevalo

#include "results/kind_figures_table.h"

#include "results/shown_numbers.h"

#include <QGridLayout>
#include <QLabel>

namespace trevalo {

namespace {

QString seconds(const std::optional<double>& value)
{
    return value ? shownFigure(*value, 1) : QStringLiteral("—");
}

}  // namespace

KindFiguresTable::KindFiguresTable(QWidget* parent) : QGroupBox(QStringLiteral("按客流类型"), parent)
{
    setObjectName(QStringLiteral("KindTable"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const std::array<QString, 3> heads{QStringLiteral("乘客"), QStringLiteral("AWT (秒)"), QStringLiteral("ATTD (秒)")};
    for (int column = 0; column < 3; ++column)
        grid->addWidget(new QLabel(heads[static_cast<std::size_t>(column)], this), 0, column + 1, Qt::AlignRight);
    const std::array<QString, engine::kPassengerKinds> kinds{QStringLiteral("进入"), QStringLiteral("离开"),
                                                             QStringLiteral("层间")};
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        grid->addWidget(new QLabel(kinds[row], this), static_cast<int>(row) + 1, 0);
        for (std::size_t column = 0; column < 3; ++column) {
            auto* cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("Kind%1_%2").arg(row).arg(column));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(cell, static_cast<int>(row) + 1, static_cast<int>(column) + 1);
            m_cells[row][column] = cell;
        }
    }
    grid->setColumnMinimumWidth(1, 50);
}

void KindFiguresTable::setFigures(const std::array<engine::KindFigures, engine::kPassengerKinds>& kinds)
{
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        m_cells[row][0]->setText(QString::number(kinds[row].passengers));
        m_cells[row][1]->setText(seconds(kinds[row].awt));
        m_cells[row][2]->setText(seconds(kinds[row].attd));
    }
}

void KindFiguresTable::clear()
{
    for (const auto& row : m_cells) {
        for (QLabel* cell : row)
            cell->clear();
    }
}

QString KindFiguresTable::text(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(m_cells.size()) || column < 0 || column > 2)
        return {};
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]->text();
}

}  // namespace trevalo

#include "results/resizable_window.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace trevalo::results {

namespace {

void fitColumns(QTableView& table)
{
    QHeaderView* header = table.horizontalHeader();
    const int count = header->count();
    if (count == 0)
        return;
    // The view's public measure; the table's own override is protected.
    const QAbstractItemView& view = table;
    std::vector<int> widths;
    int total = 0;
    for (int column = 0; column < count; ++column) {
        widths.push_back(std::max(view.sizeHintForColumn(column), header->sectionSizeHint(column)));
        total += widths.back();
    }
    const int spare = std::max(0, table.viewport()->width() - total);
    for (int column = 0; column < count; ++column)
        header->resizeSection(column, widths[static_cast<std::size_t>(column)] + spare / count +
                                          (column < spare % count ? 1 : 0));
}

// Refits the columns whenever the table's visible area changes size.
class ColumnFitter : public QObject {
public:
    explicit ColumnFitter(QTableView& table) : QObject(&table), m_table(table) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            fitColumns(m_table);
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView& m_table;
};

}  // namespace

void makeResizable(QWidget& form, QSize opening)
{
    form.setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    form.resize(opening);
}

void fitColumnsToRoom(QTableView& table)
{
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table.viewport()->installEventFilter(new ColumnFitter(table));
    QObject::connect(table.model(), &QAbstractItemModel::modelReset, &table, [&table] { fitColumns(table); });
}

}  // namespace trevalo::results

#include "app/workbook_actions.h"

#include "app/workbook_opener.h"
#include "export/workbook_export.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

namespace trevalo {

namespace {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

template <class Record>
void exportRecord(const std::optional<Record>& record,
                  std::optional<QString> (*write)(const Record&, const QDateTime&), QWidget* parent)
{
    std::optional<QString> path;
    {
        BusyCursor busy;
        if (record)
            path = write(*record, QDateTime::currentDateTime());
        if (path)
            openWorkbook(*path, parent);
    }
    if (!path) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("注意"), QStringLiteral("无法生成Excel表格"),
                        QMessageBox::Ok, parent);
        box.exec();
    }
}

}  // namespace

void exportSingleResultWorkbook(const std::optional<workbook::SingleResultRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &workbook::writeNewSingleResultWorkbook, parentForMessages);
}

void exportLoadTableWorkbook(const std::optional<workbook::LoadTableRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &workbook::writeNewLoadTableWorkbook, parentForMessages);
}

void exportSizingWorkbook(const std::optional<workbook::SizingRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &workbook::writeNewSizingWorkbook, parentForMessages);
}

void exportSimulationWorkbook(const std::optional<workbook::SimulationRecord>& record, QWidget* parentForMessages)
{
    exportRecord(record, &workbook::writeNewSimulationWorkbook, parentForMessages);
}

}  // namespace trevalo

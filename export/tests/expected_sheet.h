#pragma once

#include "app/testing/program_driver.h"

#include <QJsonObject>
#include <QString>

namespace trevalo::testing {

// What an exported first sheet must hold, written from the entries a test typed and
// the captions the forms show, in the form check_workbook.py reads.
class ExpectedSheet {
public:
    void set(const QString& address, const QString& text, int heading = 0);
    void setRow(int row, int column, const QString& text);

    // Columns A and B: the input-data block and, per floor, the list under listHeadingRow.
    void addInputBlock(const Navigator& navigator, const BuildingEntries& building,
                       const ElevatorEntries& elevator, bool includeLoadAndNumber, int listHeadingRow);
    void addSingleResult(const Navigator& navigator);
    void addLoadTable(const Navigator& navigator, bool directionRelabelled);

    QString text(const QString& address) const;
    // Writes the expectations as JSON and returns the file's path.
    QString save(const QString& folder, int fitColumns, int chartFirstRow) const;

private:
    QJsonObject m_cells;
};

}  // namespace trevalo::testing

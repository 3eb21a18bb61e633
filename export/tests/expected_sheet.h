#pragma once

#include "app/testing/program_driver.h"

#include <QJsonObject>
#include <QString>

namespace trevalo::testing {

// What an exported first sheet must hold, written from the entries a test typed and
// the captions the forms show, in the form check_workbook.py reads.
class ExpectedSheet {
public:
    // Columns A and B: the input-data block and, per floor, the list under listHeadingRow.
    void addInputBlock(const Navigator& navigator, const BuildingEntries& building,
                       const ElevatorEntries& elevator, bool includeLoadAndNumber, int listHeadingRow);
    void addSingleResult(const Navigator& navigator, const ElevatorEntries& elevator);
    void addLoadTable(const Navigator& navigator, bool directionRelabelled);

    // Writes the expectations as JSON and returns the file's path.
    QString save(const QString& folder, int fitColumns, int chartFirstRow) const;

private:
    void set(int row, int column, const QString& text, int heading = 0);

    QJsonObject m_cells;
};

}  // namespace trevalo::testing

#pragma once

#include "app/testing/program_driver.h"

#include <QMap>
#include <QString>

#include <optional>

namespace trevalo::testing {

inline const QString kFloorsOutOfRange = QStringLiteral("楼层数超出范围！");
inline const QString kIncompleteInput = QStringLiteral("请完整输入数据");
inline const QString kInputError = QStringLiteral("输入数据有误！");
inline const QString kDoorWidthNonStandard = QStringLiteral("电梯门开启宽度不符合标准");

// "Form2" for FormId::Form2, as the forms are named.
inline QString formName(FormId id)
{
    return QStringLiteral("Form%1").arg(static_cast<int>(id) + 1);
}

// What an OK button must lead to, worked out from the forms' entries by the wizard's
// rules before the button is pressed.
struct Expectation {
    QString notice;                  // the one notice it must raise; empty: none
    FormId next = FormId::Form2;     // the form shown when no notice comes
    bool inputErrorAllowed = false;  // the analysis may still refuse deeper in (run distances)
    bool doorWidthCleared = false;   // the door width notice empties Combo2
    QString storedTotal;             // the floor population form's total, as Text2 holds it
};

// What a result form must show of the entries the analysis read.
struct ResultLayout {
    bool structuralLoadShown = false;      // Form5: Check4 ticked
    std::optional<bool> pitRowsShown;      // Form5: by the speed; unset where it is the program's choice
    bool rowZeroShown = true;              // Form6: residential buildings only
    bool directionsSwapped = false;        // Form6: down share above the up share
};

ResultLayout expectResultLayout(const ProgramDriver& driver);

Expectation expectBuildingDataOk(const ProgramDriver& driver);
Expectation expectFloorPopulationOk(const ProgramDriver& driver);
Expectation expectAnalysis(const ProgramDriver& driver);

// The text of a text box or the current text of a combo box; empty when the form or
// the control is missing.
QString entryText(const ProgramDriver& driver, FormId id, const QString& name);
bool isChecked(const ProgramDriver& driver, FormId id, const QString& name);
// The floor count as the building data form reads N1; empty when it does not fit 16 bits.
std::optional<int> floorCount(const ProgramDriver& driver);

// Every named control of a form: texts, current items, check states, scroll values,
// label colours and whether each is hidden.
using Snapshot = QMap<QString, QString>;
Snapshot snapshotOf(const QWidget& form);
// The first difference between two snapshots, or empty when they agree.
QString firstDifference(const Snapshot& expected, const Snapshot& actual);

}  // namespace trevalo::testing

#include "app/tests/road_oracle.h"

#include "engine/analysis_inputs.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace trevalo::testing {

namespace {

constexpr int kMostFloors = 200;
constexpr int kMostFloorsEnteredOneByOne = 129;
constexpr int kFloorRows = 223;

double numberIn(const ProgramDriver& driver, FormId id, const QString& name)
{
    return engine::leadingNumber(entryText(driver, id, name).toStdString());
}

Expectation refusal(const QString& notice)
{
    Expectation expected;
    expected.notice = notice;
    return expected;
}

Expectation onwardTo(FormId next)
{
    Expectation expected;
    expected.next = next;
    return expected;
}

}  // namespace

QString entryText(const ProgramDriver& driver, FormId id, const QString& name)
{
    if (const auto* combo = driver.control<QComboBox>(id, name))
        return combo->currentText();
    if (const auto* edit = driver.control<QLineEdit>(id, name))
        return edit->text();
    return {};
}

bool isChecked(const ProgramDriver& driver, FormId id, const QString& name)
{
    const auto* button = driver.control<QAbstractButton>(id, name);
    return button != nullptr && button->isChecked();
}

std::optional<int> floorCount(const ProgramDriver& driver)
{
    const auto floors = engine::toInt16(numberIn(driver, FormId::Form2, QStringLiteral("N1")));
    if (!floors)
        return std::nullopt;
    return int{*floors};
}

Expectation expectBuildingDataOk(const ProgramDriver& driver)
{
    const FormId f = FormId::Form2;
    const bool typeChosen = isChecked(driver, f, QStringLiteral("Option1")) ||
                            isChecked(driver, f, QStringLiteral("Option2")) ||
                            isChecked(driver, f, QStringLiteral("Option5"));
    const bool even = isChecked(driver, f, QStringLiteral("Option3"));
    const bool perFloor = isChecked(driver, f, QStringLiteral("Option4"));
    if (entryText(driver, f, QStringLiteral("Text1")).isEmpty() || entryText(driver, f, QStringLiteral("N1")).isEmpty() ||
        !typeChosen || !(even || perFloor))
        return refusal(kIncompleteInput);
    const std::optional<int> floors = floorCount(driver);
    if (!floors || *floors > kMostFloors)
        return refusal(kFloorsOutOfRange);
    if (even)
        return onwardTo(FormId::Form4);
    if (*floors > kMostFloorsEnteredOneByOne)
        return refusal(kFloorsOutOfRange);
    return onwardTo(FormId::Form3);
}

// The total is rounded after every addition; one that leaves the 32-bit range is refused
// rather than stored wrong.
Expectation expectFloorPopulationOk(const ProgramDriver& driver)
{
    const int rows = std::clamp(floorCount(driver).value_or(0), 0, kFloorRows);
    double total = 0;
    for (int row = 0; row < rows; ++row) {
        total = std::nearbyint(total + numberIn(driver, FormId::Form3, QStringLiteral("Text1_%1").arg(row)));
        if (!(total >= std::numeric_limits<std::int32_t>::min() && total <= std::numeric_limits<std::int32_t>::max()))
            return refusal(kInputError);
    }
    Expectation expected = onwardTo(FormId::Form4);
    expected.storedTotal = QString::number(static_cast<std::int32_t>(total));
    return expected;
}

// The checks of the analysis up to the number of cars, in their order; past them only
// the run-distance guards can still refuse, with an input error.
Expectation expectAnalysis(const ProgramDriver& driver)
{
    const FormId f = FormId::Form4;
    const auto empty = [&driver, f](const char* name) {
        return entryText(driver, f, QString::fromLatin1(name)).isEmpty();
    };
    const bool doorChosen = isChecked(driver, f, QStringLiteral("Option1_0")) ||
                            isChecked(driver, f, QStringLiteral("Option1_1")) ||
                            isChecked(driver, f, QStringLiteral("Option1_2"));
    const bool express = isChecked(driver, f, QStringLiteral("Check1"));
    const bool decided = isChecked(driver, f, QStringLiteral("Check3"));
    const bool machineRoom = isChecked(driver, f, QStringLiteral("Check4"));
    if (empty("TEXT1_0") || empty("TEXT1_1") || empty("Combo2") || empty("TEXT1_3") || empty("TEXT1_4") ||
        empty("Combo1") || empty("TEXT1_5") || !doorChosen)
        return refusal(kIncompleteInput);
    if ((express && empty("TEXT1_2")) || (decided && (empty("TEXT1_7") || empty("Combo3"))) ||
        (machineRoom && empty("Text2")))
        return refusal(kIncompleteInput);

    if (numberIn(driver, f, QStringLiteral("Combo1")) <= 0)
        return refusal(kInputError);
    double population = 0;
    if (isChecked(driver, FormId::Form2, QStringLiteral("Option3")))
        population = numberIn(driver, FormId::Form2, QStringLiteral("Text1"));
    else if (isChecked(driver, FormId::Form2, QStringLiteral("Option4")))
        population = numberIn(driver, FormId::Form3, QStringLiteral("Text2"));
    if (population <= 0)
        return refusal(kInputError);

    double width = numberIn(driver, f, QStringLiteral("Combo2"));
    if (isChecked(driver, f, QStringLiteral("Option1_2")))
        width /= 2;
    if (width < 800 || width > 1500) {
        Expectation expected = refusal(kDoorWidthNonStandard);
        expected.doorWidthCleared = true;
        return expected;
    }
    if (decided && numberIn(driver, f, QStringLiteral("TEXT1_7")) <= 0)
        return refusal(kInputError);

    Expectation expected = onwardTo(decided ? FormId::Form5 : FormId::Form6);
    expected.inputErrorAllowed = true;
    return expected;
}

ResultLayout expectResultLayout(const ProgramDriver& driver)
{
    const FormId f = FormId::Form4;
    ResultLayout layout;
    layout.structuralLoadShown = isChecked(driver, f, QStringLiteral("Check4"));
    // Pit depth and headroom exist for the speeds of their table only; a speed inside the
    // table's range but not in it is left to the program.
    const double speed = numberIn(driver, f, QStringLiteral("Combo1"));
    const bool tabled = speed == 1.75 || speed == 2 || speed == 2.5 || speed == 3 || speed == 3.5 || speed == 4 || speed == 5;
    if (tabled || speed < 1.75 || speed > 5)
        layout.pitRowsShown = tabled;
    layout.rowZeroShown = isChecked(driver, FormId::Form2, QStringLiteral("Option1"));
    layout.directionsSwapped = numberIn(driver, f, QStringLiteral("TEXT1_5")) > numberIn(driver, f, QStringLiteral("TEXT1_4"));
    return layout;
}

Snapshot snapshotOf(const QWidget& form)
{
    Snapshot state;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        QString value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            value = QStringLiteral("text '%1'").arg(edit->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            value = QStringLiteral("text '%1' item %2").arg(combo->currentText()).arg(combo->currentIndex());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            value = button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            value = QStringLiteral("caption '%1' colour %2")
                        .arg(label->text(), label->palette().color(label->foregroundRole()).name());
        else if (const auto* slider = qobject_cast<const QAbstractSlider*>(control))
            value = QStringLiteral("value %1 of %2").arg(slider->value()).arg(slider->maximum());
        value += control->isHidden() ? QStringLiteral(", hidden") : QStringLiteral(", shown");
        state[control->objectName()] = value;
    }
    return state;
}

QString firstDifference(const Snapshot& expected, const Snapshot& actual)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (!actual.contains(it.key()) || actual.value(it.key()) != it.value())
            return QStringLiteral("%1: was %2, now %3").arg(it.key(), it.value(), actual.value(it.key(), "missing"));
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        if (!expected.contains(it.key()))
            return QStringLiteral("%1: new control %2").arg(it.key(), it.value());
    return {};
}

}  // namespace trevalo::testing

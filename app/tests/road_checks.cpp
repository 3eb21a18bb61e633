#include "app/tests/road_steps.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace trevalo::testing {

namespace {

constexpr int kFloorRows = 223;
constexpr int kTableRows = 16;

bool isWizardForm(FormId id)
{
    return id == FormId::Form2 || id == FormId::Form3 || id == FormId::Form4;
}

// A figure as the result forms must show it: plain decimal digits, no trailing zeros,
// no exponent, no "inf" or "nan", and never a negative zero.
bool isPlainNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    return plain.match(text).hasMatch() && text != QStringLiteral("-0");
}

}  // namespace

int RoadWalker::servedFloors() const
{
    return floorCount(*m_driver).value_or(10);
}

void RoadWalker::leave(FormId id)
{
    if (isWizardForm(id))
        m_model.keptWhileHidden[id] = snapshotOf(*m_driver->form(id));
}

void RoadWalker::unloaded(FormId id)
{
    m_model.loaded.erase(id);
    m_model.keptWhileHidden.erase(id);
}

// A form shown again comes back as it was left (the building data form refreshes its
// date and time); a form loaded afresh has its defaults.
void RoadWalker::arrive(FormId id)
{
    m_model.showing = id;
    if (m_model.loaded.insert(id).second)
        return checkFreshForm(id);
    const auto kept = m_model.keptWhileHidden.find(id);
    if (kept == m_model.keptWhileHidden.end())
        return;
    Snapshot was = kept->second;
    Snapshot now = snapshotOf(*m_driver->form(id));
    m_model.keptWhileHidden.erase(kept);
    if (id == FormId::Form2) {
        for (Snapshot* snapshot : {&was, &now}) {
            snapshot->remove(QStringLiteral("Label1"));
            snapshot->remove(QStringLiteral("Label7"));
        }
    }
    const QString changed = firstDifference(was, now);
    QVERIFY2(changed.isEmpty(), qPrintable(formName(id) + QStringLiteral(" came back changed: ") + changed));
}

void RoadWalker::checkFreshForm(FormId id)
{
    QWidget* form = m_driver->form(id);
    QVERIFY2(form != nullptr, qPrintable(formName(id) + QStringLiteral(" is not loaded")));
    if (id == FormId::Form3) {
        const int rows = std::clamp(floorCount(*m_driver).value_or(0), 1, kFloorRows);
        for (int row = 0; row < kFloorRows; ++row) {
            const auto* entry = form->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(row));
            QVERIFY(entry != nullptr);
            QVERIFY2(entry->isHidden() == (row >= rows), qPrintable(QStringLiteral("row %1 of %2").arg(row).arg(rows)));
            QVERIFY2(entry->text().isEmpty(), qPrintable(entry->text()));
            if (row < rows)
                QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(row))->text(),
                         QStringLiteral("第 %1 层人数").arg(row + 1));
        }
    }
    if (id == FormId::Form4) {
        // The up and down shares follow the building type chosen when the form loads.
        QString up = QStringLiteral("80");
        QString down = QStringLiteral("0");
        if (isChecked(*m_driver, FormId::Form2, QStringLiteral("Option1"))) {
            up = QStringLiteral("30");
            down = QStringLiteral("20");
        } else if (isChecked(*m_driver, FormId::Form2, QStringLiteral("Option2"))) {
            up = QStringLiteral("50");
            down = QStringLiteral("50");
        }
        QCOMPARE(entryText(*m_driver, id, QStringLiteral("TEXT1_3")), QStringLiteral("5"));
        QCOMPARE(entryText(*m_driver, id, QStringLiteral("TEXT1_4")), up);
        QCOMPARE(entryText(*m_driver, id, QStringLiteral("TEXT1_5")), down);
        for (const char* empty : {"TEXT1_0", "TEXT1_1", "TEXT1_2", "Combo1", "Combo2", "Combo3", "TEXT1_7", "Text2"})
            QVERIFY2(entryText(*m_driver, id, QString::fromLatin1(empty)).isEmpty(), empty);
        for (const char* hidden : {"TEXT1_2", "Combo3", "TEXT1_7", "Check4", "Text2"})
            QVERIFY2(form->findChild<QWidget*>(QString::fromLatin1(hidden))->isHidden(), hidden);
    }
}

void RoadWalker::checkShowing()
{
    QCOMPARE(visibleForms(), QStringList{formName(m_model.showing)});
    for (int index = 0; index <= static_cast<int>(FormId::Form6); ++index) {
        const auto id = static_cast<FormId>(index);
        const bool loaded = m_driver->form(id) != nullptr;
        QVERIFY2(loaded == (m_model.loaded.count(id) > 0),
                 qPrintable(QStringLiteral("%1 loaded: %2").arg(formName(id)).arg(loaded)));
    }
}

void RoadWalker::checkFigures()
{
    if (m_model.showing == FormId::Form5) {
        const QWidget* form = m_driver->form(FormId::Form5);
        for (int index = 0; index < 9; ++index) {
            const auto* value = form->findChild<QLabel*>(QStringLiteral("Label7_%1").arg(index));
            QVERIFY(value != nullptr);
            if (index < 6)
                QVERIFY2(!value->isHidden(), qPrintable(value->objectName()));
            if (!value->isHidden())
                QVERIFY2(isPlainNumber(value->text()),
                         qPrintable(QStringLiteral("Form5 %1 shows '%2'").arg(value->objectName(), value->text())));
        }
        QCOMPARE(!form->findChild<QLabel*>(QStringLiteral("Label7_6"))->isHidden(), m_resultLayout.structuralLoadShown);
        QCOMPARE(!form->findChild<QLabel*>(QStringLiteral("Label6_1"))->isHidden(), m_resultLayout.structuralLoadShown);
        if (m_resultLayout.pitRowsShown) {
            for (const char* name : {"Label7_7", "Label7_8", "Label6_2", "Label6_3"})
                QVERIFY2(form->findChild<QLabel*>(QString::fromLatin1(name))->isHidden() != *m_resultLayout.pitRowsShown, name);
        }
    }
    if (m_model.showing == FormId::Form6) {
        const QWidget* form = m_driver->form(FormId::Form6);
        const bool swapped = m_resultLayout.directionsSwapped;
        const QStringList headers{QStringLiteral("载重/人数"), swapped ? QStringLiteral("DN") : QStringLiteral("UP"),
                                  swapped ? QStringLiteral("UP") : QStringLiteral("DN"), QStringLiteral("RTT(SEC)"),
                                  QStringLiteral("HC(%)"), QStringLiteral("HC(PERSONS)"),
                                  swapped ? QStringLiteral("PS(DN)") : QStringLiteral("PS(UP)"), QStringLiteral("HR")};
        for (int index = 0; index < 8; ++index)
            QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Label17_%1").arg(index))->text(), headers[index]);
        for (int row = 0; row < kTableRows; ++row) {
            QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(row))->text(),
                     QStringLiteral("%1/%2").arg(675 + 75 * row).arg(9 + row));
            for (int array = 1; array <= 8; ++array) {
                const auto* cell = form->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(array).arg(row));
                QVERIFY(cell != nullptr);
                QVERIFY2(cell->isHidden() == (row == 0 && !m_resultLayout.rowZeroShown), qPrintable(cell->objectName()));
                if (array >= 2 && !cell->isHidden())
                    QVERIFY2(isPlainNumber(cell->text()),
                             qPrintable(QStringLiteral("Form6 %1 shows '%2'").arg(cell->objectName(), cell->text())));
            }
        }
    }
}

}  // namespace trevalo::testing

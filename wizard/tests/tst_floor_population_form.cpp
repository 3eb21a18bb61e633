#include "wizard_fixture.h"

#include "wizard/floor_population_form.h"
#include "wizard/twips.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using trevalo::FloorPopulationForm;
using trevalo::FormId;

class tst_FloorPopulationForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void layoutAndScrolling_data();
    void layoutAndScrolling();
    void total_data();
    void total();
    void rowsLaidOutAtLoadOnly();

private:
    FloorPopulationForm* open(const QString& floors)
    {
        m_wizard.fillBuildingData("Option1", floors, "100", "Option4");
        m_wizard.click(FormId::Form2, "Command1");
        return m_wizard.navigator->formAs<FloorPopulationForm>(FormId::Form3);
    }

    trevalo::test::WizardFixture m_wizard;
};

void tst_FloorPopulationForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FloorPopulationForm::layoutAndScrolling_data()
{
    QTest::addColumn<QString>("floors");
    QTest::addColumn<int>("panelHeight");
    QTest::addColumn<int>("maximum");    // 0: no scroll bar
    QTest::addColumn<int>("largeStep");

    QTest::newRow("1 floor") << "1" << 440 << 0 << 0;
    QTest::newRow("18 floors fit") << "18" << 5710 << 0 << 0;
    QTest::newRow("19 floors scroll") << "19" << 6020 << 1140 << 114;
    QTest::newRow("129 floors beyond a 16-bit scroll range") << "129" << 40120 << 35240 << 3524;
    QTest::newRow("-11 floors show row 0 in a panel of no floors") << "-11" << 400 << 0 << 0;
}

void tst_FloorPopulationForm::layoutAndScrolling()
{
    QFETCH(QString, floors);
    QFETCH(int, panelHeight);
    QFETCH(int, maximum);
    QFETCH(int, largeStep);

    FloorPopulationForm* form = open(floors);
    QVERIFY(form != nullptr && form->isVisible());
    const int rows = qMax(floors.toInt(), 1);  // row 0 is always shown
    QCOMPARE(form->panelHeightTwips(), panelHeight);
    QCOMPARE(form->scrollBarShown(), maximum > 0);
    QCOMPARE(form->scrollMaximum(), maximum);
    for (int row = 0; row < FloorPopulationForm::kRows; ++row) {
        QCOMPARE(!form->floorEntry(row)->isHidden(), row < rows);
        QCOMPARE(!form->floorLabel(row)->isHidden(), row < rows);
        if (row < rows) {
            QCOMPARE(form->floorLabel(row)->text(), QStringLiteral("第 %1 层人数").arg(row + 1));
            QCOMPARE(form->rowTopTwips(row), 360 + 280 * row);
            QVERIFY(form->floorLabel(row)->width() >= form->floorLabel(row)->sizeHint().width());
        }
    }
    if (maximum == 0)
        return;

    // The panel follows the scroll bar: a row per small step, a tenth per large step,
    // and at the maximum the last row lies inside the viewport.
    QScrollBar* scroll = form->scrollBar();
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(form->panelTopTwips(), -280);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(form->panelTopTwips(), -280 - largeStep);
    QCOMPARE(form->findChild<QWidget*>("Frame3")->y(), trevalo::twipsToPixels(form->panelTopTwips()));
    scroll->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(form->panelTopTwips(), -maximum);
    const int lastRowTop = form->panelTopTwips() + form->rowTopTwips(rows - 1);
    QVERIFY(lastRowTop >= 0);
    QVERIFY(lastRowTop + 270 <= FloorPopulationForm::kViewportHeightTwips);
}

void tst_FloorPopulationForm::total_data()
{
    QTest::addColumn<QStringList>("entries");  // one floor per entry
    QTest::addColumn<QString>("stored");       // empty: refused

    QTest::newRow("halves round to even at every step") << QStringList{"0.5", "0.5", "0.5"} << "0";
    QTest::newRow("1.5 and 1.5 give 4") << QStringList{"1.5", "1.5"} << "4";
    QTest::newRow("empty, letters and blanks") << QStringList{"", "abc", " 1 2", "7"} << "19";
    QTest::newRow("largest 32-bit total") << QStringList{"2147483600", "47"} << "2147483647";
    QTest::newRow("smallest 32-bit total") << QStringList{"-2147483648"} << "-2147483648";
    QTest::newRow("one above the largest") << QStringList{"2147483647", "1"} << "";
    QTest::newRow("one below the smallest") << QStringList{"-2147483648", "-1"} << "";
    QTest::newRow("beyond a double") << QStringList{"1e999"} << "";
    QTest::newRow("out and back is still refused") << QStringList{"3000000000", "-3000000000"} << "";
}

void tst_FloorPopulationForm::total()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, stored);

    FloorPopulationForm* form = open(QString::number(entries.size()));
    for (int row = 0; row < entries.size(); ++row)
        QTest::keyClicks(form->floorEntry(row), entries[row]);
    m_wizard.click(FormId::Form3, "Command2");

    const bool refused = stored.isEmpty();
    QCOMPARE(m_wizard.notices->texts(), refused ? QStringList{QStringLiteral("输入数据有误！")} : QStringList{});
    // Refused, the form stays as it was: entries as typed and the total box untouched.
    QCOMPARE(form->storedTotal(), refused ? QStringLiteral("Text2") : stored);
    QCOMPARE(form->isVisible(), refused);
    QCOMPARE(m_wizard.shown(FormId::Form4), !refused);
    QCOMPARE(m_wizard.form(FormId::Form4) == nullptr, refused);
    for (int row = 0; row < entries.size(); ++row)
        QCOMPARE(form->floorEntry(row)->text(), entries[row]);
}

// Loaded once: a later visit with more floors finds the rows as loaded, while OK adds
// the entries up to the current count. Back unloads it; loaded again it starts afresh.
void tst_FloorPopulationForm::rowsLaidOutAtLoadOnly()
{
    QPointer<FloorPopulationForm> form = open("3");
    QTest::keyClicks(form->floorEntry(1), "20");
    m_wizard.click(FormId::Form3, "Command2");
    m_wizard.click(FormId::Form4, "Command1");
    QCOMPARE(open("4"), form.data());
    QCOMPARE(form->floorEntry(1)->text(), QStringLiteral("20"));
    QVERIFY(form->floorEntry(3)->isHidden());
    form->floorEntry(3)->setText(QStringLiteral("5"));
    m_wizard.click(FormId::Form3, "Command2");
    QCOMPARE(form->storedTotal(), QStringLiteral("25"));

    m_wizard.click(FormId::Form4, "Command1");
    open("25");
    m_wizard.click(FormId::Form3, "Command1");
    QVERIFY(m_wizard.shown(FormId::Form2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
    FloorPopulationForm* fresh = open("25");
    QVERIFY(fresh->floorEntry(1)->text().isEmpty());
    QVERIFY(fresh->scrollBarShown());
}

QTEST_MAIN(tst_FloorPopulationForm)
#include "tst_floor_population_form.moc"

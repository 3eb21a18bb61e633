#include "wizard_fixture.h"

#include "wizard/floor_population_form.h"
#include "wizard/notices.h"
#include "wizard/twips.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using trevalo::FloorPopulationForm;
using trevalo::FormId;
using trevalo::engine::Notice;

class tst_FloorPopulationForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void layout_data();
    void layout();
    void scrollingMovesPanel();
    void lastRowReachableAtMaximum();
    void total_data();
    void total();
    void totalBeyond32Bits_data();
    void totalBeyond32Bits();
    void backLaysOutAfresh();
    void okKeepsEntriesForLaterVisit();
    void tabOrderStartsWithButtons();

private:
    // Opens the floor population form from the building data form.
    FloorPopulationForm* open(const QString& floors);

    trevalo::test::WizardFixture m_wizard;
};

void tst_FloorPopulationForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

FloorPopulationForm* tst_FloorPopulationForm::open(const QString& floors)
{
    m_wizard.fillBuildingData("Option1", floors, "100", "Option4");
    m_wizard.click(FormId::Form2, "Command1");
    return m_wizard.navigator->formAs<FloorPopulationForm>(FormId::Form3);
}

void tst_FloorPopulationForm::layout_data()
{
    QTest::addColumn<QString>("floors");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("panelHeight");
    QTest::addColumn<bool>("scrollShown");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("largeStep");

    QTest::newRow("1 floor") << "1" << 1 << 440 << false << 0 << -1;
    QTest::newRow("18 floors fit") << "18" << 18 << 5710 << false << 0 << -1;
    QTest::newRow("19 floors scroll") << "19" << 19 << 6020 << true << 1140 << 114;
    QTest::newRow("122 floors beyond 16-bit scroll range") << "122" << 122 << 37950 << true << 33070 << 3307;
    QTest::newRow("129 floors") << "129" << 129 << 40120 << true << 35240 << 3524;
    QTest::newRow("0 floors shows row 0") << "0" << 1 << 400 << false << 0 << -1;
    QTest::newRow("-11 floors shows row 0") << "-11" << 1 << 400 << false << 0 << -1;
    QTest::newRow("letters show row 0") << "x" << 1 << 400 << false << 0 << -1;
}

void tst_FloorPopulationForm::layout()
{
    QFETCH(QString, floors);
    QFETCH(int, rows);
    QFETCH(int, panelHeight);
    QFETCH(bool, scrollShown);
    QFETCH(int, maximum);
    QFETCH(int, largeStep);

    FloorPopulationForm* form = open(floors);
    QVERIFY(form != nullptr);
    QVERIFY(form->isVisible());
    QCOMPARE(form->panelHeightTwips(), panelHeight);
    QCOMPARE(form->scrollBarShown(), scrollShown);
    QCOMPARE(form->scrollMaximum(), maximum);
    QCOMPARE(form->panelTopTwips(), 0);
    if (scrollShown) {
        QCOMPARE(form->scrollLargeStep(), largeStep);
        QCOMPARE(form->scrollSmallStep(), 280);
    }
    for (int row = 0; row < FloorPopulationForm::kRows; ++row) {
        const bool shown = row < rows;
        QCOMPARE(!form->floorEntry(row)->isHidden(), shown);
        QCOMPARE(!form->floorLabel(row)->isHidden(), shown);
        QVERIFY(form->floorEntry(row)->text().isEmpty());
        if (shown) {
            QCOMPARE(form->floorLabel(row)->text(), QStringLiteral("第 %1 层人数").arg(row + 1));
            QCOMPARE(form->rowTopTwips(row), 360 + 280 * row);
            QCOMPARE(form->floorEntry(row)->size(), form->floorEntry(0)->size());
            QCOMPARE(form->floorEntry(row)->x(), form->floorEntry(0)->x());
            // A label fits its caption on one line.
            QVERIFY(form->floorLabel(row)->width() >= form->floorLabel(row)->sizeHint().width());
        }
    }
}

void tst_FloorPopulationForm::scrollingMovesPanel()
{
    FloorPopulationForm* form = open("40");
    QScrollBar* scroll = form->scrollBar();
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(scroll->value(), 280);
    QCOMPARE(form->panelTopTwips(), -280);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(form->panelTopTwips(), -280 - form->scrollLargeStep());
    QVERIFY(!scroll->hasTracking());
    QCOMPARE(form->findChild<QWidget*>("Frame3")->y(), trevalo::twipsToPixels(form->panelTopTwips()));
}

void tst_FloorPopulationForm::lastRowReachableAtMaximum()
{
    FloorPopulationForm* form = open("129");
    form->scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(form->panelTopTwips(), -35240);
    const int panelBottom = form->panelTopTwips() + form->panelHeightTwips();
    QCOMPARE(panelBottom, FloorPopulationForm::kViewportHeightTwips - 1000);
    const int lastRowTop = form->panelTopTwips() + form->rowTopTwips(128);
    QVERIFY(lastRowTop >= 0);
    QVERIFY(lastRowTop + 270 <= FloorPopulationForm::kViewportHeightTwips);
    QVERIFY(form->floorEntry(128)->visibleRegion().isEmpty() == false);
}

void tst_FloorPopulationForm::total_data()
{
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("stored");

    QTest::newRow("halves round to even at every step") << "3" << QStringList{"0.5", "0.5", "0.5"} << "0";
    QTest::newRow("1.5 and 1.5 give 4") << "2" << QStringList{"1.5", "1.5"} << "4";
    QTest::newRow("whole numbers") << "4" << QStringList{"120", "80", "95", "105"} << "400";
    QTest::newRow("empty and letters count 0") << "3" << QStringList{"", "abc", "7"} << "7";
    QTest::newRow("blanks ignored") << "2" << QStringList{" 1 2", "3"} << "15";
    QTest::newRow("negative total") << "2" << QStringList{"-10", "4"} << "-6";
    QTest::newRow("only rows up to the floor count") << "2" << QStringList{"5", "6"} << "11";
    QTest::newRow("largest 32-bit total") << "2" << QStringList{"2147483600", "47"} << "2147483647";
    QTest::newRow("smallest 32-bit total") << "1" << QStringList{"-2147483648"} << "-2147483648";
}

void tst_FloorPopulationForm::total()
{
    QFETCH(QString, floors);
    QFETCH(QStringList, entries);
    QFETCH(QString, stored);

    FloorPopulationForm* form = open(floors);
    QCOMPARE(form->storedTotal(), QStringLiteral("Text2"));
    for (int row = 0; row < entries.size(); ++row)
        QTest::keyClicks(form->floorEntry(row), entries[row]);
    m_wizard.click(FormId::Form3, "Command2");

    QVERIFY(m_wizard.notices->seen().isEmpty());
    QCOMPARE(form->storedTotal(), stored);
    QVERIFY(!form->isVisible());
    QVERIFY(m_wizard.shown(FormId::Form4));
    QVERIFY(form->findChild<QLineEdit*>("Text2")->isHidden());
}

void tst_FloorPopulationForm::totalBeyond32Bits_data()
{
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("one above the largest") << QStringList{"2147483647", "1"};
    QTest::newRow("one below the smallest") << QStringList{"-2147483648", "-1"};
    QTest::newRow("huge entry") << QStringList{"1e20"};
    QTest::newRow("beyond a double") << QStringList{"1e999"};
    QTest::newRow("out and back is still refused") << QStringList{"3000000000", "-3000000000"};
}

void tst_FloorPopulationForm::totalBeyond32Bits()
{
    QFETCH(QStringList, entries);

    FloorPopulationForm* form = open(QString::number(entries.size()));
    for (int row = 0; row < entries.size(); ++row)
        QTest::keyClicks(form->floorEntry(row), entries[row]);
    m_wizard.click(FormId::Form3, "Command2");

    QCOMPARE(m_wizard.notices->texts(), QStringList{trevalo::noticeText(Notice::InputError)});
    QVERIFY(form->isVisible());
    QCOMPARE(m_wizard.form(FormId::Form4), nullptr);
    QCOMPARE(form->storedTotal(), QStringLiteral("Text2"));
    for (int row = 0; row < entries.size(); ++row)
        QCOMPARE(form->floorEntry(row)->text(), entries[row]);
}

void tst_FloorPopulationForm::backLaysOutAfresh()
{
    FloorPopulationForm* first = open("5");
    QTest::keyClicks(first->floorEntry(2), "44");
    QPointer<FloorPopulationForm> guard(first);
    m_wizard.click(FormId::Form3, "Command1");
    QCOMPARE(m_wizard.form(FormId::Form3), nullptr);
    QVERIFY(m_wizard.shown(FormId::Form2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());

    m_wizard.type(FormId::Form2, "N1", "25");
    m_wizard.click(FormId::Form2, "Command1");
    auto* second = m_wizard.navigator->formAs<FloorPopulationForm>(FormId::Form3);
    QVERIFY(second != nullptr);
    QCOMPARE(second->loadedFloorCount(), 25);
    QVERIFY(second->floorEntry(2)->text().isEmpty());
    QVERIFY(second->scrollBarShown());
}

void tst_FloorPopulationForm::okKeepsEntriesForLaterVisit()
{
    FloorPopulationForm* form = open("3");
    QTest::keyClicks(form->floorEntry(0), "10");
    QTest::keyClicks(form->floorEntry(1), "20");
    m_wizard.click(FormId::Form3, "Command2");
    QCOMPARE(form->storedTotal(), QStringLiteral("30"));

    // Back from the elevator parameters form, a larger floor count, OK again:
    // the same form with its rows as loaded, while OK reads the current count.
    m_wizard.click(FormId::Form4, "Command1");
    m_wizard.type(FormId::Form2, "N1", "4");
    m_wizard.click(FormId::Form2, "Command1");
    QCOMPARE(m_wizard.navigator->formAs<FloorPopulationForm>(FormId::Form3), form);
    QVERIFY(form->isVisible());
    QCOMPARE(form->loadedFloorCount(), 3);
    QCOMPARE(form->floorEntry(1)->text(), QStringLiteral("20"));
    QVERIFY(form->floorEntry(3)->isHidden());
    form->floorEntry(3)->setText(QStringLiteral("5"));
    m_wizard.click(FormId::Form3, "Command2");
    QCOMPARE(form->storedTotal(), QStringLiteral("35"));
}

void tst_FloorPopulationForm::tabOrderStartsWithButtons()
{
    // The scroll bar is shown from 19 floors on; hidden, it is skipped.
    FloorPopulationForm* form = open("25");
    QStringList chain;
    QWidget* widget = form->findChild<QWidget*>("Command1");
    for (int i = 0; i < 7; ++i) {
        chain << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->isHidden());
    }
    QCOMPARE(chain, (QStringList{"Command1", "Command2", "Command3", "VScroll1", "Text1_0", "Text1_1", "Text1_2"}));
}

QTEST_MAIN(tst_FloorPopulationForm)
#include "tst_floor_population_form.moc"

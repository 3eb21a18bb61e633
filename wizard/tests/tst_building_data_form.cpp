#include "wizard_fixture.h"

#include "wizard/building_data_form.h"
#include "wizard/notices.h"

#include <QLabel>
#include <QtTest>

using trevalo::FormId;
using trevalo::engine::Notice;

class tst_BuildingDataForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void okOutcome_data();
    void okOutcome();
    void enterInTextBoxPressesOk();
    void optionGroupsAreIndependent();
    void returnShowsSameEntriesWithFreshClock();
    void exitEndsProgram();

private:
    trevalo::test::WizardFixture m_wizard;
};

void tst_BuildingDataForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_BuildingDataForm::okOutcome_data()
{
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QString>("population");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QString>("notice");  // empty: no notice
    QTest::addColumn<int>("next");        // the form shown after OK; 2 when refused

    const QString outOfRange = trevalo::noticeText(Notice::FloorsOutOfRange);
    const QString incomplete = trevalo::noticeText(Notice::IncompleteInput);
    QTest::newRow("200 floors even") << "Option1" << "200" << "500" << "Option3" << "" << 4;
    QTest::newRow("201 floors even") << "Option1" << "201" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("201 floors per floor") << "Option2" << "201" << "500" << "Option4" << outOfRange << 2;
    QTest::newRow("200.5 rounds to 200") << "Option1" << "200.5" << "500" << "Option3" << "" << 4;
    QTest::newRow("200.6 rounds to 201") << "Option1" << "200.6" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("130 floors even") << "Option5" << "130" << "500" << "Option3" << "" << 4;
    QTest::newRow("129 floors per floor") << "Option1" << "129" << "500" << "Option4" << "" << 3;
    QTest::newRow("130 floors per floor") << "Option1" << "130" << "500" << "Option4" << outOfRange << 2;
    QTest::newRow("129.5 per floor rounds to 130") << "Option1" << "129.5" << "500" << "Option4" << outOfRange << 2;
    QTest::newRow("128.5 per floor rounds to 128") << "Option1" << "128.5" << "500" << "Option4" << "" << 3;
    QTest::newRow("incomplete beats out of range") << "Option1" << "500" << "" << "Option3" << incomplete << 2;
    QTest::newRow("no building type") << "" << "10" << "500" << "Option3" << incomplete << 2;
    QTest::newRow("no spread") << "Option2" << "10" << "500" << "" << incomplete << 2;
    QTest::newRow("empty floors") << "Option2" << "" << "500" << "Option3" << incomplete << 2;
    QTest::newRow("blank population is filled") << "Option2" << "10" << " " << "Option3" << "" << 4;
    QTest::newRow("40000 beyond 16 bits") << "Option1" << "40000" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("-40000 beyond 16 bits") << "Option1" << "-40000" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("32767 above the bound") << "Option1" << "32767" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("-32768 fits") << "Option1" << "-32768" << "500" << "Option4" << "" << 3;
    QTest::newRow("letters read as 0") << "Option1" << "abc" << "500" << "Option4" << "" << 3;
    QTest::newRow("0 floors") << "Option1" << "0" << "500" << "Option3" << "" << 4;
    QTest::newRow("-3 floors") << "Option1" << "-3" << "500" << "Option4" << "" << 3;
    QTest::newRow("zero population passes") << "Option1" << "10" << "0" << "Option3" << "" << 4;
}

void tst_BuildingDataForm::okOutcome()
{
    QFETCH(QString, building);
    QFETCH(QString, floors);
    QFETCH(QString, population);
    QFETCH(QString, spread);
    QFETCH(QString, notice);
    QFETCH(int, next);

    m_wizard.fillBuildingData(qPrintable(building), floors, population, qPrintable(spread));
    m_wizard.click(FormId::Form2, "Command1");

    if (notice.isEmpty()) {
        QVERIFY(m_wizard.notices->seen().isEmpty());
    } else {
        QCOMPARE(m_wizard.notices->texts(), QStringList{notice});
    }
    QCOMPARE(m_wizard.shown(FormId::Form2), next == 2);
    QCOMPARE(m_wizard.shown(FormId::Form3), next == 3);
    QCOMPARE(m_wizard.shown(FormId::Form4), next == 4);
    // A refusal shows or loads no other form; the entries stay as typed either way.
    if (next == 2) {
        QCOMPARE(m_wizard.form(FormId::Form3), nullptr);
        QCOMPARE(m_wizard.form(FormId::Form4), nullptr);
    }
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "N1")->text(), floors);
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "Text1")->text(), population);
}

void tst_BuildingDataForm::enterInTextBoxPressesOk()
{
    m_wizard.fillBuildingData("Option1", "12", "", "Option3");
    QTest::keyClick(m_wizard.control<QLineEdit>(FormId::Form2, "N1"), Qt::Key_Return);
    QCOMPARE(m_wizard.notices->texts(), QStringList{trevalo::noticeText(Notice::IncompleteInput)});

    m_wizard.type(FormId::Form2, "Text1", "300");
    QTest::keyClick(m_wizard.control<QLineEdit>(FormId::Form2, "Text1"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_wizard.shown(FormId::Form4));
    QVERIFY(!m_wizard.shown(FormId::Form2));
}

void tst_BuildingDataForm::optionGroupsAreIndependent()
{
    m_wizard.navigator->show(FormId::Form2);
    auto* form = m_wizard.navigator->formAs<trevalo::BuildingDataForm>(FormId::Form2);
    QVERIFY(!form->buildingType().has_value());
    QVERIFY(!form->spread().has_value());

    m_wizard.click(FormId::Form2, "Option1");
    m_wizard.click(FormId::Form2, "Option4");
    m_wizard.click(FormId::Form2, "Option5");
    QCOMPARE(form->buildingType(), trevalo::engine::BuildingType::OwnerOccupiedOffice);
    QCOMPARE(form->spread(), trevalo::engine::PopulationSpread::PerFloor);
    QVERIFY(!m_wizard.control<QRadioButton>(FormId::Form2, "Option1")->isChecked());

    m_wizard.click(FormId::Form2, "Option3");
    QCOMPARE(form->buildingType(), trevalo::engine::BuildingType::OwnerOccupiedOffice);
    QCOMPARE(form->spread(), trevalo::engine::PopulationSpread::Even);
}

void tst_BuildingDataForm::returnShowsSameEntriesWithFreshClock()
{
    m_wizard.fillBuildingData("Option2", "20", "800", "Option3");
    // Key clicks carry Latin-1 only; a Chinese name is entered as an input method would.
    m_wizard.control<QLineEdit>(FormId::Form2, "Text2")->insert(QStringLiteral("滨江大厦"));
    auto* date = m_wizard.control<QLabel>(FormId::Form2, "Label1");
    auto* time = m_wizard.control<QLabel>(FormId::Form2, "Label7");
    QVERIFY(!date->text().isEmpty());
    QVERIFY(!time->text().isEmpty());
    m_wizard.click(FormId::Form2, "Command1");
    QVERIFY(m_wizard.shown(FormId::Form4));

    date->setText(QStringLiteral("stale"));
    time->setText(QStringLiteral("stale"));
    m_wizard.click(FormId::Form4, "Command1");
    QVERIFY(m_wizard.shown(FormId::Form2));
    QCOMPARE(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(time->text() != QStringLiteral("stale"));
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "Text2")->text(), QStringLiteral("滨江大厦"));
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "N1")->text(), QStringLiteral("20"));
    QVERIFY(m_wizard.control<QRadioButton>(FormId::Form2, "Option2")->isChecked());
    QVERIFY(m_wizard.control<QRadioButton>(FormId::Form2, "Option3")->isChecked());
}

void tst_BuildingDataForm::exitEndsProgram()
{
    m_wizard.fillBuildingData("Option1", "10", "500", "Option3");
    m_wizard.click(FormId::Form2, "Command1");
    m_wizard.navigator->show(FormId::Form2);
    m_wizard.click(FormId::Form2, "Command2");
    QCOMPARE(m_wizard.form(FormId::Form2), nullptr);
    QCOMPARE(m_wizard.form(FormId::Form4), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(m_wizard.notices->seen().isEmpty());
}

QTEST_MAIN(tst_BuildingDataForm)
#include "tst_building_data_form.moc"

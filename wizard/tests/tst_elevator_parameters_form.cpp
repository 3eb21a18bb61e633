#include "wizard_fixture.h"

#include "wizard/elevator_parameters_form.h"
#include "wizard/label_tone.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using trevalo::ElevatorParametersForm;
using trevalo::FormId;
using trevalo::LabelTone;

class tst_ElevatorParametersForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void defaultsByBuildingType_data();
    void defaultsByBuildingType();
    void initialLabelColours_data();
    void initialLabelColours();
    void decidedLoadAndMachineRoomRules();
    void expressZoneKeepsDistance();
    void percentagesFollowBuildingTypeOnlyAfterOwnBack();
    void loadTimeWorkRunsOnce();
    void okRequestsAnalysis_data();
    void okRequestsAnalysis();
    void clearAndFocusDoorWidth();
    void entriesReadAsTyped();
    void tabOrder();

private:
    ElevatorParametersForm* open(const char* buildingOption);
    QColor textColour(const char* label) const;
    QColor tone(LabelTone tone) const;

    trevalo::test::WizardFixture m_wizard;
};

void tst_ElevatorParametersForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

ElevatorParametersForm* tst_ElevatorParametersForm::open(const char* buildingOption)
{
    m_wizard.fillBuildingData(buildingOption, "10", "500", "Option3");
    if (buildingOption[0] == '\0') {
        // The building data form insists on a building type; the form is loaded directly.
        m_wizard.navigator->show(FormId::Form4);
    } else {
        m_wizard.click(FormId::Form2, "Command1");
    }
    return m_wizard.navigator->formAs<ElevatorParametersForm>(FormId::Form4);
}

QColor tst_ElevatorParametersForm::textColour(const char* label) const
{
    return m_wizard.control<QLabel>(FormId::Form4, label)->palette().color(QPalette::WindowText);
}

QColor tst_ElevatorParametersForm::tone(LabelTone which) const
{
    return trevalo::labelToneColour(which, m_wizard.form(FormId::Form4)->palette());
}

void tst_ElevatorParametersForm::defaultsByBuildingType_data()
{
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("residential") << "Option1" << "30" << "20";
    QTest::newRow("office and hotel") << "Option2" << "50" << "50";
    QTest::newRow("owner-occupied office") << "Option5" << "80" << "0";
    QTest::newRow("no building type") << "" << "80" << "0";
}

void tst_ElevatorParametersForm::defaultsByBuildingType()
{
    QFETCH(QString, building);
    QFETCH(QString, up);
    QFETCH(QString, down);

    ElevatorParametersForm* form = open(qPrintable(building));
    QVERIFY(form != nullptr);
    QVERIFY(form->isVisible());
    QCOMPARE(form->textBox(3)->text(), QStringLiteral("5"));
    QCOMPARE(form->textBox(4)->text(), up);
    QCOMPARE(form->textBox(5)->text(), down);
    QCOMPARE(form->textBox(6), nullptr);
    for (int index : {0, 1, 2, 7})
        QVERIFY(form->textBox(index)->text().isEmpty());
    for (const char* combo : {"Combo1", "Combo2", "Combo3"}) {
        QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, combo)->currentText(), QString());
        QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, combo)->currentIndex(), -1);
    }
    for (const char* hidden : {"TEXT1_2", "Combo3", "TEXT1_7", "Check4", "Text2"})
        QVERIFY2(m_wizard.control(FormId::Form4, hidden)->isHidden(), hidden);
    for (const char* check : {"Check1", "Check2", "Check3", "Check4"})
        QVERIFY(!m_wizard.control<QCheckBox>(FormId::Form4, check)->isChecked());
    QVERIFY(!form->doorType().has_value());
}

void tst_ElevatorParametersForm::initialLabelColours_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<LabelTone>("expected");

    QTest::newRow("express distance greyed") << "Label4" << LabelTone::Greyed;
    QTest::newRow("express unit grey text") << "Label2_2" << LabelTone::GreyText;
    QTest::newRow("rated load grey text") << "Label9" << LabelTone::GreyText;
    QTest::newRow("car count grey text") << "Label10" << LabelTone::GreyText;
    QTest::newRow("load unit grey text") << "Label11_0" << LabelTone::GreyText;
    QTest::newRow("count unit grey text") << "Label11_1" << LabelTone::GreyText;
    QTest::newRow("finishing weight vanishes") << "Label16" << LabelTone::Background;
    QTest::newRow("weight unit vanishes") << "Label17" << LabelTone::Background;
}

void tst_ElevatorParametersForm::initialLabelColours()
{
    QFETCH(QString, label);
    QFETCH(LabelTone, expected);

    open("Option1");
    QCOMPARE(textColour(qPrintable(label)), tone(expected));
    for (LabelTone other : {LabelTone::Normal, LabelTone::Greyed, LabelTone::GreyText, LabelTone::Background})
        if (other != expected)
            QVERIFY(textColour(qPrintable(label)) != tone(other));
}

void tst_ElevatorParametersForm::decidedLoadAndMachineRoomRules()
{
    open("Option1");
    auto* decided = m_wizard.control<QCheckBox>(FormId::Form4, "Check3");
    auto* machineRoom = m_wizard.control<QCheckBox>(FormId::Form4, "Check4");
    auto hidden = [this](const char* name) { return m_wizard.control(FormId::Form4, name)->isHidden(); };

    m_wizard.click(FormId::Form4, "Check3");
    QVERIFY(decided->isChecked());
    QVERIFY(!hidden("Combo3") && !hidden("TEXT1_7") && !hidden("Check4"));
    QVERIFY(hidden("Text2"));
    for (const char* label : {"Label9", "Label10", "Label11_0", "Label11_1"})
        QCOMPARE(textColour(label), tone(LabelTone::Normal));

    m_wizard.click(FormId::Form4, "Check4");
    QVERIFY(!hidden("Text2"));
    QCOMPARE(textColour("Label16"), tone(LabelTone::Normal));
    QCOMPARE(textColour("Label17"), tone(LabelTone::Normal));
    m_wizard.type(FormId::Form4, "Text2", "600");
    m_wizard.type(FormId::Form4, "TEXT1_7", "3");

    m_wizard.click(FormId::Form4, "Check3");
    QVERIFY(hidden("Combo3") && hidden("TEXT1_7") && hidden("Check4"));
    QVERIFY(!hidden("Text2"));
    QVERIFY(machineRoom->isChecked());
    for (const char* label : {"Label9", "Label10", "Label11_0", "Label11_1"})
        QCOMPARE(textColour(label), tone(LabelTone::Greyed));
    QCOMPARE(textColour("Label16"), tone(LabelTone::Normal));

    m_wizard.click(FormId::Form4, "Check3");
    QVERIFY(!hidden("Check4"));
    QVERIFY(machineRoom->isChecked());
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form4, "TEXT1_7")->text(), QStringLiteral("3"));
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form4, "Text2")->text(), QStringLiteral("600"));

    m_wizard.click(FormId::Form4, "Check4");
    QVERIFY(hidden("Text2"));
    QCOMPARE(textColour("Label16"), tone(LabelTone::Background));
    QCOMPARE(textColour("Label17"), tone(LabelTone::Background));
}

void tst_ElevatorParametersForm::expressZoneKeepsDistance()
{
    ElevatorParametersForm* form = open("Option2");
    m_wizard.click(FormId::Form4, "Check1");
    QVERIFY(!form->textBox(2)->isHidden());
    QCOMPARE(textColour("Label4"), tone(LabelTone::Normal));
    QCOMPARE(textColour("Label2_2"), tone(LabelTone::Normal));
    QTest::keyClicks(form->textBox(2), "12.5");

    m_wizard.click(FormId::Form4, "Check1");
    QVERIFY(form->textBox(2)->isHidden());
    QCOMPARE(textColour("Label4"), tone(LabelTone::Greyed));
    QCOMPARE(textColour("Label2_2"), tone(LabelTone::Greyed));
    QCOMPARE(form->elevatorParameters().expressDistance, std::string("12.5"));
    QVERIFY(!form->elevatorParameters().expressZoneSet);

    m_wizard.click(FormId::Form4, "Check1");
    QCOMPARE(form->textBox(2)->text(), QStringLiteral("12.5"));
}

void tst_ElevatorParametersForm::percentagesFollowBuildingTypeOnlyAfterOwnBack()
{
    ElevatorParametersForm* form = open("Option1");
    QCOMPARE(form->textBox(4)->text(), QStringLiteral("30"));
    QTest::keyClicks(form->textBox(0), "45");

    // Leaving without its own back (as the result forms' recalculation does)
    // keeps the form loaded: a new building type changes nothing on it.
    m_wizard.navigator->hide(FormId::Form4);
    m_wizard.navigator->show(FormId::Form2);
    m_wizard.click(FormId::Form2, "Option2");
    m_wizard.click(FormId::Form2, "Command1");
    QCOMPARE(m_wizard.navigator->formAs<ElevatorParametersForm>(FormId::Form4), form);
    QCOMPARE(form->textBox(4)->text(), QStringLiteral("30"));
    QCOMPARE(form->textBox(5)->text(), QStringLiteral("20"));
    QCOMPARE(form->textBox(0)->text(), QStringLiteral("45"));

    m_wizard.click(FormId::Form4, "Command1");
    QCOMPARE(m_wizard.form(FormId::Form4), nullptr);
    QVERIFY(m_wizard.shown(FormId::Form2));
    m_wizard.click(FormId::Form2, "Command1");
    auto* fresh = m_wizard.navigator->formAs<ElevatorParametersForm>(FormId::Form4);
    QVERIFY(fresh != nullptr);
    QCOMPARE(fresh->textBox(4)->text(), QStringLiteral("50"));
    QCOMPARE(fresh->textBox(5)->text(), QStringLiteral("50"));
    QVERIFY(fresh->textBox(0)->text().isEmpty());
}

void tst_ElevatorParametersForm::loadTimeWorkRunsOnce()
{
    QSignalSpy loads(m_wizard.navigator.get(), &trevalo::Navigator::formLoaded);
    ElevatorParametersForm* form = open("Option1");
    form->textBox(4)->setText(QStringLiteral("35"));
    m_wizard.navigator->hide(FormId::Form4);
    m_wizard.navigator->show(FormId::Form4);
    m_wizard.navigator->show(FormId::Form4);
    int form4Loads = 0;
    for (const QList<QVariant>& load : loads)
        form4Loads += load.at(0).value<FormId>() == FormId::Form4 ? 1 : 0;
    QCOMPARE(form4Loads, 1);
    QCOMPARE(form->textBox(4)->text(), QStringLiteral("35"));
}

void tst_ElevatorParametersForm::okRequestsAnalysis_data()
{
    QTest::addColumn<QString>("focus");  // the control Enter is pressed in; empty: click OK

    QTest::newRow("click") << "";
    QTest::newRow("Enter in a text box") << "TEXT1_0";
    QTest::newRow("Enter in a combo box") << "Combo2";
    QTest::newRow("Enter on an option button") << "Option1_1";
    QTest::newRow("Enter on a check box") << "Check2";
}

void tst_ElevatorParametersForm::okRequestsAnalysis()
{
    QFETCH(QString, focus);

    ElevatorParametersForm* form = open("Option1");
    QSignalSpy requests(form, &ElevatorParametersForm::analysisRequested);
    if (focus.isEmpty())
        m_wizard.click(FormId::Form4, "Command2");
    else
        QTest::keyClick(m_wizard.control(FormId::Form4, qPrintable(focus)), Qt::Key_Return);
    QCOMPARE(requests.count(), 1);
    // The form computes nothing itself and stays as it was.
    QVERIFY(form->isVisible());
    QVERIFY(m_wizard.notices->seen().isEmpty());
}

void tst_ElevatorParametersForm::clearAndFocusDoorWidth()
{
    ElevatorParametersForm* form = open("Option1");
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto* width = m_wizard.control<QComboBox>(FormId::Form4, "Combo2");
    width->setCurrentIndex(2);
    QCOMPARE(width->currentText(), QStringLiteral("1000"));
    form->clearAndFocusDoorWidth();
    QCOMPARE(width->currentText(), QString());
    QCOMPARE(width->count(), 4);
    QTRY_VERIFY(width->hasFocus());
}

void tst_ElevatorParametersForm::entriesReadAsTyped()
{
    ElevatorParametersForm* form = open("Option1");
    m_wizard.type(FormId::Form4, "TEXT1_0", "30");
    m_wizard.type(FormId::Form4, "TEXT1_1", " 3 ");
    m_wizard.click(FormId::Form4, "Option1_2");
    QTest::keyClicks(m_wizard.control(FormId::Form4, "Combo2"), "2000");
    QTest::keyClick(m_wizard.control(FormId::Form4, "Combo2"), Qt::Key_Return);
    QTest::keyClicks(m_wizard.control(FormId::Form4, "Combo1"), "1.75");
    m_wizard.click(FormId::Form4, "Check3");
    QTest::keyClicks(m_wizard.control(FormId::Form4, "Combo3"), "1000");
    m_wizard.type(FormId::Form4, "TEXT1_7", "2");

    const trevalo::engine::ElevatorParameters p = form->elevatorParameters();
    QCOMPARE(p.travel, std::string("30"));
    QCOMPARE(p.floorHeight, std::string(" 3 "));
    QCOMPARE(p.doorType, trevalo::engine::DoorType::FourPanelCentre);
    QCOMPARE(p.doorWidth, std::string("2000"));
    QCOMPARE(p.ratedSpeed, std::string("1.75"));
    QCOMPARE(p.lossPercent, std::string("5"));
    QCOMPARE(p.upPercent, std::string("30"));
    QCOMPARE(p.downPercent, std::string("20"));
    QVERIFY(p.fixedConfiguration);
    QCOMPARE(p.ratedLoad, std::string("1000"));
    QCOMPARE(p.carCount, std::string("2"));
    QVERIFY(!p.machineRoomRequested);
    QVERIFY(p.finishingWeight.empty());
    // Typed values are entries, never new list items; 975 kg is not in the load list.
    QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, "Combo1")->count(), 15);
    QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, "Combo2")->count(), 4);
    QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, "Combo3")->count(), 15);
    QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, "Combo3")->findText("975"), -1);
}

void tst_ElevatorParametersForm::tabOrder()
{
    open("Option1");
    m_wizard.click(FormId::Form4, "Check1");
    m_wizard.click(FormId::Form4, "Check3");
    m_wizard.click(FormId::Form4, "Check4");
    const QStringList expected{"TEXT1_0",  "TEXT1_1",  "Check1",   "TEXT1_2",   "Option1_0", "Option1_1", "Option1_2",
                               "Combo2",   "Check2",   "TEXT1_3",  "TEXT1_4",   "TEXT1_5",   "Combo1",    "Combo3",
                               "TEXT1_7",  "Command1", "Command2", "Command3",  "Check4",    "Check3",    "Text2"};
    QStringList actual;
    QWidget* widget = m_wizard.control(FormId::Form4, "TEXT1_0");
    for (int i = 0; i < expected.size(); ++i) {
        actual << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty());
    }
    QCOMPARE(actual, expected);
}

QTEST_MAIN(tst_ElevatorParametersForm)
#include "tst_elevator_parameters_form.moc"

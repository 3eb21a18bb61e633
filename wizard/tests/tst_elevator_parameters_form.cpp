#include "wizard_fixture.h"

#include "wizard/elevator_parameters_form.h"
#include "wizard/label_tone.h"

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
    void checkBoxesShowAndTone_data();
    void checkBoxesShowAndTone();
    void percentagesFollowBuildingTypeOnlyAfterOwnBack();
    void comboListsStayAsDesigned();

private:
    ElevatorParametersForm* open(const char* buildingOption)
    {
        m_wizard.fillBuildingData(buildingOption, "10", "500", "Option3");
        m_wizard.click(FormId::Form2, "Command1");
        return m_wizard.navigator->formAs<ElevatorParametersForm>(FormId::Form4);
    }

    trevalo::test::WizardFixture m_wizard;
};

void tst_ElevatorParametersForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ElevatorParametersForm::defaultsByBuildingType_data()
{
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("residential") << "Option1" << "30" << "20";
    QTest::newRow("office and hotel") << "Option2" << "50" << "50";
    QTest::newRow("owner-occupied office") << "Option5" << "80" << "0";
}

void tst_ElevatorParametersForm::defaultsByBuildingType()
{
    QFETCH(QString, building);
    QFETCH(QString, up);
    QFETCH(QString, down);

    ElevatorParametersForm* form = open(qPrintable(building));
    QVERIFY(form != nullptr && form->isVisible());
    QCOMPARE(form->textBox(3)->text(), QStringLiteral("5"));
    QCOMPARE(form->textBox(4)->text(), up);
    QCOMPARE(form->textBox(5)->text(), down);
    for (const char* combo : {"Combo1", "Combo2", "Combo3"})
        QCOMPARE(m_wizard.control<QComboBox>(FormId::Form4, combo)->currentText(), QString());
    QVERIFY(!form->doorType().has_value());
}

void tst_ElevatorParametersForm::checkBoxesShowAndTone_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("shown");  // of TEXT1_2, Combo3, TEXT1_7, Check4, Text2
    // A letter per label Label4, Label2_2, Label9, Label10, Label11_0, Label11_1, Label16,
    // Label17: N normal, G greyed, T grey text, B background (vanished).
    QTest::addColumn<QString>("tones");

    const QStringList loadControls{"Combo3", "TEXT1_7", "Check4"};
    QTest::newRow("as loaded") << QStringList{} << QStringList{} << "GTTTTTBB";
    QTest::newRow("express zone set") << QStringList{"Check1"} << QStringList{"TEXT1_2"} << "NNTTTTBB";
    QTest::newRow("express zone cleared") << QStringList{"Check1", "Check1"} << QStringList{} << "GGTTTTBB";
    QTest::newRow("load decided") << QStringList{"Check3"} << loadControls << "GTNNNNBB";
    QTest::newRow("machine-room load") << QStringList{"Check3", "Check4"} << loadControls + QStringList{"Text2"}
                                       << "GTNNNNNN";
    QTest::newRow("load undecided keeps the finishing weight")
        << QStringList{"Check3", "Check4", "Check3"} << QStringList{"Text2"} << "GTGGGGNN";
    QTest::newRow("machine-room load cleared") << QStringList{"Check3", "Check4", "Check4"} << loadControls
                                               << "GTNNNNBB";
}

void tst_ElevatorParametersForm::checkBoxesShowAndTone()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, shown);
    QFETCH(QString, tones);

    QWidget* form = open("Option1");
    const char* entries[] = {"TEXT1_2", "TEXT1_7", "Text2"};
    for (const char* name : entries)
        m_wizard.control<QLineEdit>(FormId::Form4, name)->setText(QStringLiteral("7"));
    for (const QString& box : clicks)
        m_wizard.click(FormId::Form4, qPrintable(box));
    for (const char* name : {"TEXT1_2", "Combo3", "TEXT1_7", "Check4", "Text2"})
        QVERIFY2(m_wizard.control(FormId::Form4, name)->isHidden() != shown.contains(QLatin1String(name)), name);
    // Hiding or showing a box never changes its entry.
    for (const char* name : entries)
        QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form4, name)->text(), QStringLiteral("7"));

    const char* labels[] = {"Label4", "Label2_2", "Label9", "Label10", "Label11_0", "Label11_1", "Label16", "Label17"};
    const QMap<QChar, LabelTone> toneOf{{'N', LabelTone::Normal}, {'G', LabelTone::Greyed},
                                        {'T', LabelTone::GreyText}, {'B', LabelTone::Background}};
    for (int i = 0; i < tones.size(); ++i) {
        const QColor colour = m_wizard.control<QLabel>(FormId::Form4, labels[i])->palette().color(QPalette::WindowText);
        // Every tone is its own colour, so a label in the wrong tone cannot pass.
        for (auto it = toneOf.cbegin(); it != toneOf.cend(); ++it)
            QVERIFY2((colour == trevalo::labelToneColour(*it, form->palette())) == (it.key() == tones[i]), labels[i]);
    }
}

void tst_ElevatorParametersForm::percentagesFollowBuildingTypeOnlyAfterOwnBack()
{
    ElevatorParametersForm* form = open("Option1");
    QTest::keyClicks(form->textBox(0), "45");

    // Hidden and shown again without its own back (as the result forms' recalculation
    // does), the form is not loaded again: a new building type changes nothing on it.
    m_wizard.navigator->hide(FormId::Form4);
    QCOMPARE(open("Option2"), form);
    QCOMPARE(form->textBox(4)->text(), QStringLiteral("30"));
    QCOMPARE(form->textBox(0)->text(), QStringLiteral("45"));

    // Its own back unloads it; loaded afresh it takes the new type's defaults.
    m_wizard.click(FormId::Form4, "Command1");
    QCOMPARE(m_wizard.form(FormId::Form4), nullptr);
    ElevatorParametersForm* fresh = open("Option2");
    QVERIFY(fresh != nullptr);
    QCOMPARE(fresh->textBox(4)->text(), QStringLiteral("50"));
    QVERIFY(fresh->textBox(0)->text().isEmpty());
}

// Typed values are entries, never new list items, and Enter in a combo box presses OK;
// clearing the door width empties its entry, not its list.
void tst_ElevatorParametersForm::comboListsStayAsDesigned()
{
    ElevatorParametersForm* form = open("Option1");
    QSignalSpy analysisRequests(form, &ElevatorParametersForm::analysisRequested);
    m_wizard.click(FormId::Form4, "Check3");
    auto* width = m_wizard.control<QComboBox>(FormId::Form4, "Combo2");
    auto* load = m_wizard.control<QComboBox>(FormId::Form4, "Combo3");
    for (auto [combo, text] : {std::pair{width, "2000"}, std::pair{load, "975"}}) {
        QTest::keyClicks(combo, text);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), QString::fromLatin1(text));
        QCOMPARE(combo->findText(QString::fromLatin1(text)), -1);
    }
    QCOMPARE(analysisRequests.count(), 2);

    width->setCurrentIndex(2);
    form->clearAndFocusDoorWidth();
    QCOMPARE(width->currentText(), QString());
    QCOMPARE(width->count(), 4);
}

QTEST_MAIN(tst_ElevatorParametersForm)
#include "tst_elevator_parameters_form.moc"

#include "app/testing/program_driver.h"

#include "wizard/floor_population_form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

// The wizard's own rules, driven through the assembled program: the bounds of the building
// data form, the rows and total of the floor population form, the check boxes of the
// elevator parameters form. Every expected value is worked by hand from the form's rules.
class tst_WizardRules : public QObject {
    Q_OBJECT
private:
    FloorPopulationForm* openFloorPopulation(const QString& floors)
    {
        m_driver = std::make_unique<ProgramDriver>();
        BuildingEntries building;
        building.floors = floors;
        building.perFloor = true;
        m_driver->enterBuilding(building);
        return m_driver->navigator().formAs<FloorPopulationForm>(FormId::Form3);
    }

    std::unique_ptr<ProgramDriver> m_driver;

private slots:
    void cleanup() { QVERIFY(dropProgram(m_driver)); }

    void buildingDataOk_data()
    {
        QTest::addColumn<QString>("building");
        QTest::addColumn<QString>("floors");
        QTest::addColumn<QString>("population");
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QString>("notice");  // empty: no notice
        QTest::addColumn<QString>("next");    // the form shown after OK

        const QString outOfRange = QStringLiteral("楼层数超出范围！");
        const QString incomplete = QStringLiteral("请完整输入数据");
        QTest::newRow("201 floors even") << "Option1" << "201" << "500" << "Option3" << outOfRange << "Form2";
        QTest::newRow("200.5 rounds to 200") << "Option1" << "200.5" << "500" << "Option3" << "" << "Form4";
        QTest::newRow("129 floors per floor") << "Option1" << "129" << "500" << "Option4" << "" << "Form3";
        QTest::newRow("130 floors per floor") << "Option1" << "130" << "500" << "Option4" << outOfRange << "Form2";
        QTest::newRow("incomplete beats out of range") << "Option1" << "500" << "" << "Option3" << incomplete << "Form2";
        QTest::newRow("no building type") << "" << "10" << "500" << "Option3" << incomplete << "Form2";
        QTest::newRow("no spread") << "Option2" << "10" << "500" << "" << incomplete << "Form2";
        QTest::newRow("empty floors") << "Option2" << "" << "500" << "Option3" << incomplete << "Form2";
        QTest::newRow("blank population is filled") << "Option2" << "10" << " " << "Option3" << "" << "Form4";
        QTest::newRow("40000 beyond 16 bits") << "Option1" << "40000" << "500" << "Option3" << outOfRange << "Form2";
        QTest::newRow("letters read as 0") << "Option1" << "abc" << "500" << "Option4" << "" << "Form3";
        QTest::newRow("-3 floors") << "Option5" << "-3" << "500" << "Option3" << "" << "Form4";
    }

    void buildingDataOk()
    {
        QFETCH(QString, building);
        QFETCH(QString, floors);
        QFETCH(QString, population);
        QFETCH(QString, spread);
        QFETCH(QString, notice);
        QFETCH(QString, next);
        m_driver = std::make_unique<ProgramDriver>();
        for (const QString& option : {building, spread})  // an empty name chooses nothing
            if (!option.isEmpty())
                m_driver->click(FormId::Form2, option);
        m_driver->type(FormId::Form2, QStringLiteral("N1"), floors);
        m_driver->type(FormId::Form2, QStringLiteral("Text1"), population);
        NoticeCatcher catcher;
        // Enter anywhere on the form presses OK.
        QTest::keyClick(m_driver->control<QLineEdit>(FormId::Form2, QStringLiteral("Text1")), Qt::Key_Enter, Qt::KeypadModifier);

        QCOMPARE(catcher.texts(), notice.isEmpty() ? QStringList{} : QStringList{notice});
        QCOMPARE(visibleForms(), QStringList{next});
        QCOMPARE(m_driver->control<QLineEdit>(FormId::Form2, QStringLiteral("N1"))->text(), floors);
        QCOMPARE(m_driver->control<QLineEdit>(FormId::Form2, QStringLiteral("Text1"))->text(), population);
    }

    void floorRows_data()
    {
        QTest::addColumn<QString>("floors");
        QTest::addColumn<int>("panelHeight");  // 310 n + 130 twips
        QTest::addColumn<int>("maximum");      // 310 n - 4750; 0: no scroll bar

        QTest::newRow("1 floor") << "1" << 440 << 0;
        QTest::newRow("18 floors fit") << "18" << 5710 << 0;
        QTest::newRow("19 floors scroll") << "19" << 6020 << 1140;
        QTest::newRow("129 floors beyond a 16-bit scroll range") << "129" << 40120 << 35240;
    }

    void floorRows()
    {
        QFETCH(QString, floors);
        QFETCH(int, panelHeight);
        QFETCH(int, maximum);
        FloorPopulationForm* form = openFloorPopulation(floors);
        const int rows = qMax(floors.toInt(), 1);  // row 0 is always shown
        QCOMPARE(form->panelHeightTwips(), panelHeight);
        QCOMPARE(form->scrollBarShown(), maximum > 0);
        QCOMPARE(form->scrollMaximum(), maximum);
        for (int row = 0; row < 223; ++row) {
            QCOMPARE(!form->floorEntry(row)->isHidden(), row < rows);
            QCOMPARE(!form->floorLabel(row)->isHidden(), row < rows);
        }
        QCOMPARE(form->floorLabel(rows - 1)->text(), QStringLiteral("第 %1 层人数").arg(rows));
        QCOMPARE(form->rowTopTwips(rows - 1), 360 + 280 * (rows - 1));
    }

    void floorTotal_data()
    {
        QTest::addColumn<QStringList>("entries");  // one floor per entry
        QTest::addColumn<QString>("stored");       // empty: refused

        QTest::newRow("rounded half to even at every step: 1.5 and 1.5 give 4") << QStringList{"1.5", "1.5"} << "4";
        QTest::newRow("empty, letters and blanks") << QStringList{"", "abc", " 1 2", "7"} << "19";
        QTest::newRow("one above the largest") << QStringList{"2147483647", "1"} << "";
        QTest::newRow("beyond a double") << QStringList{"1e999"} << "";
    }

    void floorTotal()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, stored);
        FloorPopulationForm* form = openFloorPopulation(QString::number(entries.size()));
        for (int row = 0; row < entries.size(); ++row)
            QTest::keyClicks(form->floorEntry(row), entries[row]);
        NoticeCatcher catcher;
        m_driver->click(FormId::Form3, QStringLiteral("Command2"));

        // Refused, the form stays as it was, the total box untouched.
        const bool refused = stored.isEmpty();
        QCOMPARE(catcher.texts(), refused ? QStringList{QStringLiteral("输入数据有误！")} : QStringList{});
        QCOMPARE(form->storedTotal(), refused ? QStringLiteral("Text2") : stored);
        QCOMPARE(visibleForms(), QStringList{refused ? "Form3" : "Form4"});
    }

    void elevatorCheckBoxes_data()
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

    void elevatorCheckBoxes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QString, tones);
        m_driver = std::make_unique<ProgramDriver>();
        m_driver->enterBuilding({});
        const QWidget* form = m_driver->form(FormId::Form4);
        const QStringList entries{"TEXT1_2", "TEXT1_7", "Text2"};
        for (const QString& name : entries)
            m_driver->control<QLineEdit>(FormId::Form4, name)->setText(QStringLiteral("7"));
        for (const QString& box : clicks)
            m_driver->click(FormId::Form4, box);
        for (const QString& name : QStringList{"TEXT1_2", "Combo3", "TEXT1_7", "Check4", "Text2"})
            QVERIFY2(m_driver->control<QWidget>(FormId::Form4, name)->isHidden() != shown.contains(name), qPrintable(name));
        // Hiding or showing a box never changes its entry.
        for (const QString& name : entries)
            QCOMPARE(m_driver->control<QLineEdit>(FormId::Form4, name)->text(), QStringLiteral("7"));

        // Normal is the button-text colour, vanished the button-face colour; labels of one tone
        // share a colour and every tone has its own.
        const QStringList labels{"Label4", "Label2_2", "Label9", "Label10", "Label11_0", "Label11_1", "Label16", "Label17"};
        QMap<QChar, QColor> toneColour{{'N', form->palette().color(QPalette::ButtonText)},
                                       {'B', form->palette().color(QPalette::Button)}};
        for (int i = 0; i < tones.size(); ++i) {
            const QColor colour = m_driver->control<QLabel>(FormId::Form4, labels[i])->palette().color(QPalette::WindowText);
            toneColour.insert(tones[i], toneColour.value(tones[i], colour));
            QVERIFY2(toneColour.key(colour, '?') == tones[i], qPrintable(labels[i]));
        }
    }
};

QTEST_MAIN(tst_WizardRules)
#include "tst_wizard_rules.moc"

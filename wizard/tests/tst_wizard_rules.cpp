#include "app/testing/program_driver.h"

#include "wizard/entry_marks.h"
#include "wizard/floor_population_form.h"

#include <QApplication>
#include <QComboBox>
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

    // The form's part of a refusal: the notice, the form kept with its entries, and the entry
    // at fault focused, selected and marked until edited. Which entries each rule refuses is
    // the engine's, tabulated there.
    void buildingDataOk_data()
    {
        QTest::addColumn<QString>("building");
        QTest::addColumn<QString>("floors");
        QTest::addColumn<QString>("population");
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QString>("notice");  // empty: no notice
        QTest::addColumn<QString>("marked");  // the control marked as refused; empty: none
        QTest::addColumn<QString>("next");    // the form shown after OK

        const QString outOfRange = QStringLiteral("楼层数超出范围！");
        const QString incomplete = QStringLiteral("请完整输入数据");
        QTest::newRow("201 floors even") << "Option1" << "201" << "500" << "Option3" << outOfRange << "N1" << "Form2";
        QTest::newRow("129 floors per floor") << "Option1" << "129" << "500" << "Option4" << "" << "" << "Form3";
        QTest::newRow("incomplete beats out of range")
            << "Option1" << "500" << "" << "Option3" << incomplete << "Text1" << "Form2";
        QTest::newRow("no building type") << "" << "10" << "500" << "Option3" << incomplete << "Option1" << "Form2";
        QTest::newRow("no spread") << "Option2" << "10" << "500" << "" << incomplete << "Option3" << "Form2";
        QTest::newRow("empty floors") << "Option2" << "" << "500" << "Option3" << incomplete << "N1" << "Form2";
        QTest::newRow("blank population is filled") << "Option2" << "10" << " " << "Option3" << "" << "" << "Form4";
    }

    void buildingDataOk()
    {
        QFETCH(QString, building);
        QFETCH(QString, floors);
        QFETCH(QString, population);
        QFETCH(QString, spread);
        QFETCH(QString, notice);
        QFETCH(QString, marked);
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
        QStringList markedNow;
        for (const QWidget* control : m_driver->form(FormId::Form2)->findChildren<QWidget*>())
            if (isMarkedRefused(*control))
                markedNow << control->objectName();
        QCOMPARE(markedNow, marked.isEmpty() ? QStringList{} : QStringList{marked});
        if (!marked.isEmpty()) {
            auto* control = m_driver->control<QWidget>(FormId::Form2, marked);
            QCOMPARE(m_driver->form(FormId::Form2)->focusWidget(), control);
            QVERIFY(!control->toolTip().isEmpty());
            // The box says what the tooltip says.
            QCOMPARE(catcher.informativeTexts(), QStringList{control->toolTip()});
        }
    }

    // The elevator parameters' refusals mark their entry; an edit takes the mark away.
    void refusedEntryMarked_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");     // typed into the control before 确定
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("shown");    // the control's text after the notice
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("800 % up") << "TEXT1_4" << "800" << "输入数据有误！" << "800" << "上行百分比不能大于 100";
        QTest::newRow("101 % down") << "TEXT1_5" << "101" << "输入数据有误！" << "101" << "下行百分比不能大于 100";
        QTest::newRow("no travel") << "TEXT1_0" << "" << "请完整输入数据" << "" << "请输入行程";
        QTest::newRow("no cars") << "TEXT1_7" << "0" << "输入数据有误！" << "0" << "电梯台数应大于 0";
        QTest::newRow("door width emptied") << "Combo2" << "1600" << "电梯门开启宽度不符合标准" << ""
                                            << "开门宽度应在 800 至 1500 mm 之间";
        QTest::newRow("speed in letters") << "Combo1" << "fast" << "输入数据有误！" << "fast" << "额定速度应大于 0";
    }

    void refusedEntryMarked()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, notice);
        QFETCH(QString, shown);
        QFETCH(QString, tooltip);
        m_driver = std::make_unique<ProgramDriver>();
        m_driver->enterBuilding({});
        m_driver->enterElevator({});
        m_driver->type(FormId::Form4, control, text);
        NoticeCatcher catcher;
        m_driver->pressAnalysisOk();

        QCOMPARE(catcher.texts(), QStringList{notice});
        QCOMPARE(catcher.informativeTexts(), QStringList{tooltip});
        QCOMPARE(visibleForms(), QStringList{"Form4"});
        auto* marked = m_driver->control<QWidget>(FormId::Form4, control);
        QVERIFY(isMarkedRefused(*marked));
        QCOMPARE(marked->toolTip(), tooltip);
        const QWidget* focused = m_driver->form(FormId::Form4)->focusWidget();
        QVERIFY(focused == marked || marked->isAncestorOf(focused));
        auto* line = qobject_cast<QLineEdit*>(marked);
        if (auto* combo = qobject_cast<QComboBox*>(marked))
            line = combo->lineEdit();
        QCOMPARE(line->text(), shown);
        QCOMPARE(line->selectedText(), shown);
        for (const QWidget* other : m_driver->form(FormId::Form4)->findChildren<QWidget*>())
            QVERIFY2(other == marked || !isMarkedRefused(*other), qPrintable(other->objectName()));

        // The first key typed into it is the edit that takes the mark away.
        QTest::keyClick(line, Qt::Key_5);
        QVERIFY(!isMarkedRefused(*marked));
        QVERIFY(marked->toolTip() != tooltip);
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
        // The last row is drawn whole, however few the floors.
        const QLineEdit* last = form->floorEntry(rows - 1);
        QVERIFY(last->geometry().bottom() < last->parentWidget()->height());
    }

    void floorTotal_data()
    {
        QTest::addColumn<QStringList>("entries");  // one floor per entry
        QTest::addColumn<QString>("stored");       // empty: refused
        QTest::addColumn<QString>("line");         // the total line under the rows; building total 500

        QTest::newRow("rounded half to even at every step: 1.5 and 1.5 give 4")
            << QStringList{"1.5", "1.5"} << "4" << "合计 4 人\n与楼宇资料的 500 人不同，按 4 人计算";
        QTest::newRow("the building's total") << QStringList{"250", "249.5"} << "500" << "合计 500 人";
        QTest::newRow("one above the largest") << QStringList{"2147483647", "1"} << "" << "各层人数合计超出范围";
    }

    void floorTotal()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, stored);
        QFETCH(QString, line);
        FloorPopulationForm* form = openFloorPopulation(QString::number(entries.size()));
        QCOMPARE(form->totalLine(), QStringLiteral("合计 0 人\n与楼宇资料的 500 人不同，按 0 人计算"));
        for (int row = 0; row < entries.size(); ++row)
            QTest::keyClicks(form->floorEntry(row), entries[row]);
        QCOMPARE(form->totalLine(), line);
        NoticeCatcher catcher;
        m_driver->click(FormId::Form3, QStringLiteral("Command2"));

        // Refused, the form stays as it was, the total box untouched.
        const bool refused = stored.isEmpty();
        QCOMPARE(catcher.texts(), refused ? QStringList{QStringLiteral("输入数据有误！")} : QStringList{});
        QCOMPARE(catcher.informativeTexts(), refused ? QStringList{QStringLiteral("各层人数合计超出范围")} : QStringList{});
        QCOMPARE(form->storedTotal(), refused ? QStringLiteral("Text2") : stored);
        QCOMPARE(visibleForms(), QStringList{refused ? "Form3" : "Form4"});
        QCOMPARE(isMarkedRefused(*form->floorEntry(0)), refused);
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

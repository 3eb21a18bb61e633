#include "app/launch.h"
#include "app/testing/program_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

// Where a row's form is read: the forms as a road through the worked example (residential,
// 10 floors of 500 persons, 30 m, 3 m, 2CO 900 mm, 1.75 m/s, 1000 kg, 2 cars) reaches them.
// The figures themselves are the command line's tests, which print what these forms show.
enum Road {
    Splash = 1, BuildingData, FloorPopulation, ElevatorParameters, SingleResult, LoadTable,
    PerFloorResult, OfficeTable, DoorWidthRefused, UnusableRefused, OwnerOccupiedParameters,
};
constexpr FormId kFormOf[] = {FormId::Form1, FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5,
                              FormId::Form6, FormId::Form5, FormId::Form6, FormId::Form4, FormId::Form4, FormId::Form4};

std::unique_ptr<ProgramDriver> driveTo(int road)
{
    auto driver = std::make_unique<ProgramDriver>(road == Splash ? FormId::Form1 : FormId::Form2);
    BuildingEntries building;
    building.perFloor = road == FloorPopulation || road == PerFloorResult;
    building.population = building.perFloor ? QStringLiteral("0") : building.population;  // then not read
    if (road != FloorPopulation)
        building.floorPopulations = QStringList(10, QStringLiteral("50"));
    if (road == OfficeTable)
        building.buildingOption = QStringLiteral("Option2");
    if (road == OwnerOccupiedParameters)
        building.buildingOption = QStringLiteral("Option5");
    ElevatorEntries elevator;
    elevator.speed = road == UnusableRefused ? QStringLiteral("0") : elevator.speed;
    elevator.decided = kFormOf[road] == FormId::Form5;
    elevator.doorOption = road == DoorWidthRefused ? 2 : 0;  // 4CO halves 1100 mm below the standard
    elevator.doorWidth = road == DoorWidthRefused ? QStringLiteral("1100") : elevator.doorWidth;
    if (road == FloorPopulation || road == ElevatorParameters || road == OwnerOccupiedParameters)
        driver->enterBuilding(building);
    else if (road >= SingleResult)
        driver->runRoad(building, elevator);
    return driver;
}

// What the user reads on a control: a caption, a frame title, an entry, a list, a window
// title; "name.property" reads that property ("Option1_0.toolTip", "Label7_6.visible").
QString shownText(const QWidget& form, const QString& name)
{
    // The caption as designed; the mark of unsaved work is the project tests' concern.
    if (name == form.objectName())
        return QString(form.windowTitle()).remove(QStringLiteral("[*]"));
    const QString control = name.section(QLatin1Char('.'), 0, 0);
    const auto* widget = form.findChild<QWidget*>(control);
    if (widget == nullptr)
        return QStringLiteral("<no %1>").arg(control);
    if (name.contains(QLatin1Char('.')))
        return widget->property(qPrintable(name.section(QLatin1Char('.'), 1))).toString();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(QLatin1Char(' '));
    }
    // A frame's title, or the text of a label, a button or an entry.
    const QVariant title = widget->property("title");
    return title.isValid() ? title.toString() : widget->property("text").toString();
}

}  // namespace

// Every text the user reads, read from the real widgets. The literals are typed from the
// program's description, character for character (full-width "：" and "！", em dashes).
class tst_InterfaceTexts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ProgramDriver> m_driver;

private slots:
    void cleanup() { QVERIFY(dropProgram(m_driver)); }

    void texts_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto rows = [](int road, const QString& form, const QList<std::pair<QString, QString>>& named) {
            for (const auto& [name, text] : named)
                QTest::addRow("%s %s", qPrintable(form), qPrintable(name)) << road << name << text;
        };
        rows(Splash, "Form1", {{"Form1", "Trevalo"}, {"Label1", "Trevalo1.02"}});
        rows(BuildingData, "Form2",
             {{"Form2", "Trevalo"}, {"Label8", "项目名称："}, {"Label2", "日期："}, {"Label6", "时间："},
              {"Frame1", "楼宇基本资料"}, {"Label3", "建筑类型"}, {"Option1", "住宅"}, {"Option2", "办公楼及酒店"},
              {"Option5", "自用办公楼"}, {"Label4", "电梯停留层数（不含首层）"}, {"Frame2", "楼宇人数资料"},
              {"Label5", "楼宇总人数"}, {"Option3", "人数每层平均分配"}, {"Option4", "人数每层非平均分配"},
              {"Command1", "确 定"}, {"Command2", "终止退出"}});
        rows(FloorPopulation, "Form3 of 10 floors",
             {{"Form3", "Trevalo"}, {"Frame1", "请输入每层人数"}, {"Label1_0", "第 1 层人数"}, {"Label1_1", "第 2 层人数"},
              {"Label1_9", "第 10 层人数"}, {"Text2", "Text2"}, {"Command1", "上一步"}, {"Command2", "确定"},
              {"Command3", "终止退出"}});
        rows(ElevatorParameters, "Form4 of a residential building",
             {{"Form4", "Trevalo"}, {"Frame1", "电梯行程参数"}, {"Label1", "电梯总行程"}, {"Label2_0", "M"},
              {"Label3", "平均每层高度"}, {"Label2_1", "M"}, {"Frame2", "快速通行区"}, {"Check1", "设置快速通行区"},
              {"Label4", "快速通行距离"}, {"Label2_2", "M"}, {"Frame3", "电梯门参数"}, {"Option1_0", "2CO"},
              {"Option1_0.toolTip", "中开两扇门"}, {"Option1_1", "2SO"}, {"Option1_1.toolTip", "侧开两扇门"},
              {"Option1_2", "4CO"}, {"Option1_2.toolTip", "中开四扇门"}, {"Label14", "电梯门开启宽度"},
              {"Combo2", "800 900 1000 1100"}, {"Label15", "MM"}, {"Check2", "设定预先开门"}, {"Frame4", "电梯运行参数"},
              {"Label5", "折耗率"}, {"TEXT1_3", "5"}, {"Label8_0", "%"}, {"Label6", "上行百分比"}, {"TEXT1_4", "30"},
              {"Label8_2", "%"}, {"Label7", "下行百分比"}, {"TEXT1_5", "20"}, {"Label8_1", "%"}, {"Label12", "电梯速度"},
              {"Combo1", "1 1.5 1.75 2 2.5 3 3.5 4 5 6 7 8 9 10 11"}, {"Label13", "M/S"}, {"Frame5", "电梯载重与数量"},
              {"Check3", "已确定电梯载重和数量"}, {"Label9", "单电梯载重"},
              {"Combo3", "675 750 825 900 1050 1125 1200 1275 1350 1425 1500 1575 1650 1725 1800"},
              {"Label11_0", "Kg"}, {"Label10", "电 梯 数 量"}, {"Label11_1", "台"}, {"Check4", "计算电梯机房结构荷载"},
              {"Label16", "装修重量"}, {"Label17", "Kg"}, {"Command1", "上一步"}, {"Command2", "确定"},
              {"Command3", "终止退出"}});
        const QList<std::pair<QString, QString>> resultButtons{
            {"Command1", "上一步"}, {"Command2", "重新计算"}, {"Command3", "结束"}, {"Command4", "生成Excel表格"}};
        rows(SingleResult, "Form5", resultButtons);
        rows(SingleResult, "Form5",
             {{"Form5", "Trevalo——结果"}, {"Label1", " 总行程时间 (秒) RTT "}, {"Label2", " 最长侯机时间 (秒) HS "},
              {"Label3", " 5分钟内单机运载人数 HC (P) "}, {"Label4", " 5分钟内总运载人数 HC (T) "},
              {"Label5", " 5分钟内单机运载人数百分比 HC (P) % "}, {"Label6_0", " 5分钟内总运载人数百分比 HC (T) % "},
              {"Label6_2", " 井深 m "}, {"Label6_3", " 井顶缓冲高度 m "}, {"Label6_1", " 电梯机房的结构荷载 kg "}});
        rows(LoadTable, "Form6", resultButtons);
        rows(LoadTable, "Form6",
             {{"Form6", "Trevalo——结果"}, {"Label17_0", "载重/人数"}, {"Label17_1", "UP"}, {"Label17_2", "DN"},
              {"Label17_3", "RTT(SEC)"}, {"Label17_4", "HC(%)"}, {"Label17_5", "HC(PERSONS)"}, {"Label17_6", "PS(UP)"},
              {"Label17_7", "HR"}});
        const QStringList keys{"675/9",    "750/10",   "825/11",   "900/12",   "975/13",   "1050/14",
                               "1125/15",  "1200/16",  "1275/17",  "1350/18",  "1425/19",  "1500/20",
                               "1575/21",  "1650/22",  "1725/23",  "1800/24"};
        for (int row = 0; row < keys.size(); ++row)
            rows(LoadTable, "Form6 row key", {{QStringLiteral("Label1_%1").arg(row), keys[row]}});
        rows(SingleResult, "Form5 rows", {{"Label6_1.visible", "false"}, {"Label7_6.visible", "false"},
                                          {"Label6_3.visible", "true"}, {"Label7_8.visible", "true"}});
        rows(PerFloorResult, "Form5 of 10 floors of 50", {{"Label7_0", "93.57"}, {"Label7_5", "8.336"}});
        rows(OfficeTable, "Form6 of an office building",
             {{"Label1_0.visible", "false"}, {"Label8_0.visible", "false"}, {"Label1_1.visible", "true"}});
        rows(UnusableRefused, "Form4 at 0 m/s", {{"notice", "注意 输入数据有误！"}});
        rows(DoorWidthRefused, "Form4 after OK", {{"notice", "注意 电梯门开启宽度不符合标准"}, {"Combo2.currentText", ""}});
        rows(OwnerOccupiedParameters, "Form4 of an owner-occupied office", {{"TEXT1_4", "80"}, {"TEXT1_5", "0"}});
    }

    void texts()
    {
        QFETCH(int, road);
        QFETCH(QString, name);
        QFETCH(QString, text);
        NoticeCatcher catcher;  // "notice" reads the title and text of the boxes raised
        m_driver = driveTo(road);
        const FormId form = kFormOf[road];
        QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form%1").arg(static_cast<int>(form) + 1)});
        QCOMPARE(name == "notice" ? catcher.titles().join('|') + ' ' + catcher.texts().join('|')
                                  : shownText(*m_driver->form(form), name),
                 text);
    }

    // With every check box ticked, so that no control is hidden. The project's save button and
    // the sizing button, added beside the form's own controls, come last.
    void elevatorTabOrder()
    {
        m_driver = std::make_unique<ProgramDriver>();
        ElevatorEntries all;
        all.expressDistance = QStringLiteral("1");
        all.finishingWeight = QStringLiteral("1");
        m_driver->enterBuilding({});
        m_driver->enterElevator(all);
        QWidget* form = m_driver->form(FormId::Form4);
        QWidget* first = m_driver->control<QWidget>(FormId::Form4, QStringLiteral("TEXT1_0"));
        QStringList order{first->objectName()};
        for (QWidget* next = first->nextInFocusChain(); next != first; next = next->nextInFocusChain())
            if (!next->objectName().isEmpty() && (next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(form))
                order << next->objectName();
        QCOMPARE(order, (QStringList{"TEXT1_0", "TEXT1_1", "Check1", "TEXT1_2", "Option1_0", "Option1_1", "Option1_2",
                                     "Combo2", "Check2", "TEXT1_3", "TEXT1_4", "TEXT1_5", "Combo1", "Combo3", "TEXT1_7",
                                     "Command1", "Command2", "Command3", "Check4", "Check3", "Text2", "SaveProject", "Command4"}));
    }

    // The program as main starts it: the splash ticks every 200 ms and hands over to the building
    // data form on its sixth tick, once; the exit there ends the event loop leaving no window.
    void launchedSplashSwitchesOnTheSixthTick()
    {
        trevalo::launch();
        // Qt's own texts are Chinese too: a message box's OK button as Qt's zh_CN catalogue has it.
        QCOMPARE(QMessageBox().addButton(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        const auto shownForm = [](const QString& name) -> QWidget* {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == name && widget->isVisible())
                    return widget;
            return nullptr;
        };
        QWidget* splash = shownForm(QStringLiteral("Form1"));
        QVERIFY(splash != nullptr);
        QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().size(), QSize(179, 109));
        auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr && timer->isActive());
        QCOMPARE(timer->interval(), 200);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        int ticks = 0;
        connect(timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        QTRY_VERIFY_WITH_TIMEOUT(shownForm(QStringLiteral("Form2")) != nullptr, 6000);
        QCOMPARE(ticks, 6);
        QTest::qWait(500);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleForms(), QStringList{"Form2"});

        QTimer::singleShot(0, this, [&shownForm] {
            QTest::mouseClick(shownForm(QStringLiteral("Form2"))->findChild<QPushButton*>(QStringLiteral("Command2")),
                              Qt::LeftButton);
        });
        const QObject guard;  // the exit did not end the event loop; the timer goes with the guard
        QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(tst_InterfaceTexts)
#include "tst_interface_texts.moc"

#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "results/simulation_form.h"
#include "results/floor_wait_chart.h"
#include "results/kind_figures_table.h"
#include "results/wait_histogram.h"
#include "wizard/entry_marks.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

// The worked building at 1 m/s with 300 kg and two cars: the command line's hand-worked list.
class SimulationFormTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void runsTheListedPassengers();
    void refusedEntryIsMarked_data();
    void refusedEntryIsMarked();
    void longRunShowsProgressAndCancels();
    void templateFillsEntries_data();
    void templateFillsEntries();
    void lunchIsJudgedOnBothWaits_data();
    void lunchIsJudgedOnBothWaits();
    void listDisablesRandomArrivalEntries();

private:
    SimulationForm* form() const { return m_driver->navigator().formAs<SimulationForm>(FormId::Form8); }
    void runAndWait()
    {
        m_driver->click(FormId::Form8, QStringLiteral("Command1"));
        QTRY_VERIFY_WITH_TIMEOUT(!form()->isRunning(), 20000);
    }

    QString text(const QString& name) const { return m_driver->control<QLineEdit>(FormId::Form8, name)->text(); }
    void choose(int index)
    {
        auto* combo = m_driver->control<QComboBox>(FormId::Form8, QStringLiteral("Combo1"));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    std::unique_ptr<ProgramDriver> m_driver;
};

void SimulationFormTest::init()
{
    m_driver = std::make_unique<ProgramDriver>();
    ElevatorEntries slow;
    // An up share of 80 %: the loading limit's default.
    slow.upPercent = QStringLiteral("80");
    slow.speed = QStringLiteral("1");
    slow.ratedLoad = QStringLiteral("300");
    m_driver->runRoad({}, slow);
    m_driver->click(FormId::Form5, QStringLiteral("Simulate"));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form8")});
}

void SimulationFormTest::cleanup() { QVERIFY(dropProgram(m_driver)); }

void SimulationFormTest::runsTheListedPassengers()
{
    // The residential preset of 6 % is the demand's default.
    QCOMPARE(m_driver->control<QLineEdit>(FormId::Form8, QStringLiteral("Text1_0"))->placeholderText(), QStringLiteral("6"));
    form()->setPassengers({{0, 3}, {1, 3}, {3, 5}, {20, 2}});
    m_driver->type(FormId::Form8, QStringLiteral("Text1_3"), QStringLiteral("1"));
    runAndWait();
    // Waits 0, 0, 3.45 and 16.78968 s; departures at 6.45, 12.9 and 43.23968 s (see the
    // command line's test).
    const QStringList simulated{"5.1", "0.0", "16.8", "16.8", "16.8", "24.0", "1.33", "18.4", "36.8", "—", "—", "1.0", "5.1", "24.0", "4"};
    for (int row = 0; row < simulated.size(); ++row)
        QCOMPARE(form()->figureText(row, 1), simulated[row]);
    QCOMPARE(form()->histogram().counts()[0], std::size_t(3));
    QCOMPARE(form()->histogram().counts()[3], std::size_t(1));
    // The calculation's figures beside the wait, interval, round trip time and both capacities, to
    // the simulated figures' decimals.
    const QStringList calculatedPattern{"\\d+\\.\\d", "", "", "", "", "", "", "\\d+\\.\\d", "\\d+\\.\\d",
                                        "\\d+\\.\\d", "\\d+\\.\\d\\d", "", "", "", ""};
    for (int row = 0; row < calculatedPattern.size(); ++row)
        QVERIFY2(QRegularExpression("^" + calculatedPattern[row] + "$").match(form()->figureText(row, 2)).hasMatch(),
                 qPrintable(form()->figureText(row, 2)));
    QVERIFY(form()->verdictText().isEmpty());  // the presets set no waiting time target
    // What a save would write holds the form's entries and list.
    const project::Project project = ProjectSession::of(m_driver->navigator())->project();
    QCOMPARE(project.simulation->dwell, std::string("1"));
    QCOMPARE(project.simulation->passengers.size(), std::size_t(4));
    m_driver->click(FormId::Form8, QStringLiteral("Command6"));
    QCOMPARE(ProjectSession::of(m_driver->navigator())->project().simulation->passengers.size(), std::size_t(0));
    m_driver->click(FormId::Form8, QStringLiteral("Command3"));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form5")});
}

void SimulationFormTest::refusedEntryIsMarked_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("dwell of two minutes and more") << "Text1_3" << "121" << "停留时间应在 0 至 120 秒之间";
    QTest::newRow("no replication") << "Text1_4" << "0" << "重复次数应为 1 至 1000 之间的整数";
    QTest::newRow("five minutes") << "Text1_1" << "5" << "模拟时长应在 10 至 240 分钟之间";
}

void SimulationFormTest::refusedEntryIsMarked()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    m_driver->type(FormId::Form8, control, text);
    NoticeCatcher notices;
    m_driver->click(FormId::Form8, QStringLiteral("Command1"));
    QCOMPARE(notices.texts(), QStringList{QStringLiteral("输入数据有误！")});
    QCOMPARE(notices.informativeTexts(), QStringList{reason});
    auto* entry = m_driver->control<QLineEdit>(FormId::Form8, control);
    QVERIFY(isMarkedRefused(*entry));
    QCOMPARE(entry->toolTip(), reason);
    QVERIFY(!form()->isRunning());
    QVERIFY(form()->figureText(0, 1).isEmpty());
}

void SimulationFormTest::longRunShowsProgressAndCancels()
{
    // 48 million passengers, near the most the simulation takes: longer than a moment.
    m_driver->type(FormId::Form8, QStringLiteral("Text1_0"), QStringLiteral("200"));
    m_driver->type(FormId::Form8, QStringLiteral("Text1_1"), QStringLiteral("240"));
    m_driver->type(FormId::Form8, QStringLiteral("Text1_4"), QStringLiteral("1000"));
    m_driver->click(FormId::Form8, QStringLiteral("Command1"));
    QVERIFY(form()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(m_driver->control<QProgressBar>(FormId::Form8, QStringLiteral("Progress"))->isVisible(), 5000);
    m_driver->click(FormId::Form8, QStringLiteral("Command2"));
    QTRY_VERIFY_WITH_TIMEOUT(!form()->isRunning(), 20000);
    QCOMPARE(form()->statusText(), QStringLiteral("仿真已取消"));
    QVERIFY(form()->figureText(0, 1).isEmpty());
    QVERIFY(!m_driver->control<QPushButton>(FormId::Form8, QStringLiteral("Command4"))->isEnabled());
}

void SimulationFormTest::templateFillsEntries_data()
{
    // Demand, incoming, outgoing, interfloor, waiting time target as the templates set them; an
    // empty one shows the project's target (the residential 6 %, no waiting time target).
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("filled");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("edit");  // typed into the incoming share afterwards
    QTest::addColumn<QString>("traffic");
    QTest::newRow("lunch") << 2 << QStringList{"13", "45", "45", "10", "40"} << "来源：BCO 2014" << "" << "lunch";
    QTest::newRow("mixed up-peak") << 1 << QStringList{"12", "85", "10", "5", ""} << "来源：BCO 2014" << "" << "upPeakMixed";
    QTest::newRow("two-way") << 3 << QStringList{"", "50", "50", "0", ""} << "来源：CIBSE Guide D（住宅、酒店）" << ""
                             << "twoWay";
    QTest::newRow("down-peak") << 4 << QStringList{"", "0", "100", "0", ""} << "来源：—" << "" << "downPeak";
    QTest::newRow("lunch edited") << 2 << QStringList{"13", "55", "45", "10", "40"} << "来源：用户设定" << "55"
                                  << "custom";
    QTest::newRow("two-way edited") << 3 << QStringList{"", "40", "50", "0", ""} << "来源：用户设定" << "40" << "custom";
}

void SimulationFormTest::templateFillsEntries()
{
    QFETCH(int, choice);
    QFETCH(QStringList, filled);
    QFETCH(QString, source);
    QFETCH(QString, edit);
    QFETCH(QString, traffic);
    choose(choice);
    if (!edit.isEmpty()) {
        m_driver->type(FormId::Form8, QStringLiteral("Text1_6"), edit);
        filled[1] = edit;
    }
    const QStringList names{"Text1_0", "Text1_6", "Text1_7", "Text1_8", "Text1_9"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(names[i]), filled[i]);
    const auto* combo = m_driver->control<QComboBox>(FormId::Form8, QStringLiteral("Combo1"));
    QCOMPARE(combo->currentText() == QStringLiteral("自定义"), traffic == QStringLiteral("custom"));
    QCOMPARE(m_driver->control<QLabel>(FormId::Form8, QStringLiteral("Source1"))->text(), source);
    QCOMPARE(ProjectSession::of(m_driver->navigator())->project().simulation->traffic, traffic.toStdString());
}

void SimulationFormTest::lunchIsJudgedOnBothWaits_data()
{
    QTest::addColumn<QString>("typedTarget");
    QTest::addColumn<double>("target");
    QTest::newRow("the lunch's own 40 s") << QString() << 40.0;
    QTest::newRow("a target typed") << QStringLiteral("12.5") << 12.5;
}

void SimulationFormTest::lunchIsJudgedOnBothWaits()
{
    QFETCH(QString, typedTarget);
    QFETCH(double, target);
    choose(2);
    if (!typedTarget.isEmpty())
        m_driver->type(FormId::Form8, QStringLiteral("Text1_9"), typedTarget);
    m_driver->type(FormId::Form8, QStringLiteral("Text1_1"), QStringLiteral("20"));
    m_driver->type(FormId::Form8, QStringLiteral("Text1_4"), QStringLiteral("2"));
    runAndWait();
    const QRegularExpression status(QStringLiteral("^仿真完成：2 次，(\\d+) 位乘客$"));
    const auto counted = status.match(form()->statusText());
    QVERIFY2(counted.hasMatch(), qPrintable(form()->statusText()));
    // Every counted passenger is of one kind, and every kind travels at lunchtime.
    int byKind = 0;
    for (int kind = 0; kind < 3; ++kind) {
        QVERIFY(form()->kindTable().text(kind, 0).toInt() > 0);
        byKind += form()->kindTable().text(kind, 0).toInt();
    }
    QCOMPARE(byKind, counted.captured(1).toInt());
    std::size_t byFloor = 0;
    for (const engine::FloorFigures& floor : form()->floorChart().floors())
        byFloor += floor.passengers;
    QCOMPARE(byFloor, std::size_t(byKind));
    // Both waits judged against the target, the margin taken from the figure shown.
    const QStringList lines = form()->verdictText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    const QRegularExpression judged(QStringLiteral("^(平均候梯时间|最不利5分钟平均候梯时间) (\\d+\\.\\d) 秒，目标 ≤ ([\\d.]+) 秒："
                                                   "(满足|不满足)（(余量 \\+|不足 \u2212)([\\d.]+) 秒）$"));
    for (const QString& line : lines) {
        const auto m = judged.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const double value = m.captured(2).toDouble();
        QCOMPARE(m.captured(3).toDouble(), target);
        QCOMPARE(m.captured(4) == QStringLiteral("满足"), value <= target);
        const double margin = m.captured(5).startsWith(QStringLiteral("余量")) ? m.captured(6).toDouble()
                                                                                 : -m.captured(6).toDouble();
        QVERIFY2(std::abs(margin - (target - value)) < 0.051, qPrintable(line));
    }
    QVERIFY(form()->figureText(0, 1).startsWith(lines[0].section(QLatin1Char(' '), 1, 1)));
}

void SimulationFormTest::listDisablesRandomArrivalEntries()
{
    // A floor above the tenth is refused, and the list marked, until a good list runs.
    form()->setPassengers({{0, 3}, {1, 11}});
    NoticeCatcher notices;
    m_driver->click(FormId::Form8, QStringLiteral("Command1"));
    auto* list = m_driver->control<QLabel>(FormId::Form8, QStringLiteral("PassengerList"));
    QVERIFY(isMarkedRefused(*list));
    form()->setPassengers({{0, 3}, {1, 5}});
    const QStringList disabled{"Text1_0", "Text1_1", "Text1_4", "Text1_5"};
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("Text1_%1").arg(i);
        QCOMPARE(m_driver->control<QLineEdit>(FormId::Form8, name)->isEnabled(), !disabled.contains(name));
    }
    runAndWait();
    QVERIFY(!isMarkedRefused(*list));
    QVERIFY(!form()->figureText(0, 1).isEmpty());
    m_driver->click(FormId::Form8, QStringLiteral("Command6"));
    for (const QString& name : disabled)
        QVERIFY(m_driver->control<QLineEdit>(FormId::Form8, name)->isEnabled());
}

QTEST_MAIN(SimulationFormTest)
#include "tst_simulation_form.moc"

#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "results/simulation_form.h"
#include "results/wait_histogram.h"
#include "wizard/entry_marks.h"

#include <QApplication>
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

private:
    SimulationForm* form() const { return m_driver->navigator().formAs<SimulationForm>(FormId::Form8); }
    void runAndWait()
    {
        m_driver->click(FormId::Form8, QStringLiteral("Command1"));
        QTRY_VERIFY_WITH_TIMEOUT(!form()->isRunning(), 20000);
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
    const QStringList simulated{"5.1", "0.0", "16.8", "16.8", "16.8", "24.0", "1.33", "18.4", "36.8", "—", "—", "1.0", "4"};
    for (int row = 0; row < simulated.size(); ++row)
        QCOMPARE(form()->figureText(row, 1), simulated[row]);
    QCOMPARE(form()->histogram().counts()[0], std::size_t(3));
    QCOMPARE(form()->histogram().counts()[3], std::size_t(1));
    // The calculation's figures beside the wait, interval, round trip time and both capacities, to
    // the simulated figures' decimals.
    const QStringList calculatedPattern{"\\d+\\.\\d", "", "", "", "", "", "", "\\d+\\.\\d", "\\d+\\.\\d",
                                        "\\d+\\.\\d", "\\d+\\.\\d\\d", "", ""};
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

QTEST_MAIN(SimulationFormTest)
#include "tst_simulation_form.moc"

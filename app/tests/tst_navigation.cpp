#include "app/testing/program_driver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

// Where the forms' buttons lead from a finished road (the worked example), and which forms stay
// loaded: back from a wizard form or 重新计算 unloads the form left, back from a result keeps it.
class tst_Navigation : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ProgramDriver> m_driver;

private slots:
    void cleanup() { QVERIFY(dropProgram(m_driver)); }

    void buttonsLeadOn_data()
    {
        QTest::addColumn<bool>("perFloor");
        QTest::addColumn<bool>("decided");
        QTest::addColumn<QStringList>("clicks");  // "form.button", after the road's 确定
        QTest::addColumn<QStringList>("loaded");  // the form shown first; none: the program ended
        QTest::newRow("decided: the single result") << false << true << QStringList{} << QStringList{"Form5", "Form2", "Form4"};
        QTest::newRow("undecided: the load table") << false << false << QStringList{} << QStringList{"Form6", "Form2", "Form4"};
        QTest::newRow("per floor") << true << true << QStringList{} << QStringList{"Form5", "Form2", "Form3", "Form4"};
        QTest::newRow("back from the result keeps it")
            << false << true << QStringList{"Form5.Command1"} << QStringList{"Form4", "Form2", "Form5"};
        QTest::newRow("recalculating unloads the result")
            << false << false << QStringList{"Form6.Command2"} << QStringList{"Form2", "Form4"};
        QTest::newRow("back from the parameters unloads them")
            << true << false << QStringList{"Form6.Command1", "Form4.Command1"} << QStringList{"Form2", "Form3", "Form6"};
        QTest::newRow("back from the floor rows unloads them")
            << true << true << QStringList{"Form5.Command2", "Form2.Command1", "Form3.Command1"}
            << QStringList{"Form2", "Form4"};
        QTest::newRow("结束 on the load table") << false << false << QStringList{"Form6.Command3"} << QStringList{};
        QTest::newRow("终止退出 on the parameters")
            << false << true << QStringList{"Form5.Command1", "Form4.Command3"} << QStringList{};
        QTest::newRow("终止退出 on the floor rows")
            << true << true << QStringList{"Form5.Command2", "Form2.Command1", "Form3.Command3"} << QStringList{};
    }

    void buttonsLeadOn()
    {
        QFETCH(bool, perFloor);
        QFETCH(bool, decided);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, loaded);
        m_driver = std::make_unique<ProgramDriver>();
        BuildingEntries building;
        building.perFloor = perFloor;
        building.floorPopulations = QStringList(10, QStringLiteral("50"));
        ElevatorEntries elevator;
        elevator.decided = decided;
        NoticeCatcher catcher;
        m_driver->runRoad(building, elevator);
        const auto click = [this](const QString& where) {
            m_driver->click(static_cast<FormId>(where.mid(4, 1).toInt() - 1), where.section('.', 1));
        };
        for (qsizetype i = 0; i < clicks.size() - (loaded.isEmpty() ? 1 : 0); ++i)
            click(clicks[i]);
        QCOMPARE(catcher.texts(), QStringList());
        if (loaded.isEmpty()) {
            // The road's entries are work without a file: asked about, and given up.
            catcher.answerWith(QStringLiteral("不保存"));
            // An end runs inside the event loop, so that it can be seen to quit it.
            QTimer::singleShot(0, qApp, [&] { click(clicks.last()); });
            QCOMPARE(QCoreApplication::exec(), 0);
            QCOMPARE(catcher.texts(), QStringList{QStringLiteral("项目“测试项目”尚未保存。是否保存？")});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(QApplication::topLevelWidgets().size(), 0);
            return;
        }
        QCOMPARE(visibleForms(), QStringList{loaded.first()});
        for (int id = 0; id <= static_cast<int>(FormId::Form7); ++id) {
            const QString name = QStringLiteral("Form%1").arg(id + 1);
            QVERIFY2((m_driver->form(static_cast<FormId>(id)) != nullptr) == loaded.contains(name), qPrintable(name));
        }
    }

    // A notice on 确定 keeps the parameters form as it was.
    void refusedParametersStay()
    {
        m_driver = std::make_unique<ProgramDriver>();
        m_driver->enterBuilding({});
        ElevatorEntries elevator;
        elevator.speed = QStringLiteral("0");
        m_driver->enterElevator(elevator);
        const QStringList before = controlStates(*m_driver->form(FormId::Form4));
        NoticeCatcher catcher;
        m_driver->pressAnalysisOk();
        QCOMPARE(catcher.texts(), QStringList{QStringLiteral("输入数据有误！")});
        QCOMPARE(catcher.otherBoxes(), 0);  // styled as a notice
        QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
        QCOMPARE(controlStates(*m_driver->form(FormId::Form4)), before);
    }
};

QTEST_MAIN(tst_Navigation)
#include "tst_navigation.moc"

#include "app/testing/program_driver.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

QString textOf(const ProgramDriver& driver, FormId id, const char* name)
{
    const auto* edit = driver.control<QLineEdit>(id, QString::fromLatin1(name));
    return edit == nullptr ? QStringLiteral("<missing>") : edit->text();
}

}  // namespace

// Second runs on one result form, a recalculation (entries kept, form discarded) and the end.
class tst_ProgramLifecycle : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void singleResult();
    void loadTable();

private:
    void endQuitsLeavingNoWindow(FormId resultId);

    std::unique_ptr<ProgramDriver> m_driver;
};

void tst_ProgramLifecycle::cleanup()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ProgramLifecycle::singleResult()
{
    m_driver = std::make_unique<ProgramDriver>();
    ElevatorEntries machineRoom;
    machineRoom.finishingWeight = QStringLiteral("300");
    m_driver->runRoad({}, machineRoom);
    QPointer<SingleResultForm> result = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(result);
    QVERIFY(result->structuralLoadRowVisible());
    QCOMPARE(result->valueText(6), QStringLiteral("17425"));

    // Back to the form as it was left: the machine-room load dropped, the speed below the pit table.
    m_driver->click(FormId::Form5, QStringLiteral("Command1"));
    m_driver->click(FormId::Form4, QStringLiteral("Check4"));
    m_driver->type(FormId::Form4, QStringLiteral("Combo1"), QStringLiteral("1.5"));
    m_driver->pressAnalysisOk();
    QCOMPARE(m_driver->navigator().formAs<SingleResultForm>(FormId::Form5), result.data());
    QVERIFY(!result->structuralLoadRowVisible());
    QVERIFY(!result->pitDepthRowVisible());
    QVERIFY(result->valueText(0) != QStringLiteral("93.57"));
    endQuitsLeavingNoWindow(FormId::Form5);
}

void tst_ProgramLifecycle::loadTable()
{
    m_driver = std::make_unique<ProgramDriver>();
    BuildingEntries perFloor;
    perFloor.perFloor = true;
    perFloor.floorPopulations = QStringList(10, QStringLiteral("50"));
    ElevatorEntries sweep;
    sweep.decided = false;
    ElevatorEntries moreDown = sweep;
    moreDown.upPercent = QStringLiteral("20");
    moreDown.downPercent = QStringLiteral("30");
    m_driver->runRoad(perFloor, moreDown);
    QPointer<LoadTableForm> table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table);
    QCOMPARE(table->headerText(1), QStringLiteral("DN"));
    QVERIFY(table->rowVisible(0));

    // Back through the elevator parameters form to an office building with its equal shares:
    // the same table, relabelled, without the 675 kg row.
    m_driver->click(FormId::Form6, QStringLiteral("Command1"));
    m_driver->click(FormId::Form4, QStringLiteral("Command1"));
    m_driver->click(FormId::Form2, QStringLiteral("Option2"));
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    m_driver->click(FormId::Form3, QStringLiteral("Command2"));
    m_driver->enterElevator(sweep);
    m_driver->pressAnalysisOk();
    QCOMPARE(m_driver->navigator().formAs<LoadTableForm>(FormId::Form6), table.data());
    QCOMPARE(table->headerText(1), QStringLiteral("UP"));
    QVERIFY(!table->rowVisible(0));

    // Recalculation discards the table and goes on with every entry as it was left.
    m_driver->click(FormId::Form6, QStringLiteral("Command2"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(table.isNull());
    QCOMPARE(textOf(*m_driver, FormId::Form2, "Text2"), QStringLiteral("测试项目"));
    for (const char* option : {"Option2", "Option4"})
        QVERIFY2(m_driver->control<QRadioButton>(FormId::Form2, QString::fromLatin1(option))->isChecked(), option);
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    QCOMPARE(textOf(*m_driver, FormId::Form3, "Text1_9"), QStringLiteral("50"));
    m_driver->click(FormId::Form3, QStringLiteral("Command2"));
    QCOMPARE(textOf(*m_driver, FormId::Form4, "TEXT1_0"), QStringLiteral("30"));
    m_driver->pressAnalysisOk();
    QCOMPARE(visibleForms(), QStringList{"Form6"});
    endQuitsLeavingNoWindow(FormId::Form6);
}

void tst_ProgramLifecycle::endQuitsLeavingNoWindow(FormId resultId)
{
    QTimer::singleShot(0, this, [this, resultId] { m_driver->click(resultId, QStringLiteral("Command3")); });
    const QObject guard;  // the end button did not quit; the timer goes with the guard
    QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);

    // The navigator is still alive: end discarded every form, not the program object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    for (FormId id : {FormId::Form2, FormId::Form4, resultId})
        QVERIFY(m_driver->navigator().form(id) == nullptr);
}

QTEST_MAIN(tst_ProgramLifecycle)
#include "tst_program_lifecycle.moc"

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

ElevatorEntries sweep()
{
    ElevatorEntries entries;
    entries.decided = false;
    return entries;
}

QString textOf(const ProgramDriver& driver, FormId id, const char* name)
{
    const auto* edit = driver.control<QLineEdit>(id, QString::fromLatin1(name));
    return edit == nullptr ? QStringLiteral("<missing>") : edit->text();
}

}  // namespace

class tst_ProgramLifecycle : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void backRunsAgainIntoTheSameForm_data();
    void backRunsAgainIntoTheSameForm();
    void backThenSweepAfterOfficeShowsRowZero();
    void recalculateKeepsTheWizardEntries_data();
    void recalculateKeepsTheWizardEntries();
    void recalculateStartsTheTableAfresh();
    void endLeavesNoWindowAndQuits_data();
    void endLeavesNoWindowAndQuits();

private:
    std::unique_ptr<ProgramDriver> m_driver;
};

void tst_ProgramLifecycle::cleanup()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ProgramLifecycle::backRunsAgainIntoTheSameForm_data()
{
    QTest::addColumn<bool>("machineRoomFirst");
    QTest::newRow("machine-room load dropped on the second run") << true;
    QTest::newRow("machine-room load added on the second run") << false;
}

void tst_ProgramLifecycle::backRunsAgainIntoTheSameForm()
{
    QFETCH(bool, machineRoomFirst);
    m_driver = std::make_unique<ProgramDriver>();
    ElevatorEntries entries;
    if (machineRoomFirst)
        entries.finishingWeight = QStringLiteral("300");
    m_driver->runRoad({}, entries);
    QPointer<SingleResultForm> result = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(result);
    QCOMPARE(result->structuralLoadRowVisible(), machineRoomFirst);

    m_driver->click(FormId::Form5, QStringLiteral("Command1"));
    QCOMPARE(visibleForms(), QStringList{"Form4"});
    QVERIFY(result);  // hidden, still loaded
    QCOMPARE(textOf(*m_driver, FormId::Form4, "TEXT1_0"), QStringLiteral("30"));

    // Check4 and the finishing weight are toggled on the form as it was left.
    m_driver->click(FormId::Form4, QStringLiteral("Check4"));
    if (!machineRoomFirst)
        m_driver->type(FormId::Form4, QStringLiteral("Text2"), QStringLiteral("300"));
    m_driver->type(FormId::Form4, QStringLiteral("Combo1"), QStringLiteral("1.5"));
    m_driver->pressAnalysisOk();

    QCOMPARE(visibleForms(), QStringList{"Form5"});
    QCOMPARE(m_driver->navigator().formAs<SingleResultForm>(FormId::Form5), result.data());
    QCOMPARE(result->structuralLoadRowVisible(), !machineRoomFirst);
    QVERIFY(!result->pitDepthRowVisible());
    if (!machineRoomFirst)
        QCOMPARE(result->valueText(6), QStringLiteral("17425"));
    QVERIFY(result->valueText(0) != QStringLiteral("93.57"));
}

void tst_ProgramLifecycle::backThenSweepAfterOfficeShowsRowZero()
{
    m_driver = std::make_unique<ProgramDriver>();
    BuildingEntries office;
    office.buildingOption = QStringLiteral("Option2");
    m_driver->runRoad(office, sweep());
    QPointer<LoadTableForm> table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table);
    QVERIFY(!table->rowVisible(0));

    // Back to Form4, down share above up share: same table, relabelled, still without 675 kg.
    m_driver->click(FormId::Form6, QStringLiteral("Command1"));
    QCOMPARE(visibleForms(), QStringList{"Form4"});
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_5"), QStringLiteral("60"));
    m_driver->pressAnalysisOk();
    QCOMPARE(m_driver->navigator().formAs<LoadTableForm>(FormId::Form6), table.data());
    QCOMPARE(table->headerText(1), QStringLiteral("DN"));
    QCOMPARE(table->headerText(6), QStringLiteral("PS(DN)"));
    QVERIFY(!table->rowVisible(0));

    // Back through Form4's own back button to Form2, residential: row 0 returns with figures,
    // and Form4's defaults follow the new building type.
    m_driver->click(FormId::Form6, QStringLiteral("Command1"));
    m_driver->click(FormId::Form4, QStringLiteral("Command1"));
    QCOMPARE(visibleForms(), QStringList{"Form2"});
    m_driver->click(FormId::Form2, QStringLiteral("Option1"));
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    QCOMPARE(textOf(*m_driver, FormId::Form4, "TEXT1_4"), QStringLiteral("30"));
    m_driver->enterElevator(sweep());
    m_driver->pressAnalysisOk();
    QCOMPARE(m_driver->navigator().formAs<LoadTableForm>(FormId::Form6), table.data());
    QVERIFY(table->rowVisible(0));
    QCOMPARE(table->headerText(1), QStringLiteral("UP"));
    QCOMPARE(table->headerText(6), QStringLiteral("PS(UP)"));
    QCOMPARE(table->cellText(4, 0), QStringLiteral("72.641"));
}

void tst_ProgramLifecycle::recalculateKeepsTheWizardEntries_data()
{
    QTest::addColumn<bool>("decided");
    QTest::addColumn<bool>("perFloor");
    QTest::newRow("from the single result, even spread") << true << false;
    QTest::newRow("from the load table, even spread") << false << false;
    QTest::newRow("from the single result, per floor") << true << true;
}

void tst_ProgramLifecycle::recalculateKeepsTheWizardEntries()
{
    QFETCH(bool, decided);
    QFETCH(bool, perFloor);
    m_driver = std::make_unique<ProgramDriver>();
    BuildingEntries building;
    if (perFloor) {
        building.perFloor = true;
        building.floorPopulations = QStringList(10, QStringLiteral("50"));
    }
    ElevatorEntries entries;
    entries.decided = decided;
    m_driver->runRoad(building, entries);
    const FormId resultId = decided ? FormId::Form5 : FormId::Form6;
    QPointer<QWidget> result = m_driver->navigator().form(resultId);
    QVERIFY(result);

    m_driver->click(resultId, QStringLiteral("Command2"));
    QVERIFY(m_driver->navigator().form(resultId) == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(result.isNull());
    QCOMPARE(visibleForms(), QStringList{"Form2"});
    QCOMPARE(textOf(*m_driver, FormId::Form2, "Text2"), QStringLiteral("测试项目"));
    QCOMPARE(textOf(*m_driver, FormId::Form2, "N1"), QStringLiteral("10"));
    QVERIFY(m_driver->control<QRadioButton>(FormId::Form2, QStringLiteral("Option1"))->isChecked());
    QVERIFY(m_driver->control<QRadioButton>(FormId::Form2, perFloor ? QStringLiteral("Option4")
                                                                     : QStringLiteral("Option3"))
                ->isChecked());

    // Onward with every entry kept: Form3 (per floor) and Form4 come back as they were left.
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    if (perFloor) {
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        QCOMPARE(textOf(*m_driver, FormId::Form3, "Text1_9"), QStringLiteral("50"));
        m_driver->click(FormId::Form3, QStringLiteral("Command2"));
    }
    QCOMPARE(visibleForms(), QStringList{"Form4"});
    QCOMPARE(textOf(*m_driver, FormId::Form4, "TEXT1_0"), QStringLiteral("30"));
    m_driver->pressAnalysisOk();
    QCOMPARE(visibleForms(), QStringList{decided ? "Form5" : "Form6"});
    QVERIFY(m_driver->navigator().form(resultId) != nullptr);
    if (decided)
        QCOMPARE(m_driver->navigator().formAs<SingleResultForm>(FormId::Form5)->valueText(0), QStringLiteral("93.57"));
}

void tst_ProgramLifecycle::recalculateStartsTheTableAfresh()
{
    m_driver = std::make_unique<ProgramDriver>();
    ElevatorEntries entries = sweep();
    entries.upPercent = QStringLiteral("20");
    entries.downPercent = QStringLiteral("30");
    m_driver->runRoad({}, entries);
    QCOMPARE(m_driver->navigator().formAs<LoadTableForm>(FormId::Form6)->headerText(1), QStringLiteral("DN"));

    m_driver->click(FormId::Form6, QStringLiteral("Command2"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_driver->click(FormId::Form2, QStringLiteral("Option2"));  // office: the 675 kg row is not evaluated
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_4"), QStringLiteral("50"));
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_5"), QStringLiteral("50"));
    m_driver->pressAnalysisOk();

    auto* fresh = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(fresh != nullptr);
    QCOMPARE(fresh->headerText(1), QStringLiteral("UP"));
    QVERIFY(!fresh->rowVisible(0));
    QCOMPARE(fresh->cellText(2, 0), QString());  // the design caption of the unevaluated row
}

void tst_ProgramLifecycle::endLeavesNoWindowAndQuits_data()
{
    QTest::addColumn<bool>("decided");
    QTest::newRow("from the single result") << true;
    QTest::newRow("from the load table") << false;
}

void tst_ProgramLifecycle::endLeavesNoWindowAndQuits()
{
    QFETCH(bool, decided);
    m_driver = std::make_unique<ProgramDriver>();
    ElevatorEntries entries;
    entries.decided = decided;
    m_driver->runRoad({}, entries);
    const FormId resultId = decided ? FormId::Form5 : FormId::Form6;

    QTimer::singleShot(0, this, [this, resultId] { m_driver->click(resultId, QStringLiteral("Command3")); });
    QTimer failed;  // the end button did not quit
    failed.setSingleShot(true);
    connect(&failed, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    failed.start(5000);
    const int status = QCoreApplication::exec();
    failed.stop();
    QCOMPARE(status, 0);

    // The navigator is still alive: end discarded every form, not the program object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    for (FormId id : {FormId::Form2, FormId::Form4, resultId})
        QVERIFY(m_driver->navigator().form(id) == nullptr);
}

QTEST_MAIN(tst_ProgramLifecycle)
#include "tst_program_lifecycle.moc"

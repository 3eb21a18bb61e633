#include "app/testing/program_driver.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::testing::BuildingEntries)

// The worked example driven through the wizard to each result form, its 500 persons once as
// a total and once typed floor by floor.
class tst_ProgramRoads : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void workedExample_data();
    void workedExample();

private:
    std::unique_ptr<ProgramDriver> m_driver;
};

void tst_ProgramRoads::cleanup()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ProgramRoads::workedExample_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<bool>("decided");
    BuildingEntries perFloor;
    perFloor.perFloor = true;
    perFloor.population = QStringLiteral("0");  // not read for a per-floor spread
    perFloor.floorPopulations = QStringList(10, QStringLiteral("50"));
    QTest::newRow("single configuration, even spread") << BuildingEntries{} << true;
    QTest::newRow("single configuration, per floor") << perFloor << true;
    QTest::newRow("load sweep, even spread") << BuildingEntries{} << false;
    QTest::newRow("load sweep, per floor") << perFloor << false;
}

void tst_ProgramRoads::workedExample()
{
    QFETCH(BuildingEntries, building);
    QFETCH(bool, decided);
    ElevatorEntries elevator;
    elevator.decided = decided;
    m_driver = std::make_unique<ProgramDriver>();
    m_driver->runRoad(building, elevator);

    QCOMPARE(visibleForms(), QStringList{decided ? "Form5" : "Form6"});
    if (decided) {
        auto* result = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
        QVERIFY(result != nullptr);
        const QStringList figures{"93.57", "46.785", "20.84", "41.68", "4.168", "8.336"};
        for (int i = 0; i < figures.size(); ++i)
            QCOMPARE(result->valueText(i), figures[i]);
        QVERIFY(!result->structuralLoadRowVisible());  // no machine-room load requested
        QVERIFY(result->pitDepthRowVisible());
        QCOMPARE(result->valueText(7), QStringLiteral("1.7"));
        QCOMPARE(result->valueText(8), QStringLiteral("4.9"));
        return;
    }
    auto* table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table != nullptr);
    QCOMPARE(table->headerText(1), QStringLiteral("UP"));
    for (int row = 0; row < LoadTableForm::kRows; ++row)
        QVERIFY(table->rowVisible(row));
    // Label2..Label8 of the 675 kg and the 1800 kg rows.
    const QStringList first{"2.7", "1.8", "72.641", "3.717", "18.585", "2.476", "7.775"};
    const QStringList last{"7.2", "4.8", "142.167", "5.064", "25.322", "5.317", "9.221"};
    for (int i = 0; i < first.size(); ++i) {
        QCOMPARE(table->cellText(2 + i, 0), first[i]);
        QCOMPARE(table->cellText(2 + i, 15), last[i]);
    }
}

QTEST_MAIN(tst_ProgramRoads)
#include "tst_program_roads.moc"

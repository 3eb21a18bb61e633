#include "app/testing/program_driver.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::testing::BuildingEntries)
Q_DECLARE_METATYPE(trevalo::testing::ElevatorEntries)

namespace {

BuildingEntries evenSpread() { return {}; }

// The same population entered floor by floor: ten floors of 50 persons.
BuildingEntries fiftyPerFloor()
{
    BuildingEntries entries;
    entries.perFloor = true;
    entries.population = QStringLiteral("0");  // not read for a per-floor spread
    for (int floor = 0; floor < 10; ++floor)
        entries.floorPopulations << QStringLiteral("50");
    return entries;
}

ElevatorEntries sweepOf(ElevatorEntries entries)
{
    entries.decided = false;
    return entries;
}

}  // namespace

class tst_ProgramRoads : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void singleConfiguration_data();
    void singleConfiguration();
    void loadSweep_data();
    void loadSweep();

private:
    std::unique_ptr<ProgramDriver> m_driver;
};

void tst_ProgramRoads::cleanup()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ProgramRoads::singleConfiguration_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<QStringList>("figures");  // Label7(0..5); empty: not checked
    QTest::addColumn<bool>("structuralLoadShown");
    QTest::addColumn<bool>("pitShown");
    QTest::addColumn<QStringList>("machineRoom");  // Label7(6..8) of the shown rows

    const QStringList worked{"93.57", "46.785", "20.84", "41.68", "4.168", "8.336"};
    QTest::newRow("worked example, even spread")
        << evenSpread() << ElevatorEntries{} << worked << false << true << QStringList{"", "1.7", "4.9"};
    QTest::newRow("worked example, ten floors of 50 entered per floor")
        << fiftyPerFloor() << ElevatorEntries{} << worked << false << true << QStringList{"", "1.7", "4.9"};

    ElevatorEntries machineRoom;
    machineRoom.finishingWeight = QStringLiteral("300");
    QTest::newRow("machine-room load requested")
        << evenSpread() << machineRoom << worked << true << true << QStringList{"17425", "1.7", "4.9"};

    ElevatorEntries faster = machineRoom;
    faster.speed = QStringLiteral("2.5");
    QTest::newRow("pit table at 2.5 m/s") << evenSpread() << faster << QStringList{} << true << true
                                          << QStringList{"17425", "2.5", "5.2"};

    ElevatorEntries slow;
    slow.speed = QStringLiteral("1.5");
    QTest::newRow("below the pit table") << evenSpread() << slow << QStringList{} << false << false
                                         << QStringList{"", "", ""};
}

void tst_ProgramRoads::singleConfiguration()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(QStringList, figures);
    QFETCH(bool, structuralLoadShown);
    QFETCH(bool, pitShown);
    QFETCH(QStringList, machineRoom);

    m_driver = std::make_unique<ProgramDriver>();
    m_driver->runRoad(building, elevator);

    auto* result = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(result != nullptr);
    QCOMPARE(visibleForms(), QStringList{"Form5"});
    QVERIFY(m_driver->navigator().form(FormId::Form6) == nullptr);
    for (int i = 0; i < figures.size(); ++i)
        QCOMPARE(result->valueText(i), figures[i]);
    for (int i = 0; i < 6; ++i)
        QVERIFY(!result->valueText(i).isEmpty());
    QCOMPARE(result->structuralLoadRowVisible(), structuralLoadShown);
    QCOMPARE(result->pitDepthRowVisible(), pitShown);
    for (int i = 0; i < machineRoom.size(); ++i)
        if (!machineRoom[i].isEmpty())
            QCOMPARE(result->valueText(6 + i), machineRoom[i]);
}

void tst_ProgramRoads::loadSweep_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<bool>("rowZeroShown");
    QTest::addColumn<QStringList>("headers");  // Label17(1), (2), (6)
    QTest::addColumn<QStringList>("firstRow");  // Label2..Label8 of row 0; empty: not checked
    QTest::addColumn<QStringList>("lastRow");   // the same of row 15

    const QStringList plain{"UP", "DN", "PS(UP)"};
    const QStringList first{"2.7", "1.8", "72.641", "3.717", "18.585", "2.476", "7.775"};
    const QStringList last{"7.2", "4.8", "142.167", "5.064", "25.322", "5.317", "9.221"};
    QTest::newRow("worked sweep, even spread") << evenSpread() << sweepOf({}) << true << plain << first << last;
    QTest::newRow("worked sweep, ten floors of 50 entered per floor")
        << fiftyPerFloor() << sweepOf({}) << true << plain << first << last;

    BuildingEntries office;
    office.buildingOption = QStringLiteral("Option2");
    QTest::newRow("office building: equal shares, no 675 kg row")
        << office << sweepOf({}) << false << plain << QStringList{} << QStringList{};

    ElevatorEntries moreDown = sweepOf({});
    moreDown.upPercent = QStringLiteral("20");
    moreDown.downPercent = QStringLiteral("30");
    QTest::newRow("down share above up share") << evenSpread() << moreDown << true
                                               << QStringList{"DN", "UP", "PS(DN)"}
                                               << QStringList{"1.8", "2.7"} << QStringList{};
}

void tst_ProgramRoads::loadSweep()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(bool, rowZeroShown);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, firstRow);
    QFETCH(QStringList, lastRow);

    m_driver = std::make_unique<ProgramDriver>();
    m_driver->runRoad(building, elevator);

    auto* table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table != nullptr);
    QCOMPARE(visibleForms(), QStringList{"Form6"});
    QVERIFY(m_driver->navigator().form(FormId::Form5) == nullptr);
    QCOMPARE(table->headerText(1), headers[0]);
    QCOMPARE(table->headerText(2), headers[1]);
    QCOMPARE(table->headerText(6), headers[2]);
    QCOMPARE(table->rowVisible(0), rowZeroShown);
    for (int row = 1; row < LoadTableForm::kRows; ++row) {
        QVERIFY(table->rowVisible(row));
        for (int array = 2; array <= 8; ++array)
            QVERIFY2(!table->cellText(array, row).startsWith("Label"), qPrintable(table->cellText(array, row)));
    }
    for (int i = 0; i < firstRow.size(); ++i)
        QCOMPARE(table->cellText(2 + i, 0), firstRow[i]);
    for (int i = 0; i < lastRow.size(); ++i)
        QCOMPARE(table->cellText(2 + i, 15), lastRow[i]);
    QCOMPARE(table->cellText(1, 0), QStringLiteral("675/9"));
    QCOMPARE(table->cellText(1, 15), QStringLiteral("1800/24"));
}

QTEST_MAIN(tst_ProgramRoads)
#include "tst_program_roads.moc"

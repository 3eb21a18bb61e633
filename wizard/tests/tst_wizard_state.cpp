#include "wizard_fixture.h"

#include "wizard/floor_population_form.h"
#include "wizard/wizard_state.h"

#include <QtTest>

using trevalo::FormId;

class tst_WizardState : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void nothingLoaded();
    void evenSpreadRoad();
    void perFloorRoad();

private:
    trevalo::test::WizardFixture m_wizard;
};

void tst_WizardState::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_WizardState::nothingLoaded()
{
    const trevalo::WizardState state = trevalo::readWizardState(*m_wizard.navigator);
    QVERIFY(state.inputs.project.floorsServed.empty());
    QVERIFY(!state.inputs.project.buildingType.has_value());
    QVERIFY(!state.inputs.project.spread.has_value());
    QVERIFY(state.inputs.floors.floorPopulations.empty());
    QVERIFY(state.inputs.floors.storedTotal.empty());
    QVERIFY(state.floorLabels.empty());
    QVERIFY(state.inputs.elevator.upPercent.empty());
    QVERIFY(!state.inputs.elevator.doorType.has_value());
    QVERIFY(state.dateCaption.empty());
}

void tst_WizardState::evenSpreadRoad()
{
    m_wizard.fillBuildingData("Option1", "10", "500", "Option3");
    m_wizard.control<QLineEdit>(FormId::Form2, "Text2")->insert(QStringLiteral("滨江大厦"));
    m_wizard.click(FormId::Form2, "Command1");
    m_wizard.type(FormId::Form4, "TEXT1_0", "30");
    m_wizard.click(FormId::Form4, "Option1_0");

    const trevalo::WizardState state = trevalo::readWizardState(*m_wizard.navigator);
    QCOMPARE(QString::fromStdString(state.inputs.project.projectName), QStringLiteral("滨江大厦"));
    QCOMPARE(state.inputs.project.buildingType, trevalo::engine::BuildingType::Residential);
    QCOMPARE(state.inputs.project.spread, trevalo::engine::PopulationSpread::Even);
    QCOMPARE(state.inputs.project.floorsServed, std::string("10"));
    QCOMPARE(state.inputs.project.totalPopulation, std::string("500"));
    QVERIFY(state.inputs.floors.floorPopulations.empty());
    QCOMPARE(state.inputs.elevator.travel, std::string("30"));
    QCOMPARE(state.inputs.elevator.upPercent, std::string("30"));
    QCOMPARE(state.inputs.elevator.doorType, trevalo::engine::DoorType::TwoPanelCentre);
    QVERIFY(!state.inputs.elevator.machineRoomRequested);
    QVERIFY(!state.dateCaption.empty());
    QVERIFY(!state.timeCaption.empty());
    QCOMPARE(trevalo::gatherInputs(*m_wizard.navigator).elevator.travel, std::string("30"));
}

void tst_WizardState::perFloorRoad()
{
    m_wizard.fillBuildingData("Option2", "3", "1", "Option4");
    m_wizard.click(FormId::Form2, "Command1");
    m_wizard.type(FormId::Form3, "Text1_0", "100");
    m_wizard.type(FormId::Form3, "Text1_2", "50.5");
    m_wizard.click(FormId::Form3, "Command2");

    const trevalo::WizardState state = trevalo::readWizardState(*m_wizard.navigator);
    QCOMPARE(state.inputs.project.spread, trevalo::engine::PopulationSpread::PerFloor);
    QCOMPARE(state.inputs.floors.storedTotal, std::string("150"));
    QCOMPARE(state.inputs.floors.floorPopulations.size(), std::size_t{trevalo::FloorPopulationForm::kRows});
    QCOMPARE(state.inputs.floors.floorPopulations[0], std::string("100"));
    QCOMPARE(state.inputs.floors.floorPopulations[2], std::string("50.5"));
    QVERIFY(state.inputs.floors.floorPopulations[3].empty());
    QCOMPARE(state.floorLabels.size(), std::size_t{trevalo::FloorPopulationForm::kRows});
    QCOMPARE(QString::fromStdString(state.floorLabels[2]), QStringLiteral("第 3 层人数"));
    QCOMPARE(state.inputs.elevator.upPercent, std::string("50"));
}

QTEST_MAIN(tst_WizardState)
#include "tst_wizard_state.moc"

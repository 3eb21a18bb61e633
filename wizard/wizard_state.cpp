#include "wizard/wizard_state.h"

#include "wizard/building_data_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/floor_population_form.h"
#include "wizard/navigator.h"

namespace trevalo {

WizardState readWizardState(const Navigator& navigator)
{
    WizardState state;
    if (const auto* buildingData = navigator.formAs<BuildingDataForm>(FormId::Form2)) {
        state.inputs.project = buildingData->projectData();
        state.dateCaption = buildingData->dateCaption().toStdString();
        state.timeCaption = buildingData->timeCaption().toStdString();
    }
    if (const auto* floorPopulation = navigator.formAs<FloorPopulationForm>(FormId::Form3)) {
        state.inputs.floors = floorPopulation->floorPopulation();
    }
    if (const auto* elevator = navigator.formAs<ElevatorParametersForm>(FormId::Form4))
        state.inputs.elevator = elevator->elevatorParameters();
    return state;
}

engine::AnalysisInputs gatherInputs(const Navigator& navigator)
{
    return readWizardState(navigator).inputs;
}

}  // namespace trevalo

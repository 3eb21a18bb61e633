#include "wizard/wizard_forms.h"

#include "wizard/building_data_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/floor_population_form.h"
#include "wizard/navigator.h"
#include "wizard/splash_form.h"

namespace trevalo {

void registerWizardForms(Navigator& navigator)
{
    navigator.registerForm(FormId::Form1, [](Navigator& n) -> QWidget* { return new SplashForm(n); });
    navigator.registerForm(FormId::Form2, [](Navigator& n) -> QWidget* { return new BuildingDataForm(n); });
    navigator.registerForm(FormId::Form3, [](Navigator& n) -> QWidget* { return new FloorPopulationForm(n); });
    navigator.registerForm(FormId::Form4, [](Navigator& n) -> QWidget* { return new ElevatorParametersForm(n); });
}

}  // namespace trevalo

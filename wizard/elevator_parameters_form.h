#pragma once

#include "engine/analysis_inputs.h"
#include "wizard/wizard_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <optional>

namespace trevalo {

class Navigator;

// The rated speeds of the speed list, "1" to "11" m/s.
const QStringList& standardRatedSpeeds();

// Form4: travel, express zone, doors, operating parameters, and the rated load and
// number of cars when decided. OK asks for the analysis; the form itself computes
// nothing. Hidden controls keep their values.
class ElevatorParametersForm : public WizardForm {
    Q_OBJECT
public:
    explicit ElevatorParametersForm(Navigator& navigator, QWidget* parent = nullptr);

    // TEXT1(index) for index 0..5 and 7; there is no TEXT1(6).
    QLineEdit* textBox(int index) const;
    std::optional<engine::DoorType> doorType() const;
    engine::ElevatorParameters elevatorParameters() const;
    // Puts the entries into the controls as if typed and clicked, in place of the defaults.
    void setElevatorParameters(const engine::ElevatorParameters& parameters);

    // After a door width outside the standard range: Combo2 emptied and focused.
    void clearAndFocusDoorWidth();
    // Enters a configuration as a user would: Check3 ticked, then the rated load, the number
    // of cars and the rated speed typed.
    void enterDecidedConfiguration(const QString& ratedLoad, const QString& cars, const QString& speed);

signals:
    void analysisRequested();
    void sizingRequested();
    void saveProjectRequested();

private:
    void buildFrames();
    void setTabOrderOfControls();
    void applyDefaults(std::optional<engine::BuildingType> buildingType);
    void expressZoneToggled(bool checked);
    void decidedLoadToggled(bool checked);
    void machineRoomToggled(bool checked);

    Navigator& m_navigator;
    std::array<QLineEdit*, 8> m_text{};  // TEXT1; element 6 stays null
    QCheckBox* m_expressZone = nullptr;    // Check1
    QCheckBox* m_advanceOpening = nullptr; // Check2
    QCheckBox* m_decided = nullptr;        // Check3
    QCheckBox* m_machineRoom = nullptr;    // Check4
    std::array<QRadioButton*, 3> m_doorOptions{};
    QButtonGroup m_doorGroup;
    QComboBox* m_speed = nullptr;      // Combo1
    QComboBox* m_doorWidth = nullptr;  // Combo2
    QComboBox* m_ratedLoad = nullptr;  // Combo3
    QLineEdit* m_finishingWeight = nullptr;  // Text2
    QLabel* m_expressLabel = nullptr;  // Label4
    QLabel* m_expressUnit = nullptr;   // Label2(2)
    QLabel* m_loadLabel = nullptr;     // Label9
    QLabel* m_countLabel = nullptr;    // Label10
    QLabel* m_loadUnit = nullptr;      // Label11(0)
    QLabel* m_countUnit = nullptr;     // Label11(1)
    QLabel* m_weightLabel = nullptr;   // Label16
    QLabel* m_weightUnit = nullptr;    // Label17
    QPushButton* m_back = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_sizing = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace trevalo

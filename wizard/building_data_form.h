#pragma once

#include "engine/analysis_inputs.h"
#include "wizard/wizard_form.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <optional>

namespace trevalo {

class Navigator;

// Form2: project name, building type, floors served, population and how it is
// spread. OK has the engine check the entries, then moves on to the floor
// population form (per floor) or the elevator parameters form (even spread).
class BuildingDataForm : public WizardForm {
    Q_OBJECT
public:
    explicit BuildingDataForm(Navigator& navigator, QWidget* parent = nullptr);

    std::optional<engine::BuildingType> buildingType() const;
    std::optional<engine::PopulationSpread> spread() const;
    engine::ProjectData projectData() const;
    // Puts the entries into the controls as if typed and clicked; no choice unticks every option.
    void setProjectData(const engine::ProjectData& project);
    QString dateCaption() const { return m_date->text(); }
    QString timeCaption() const { return m_time->text(); }

    // The number of floors as the forms take it: N1 read as a number, rounded
    // ties to even, as a 16-bit integer; empty when it does not fit.
    std::optional<int> floorCount() const;

    // With recent projects, 打开项目… drops down a menu: itself, then each file by name.
    void setRecentProjects(const QStringList& paths);
    // Shows or hides 恢复上次输入 beside 打开项目….
    void offerRecovery(bool offered);

signals:
    void openProjectRequested();
    void recentProjectRequested(const QString& path);
    void recoveryRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void accept();
    void refreshDateAndTime();

    Navigator& m_navigator;
    QPushButton* m_open = nullptr;
    QPushButton* m_recover = nullptr;
    QLineEdit* m_projectName = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QRadioButton* m_residential = nullptr;
    QRadioButton* m_officeAndHotel = nullptr;
    QRadioButton* m_ownerOccupiedOffice = nullptr;
    QLineEdit* m_floors = nullptr;
    QLineEdit* m_population = nullptr;
    QRadioButton* m_even = nullptr;
    QRadioButton* m_perFloor = nullptr;
    QButtonGroup m_buildingTypeGroup;
    QButtonGroup m_spreadGroup;
};

// The floor count that the floor population form uses: Form2's N1 by the rule
// above, 0 when Form2 is not loaded or the value does not fit.
int floorCountOf(const Navigator& navigator);

}  // namespace trevalo

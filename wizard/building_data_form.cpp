#include "wizard/building_data_form.h"

#include "wizard/clock_captions.h"
#include "wizard/entry_marks.h"
#include "wizard/navigator.h"

#include "engine/entry_checks.h"
#include "engine/leading_number.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

namespace trevalo {


BuildingDataForm::BuildingDataForm(Navigator& navigator, QWidget* parent)
    : WizardForm(QStringLiteral("Form2"), parent), m_navigator(navigator)
{
    auto* nameLabel = makeNamed<QLabel>(QStringLiteral("Label8"), QStringLiteral("项目名称："), this);
    m_projectName = makeNamed<QLineEdit>(QStringLiteral("Text2"), this);
    m_projectName->setMinimumWidth(260);
    auto* dateLabel = makeNamed<QLabel>(QStringLiteral("Label2"), QStringLiteral("日期："), this);
    m_date = makeNamed<QLabel>(QStringLiteral("Label1"), QString(), this);
    auto* timeLabel = makeNamed<QLabel>(QStringLiteral("Label6"), QStringLiteral("时间："), this);
    m_time = makeNamed<QLabel>(QStringLiteral("Label7"), QString(), this);

    auto* buildingFrame = makeNamed<QGroupBox>(QStringLiteral("Frame1"), QStringLiteral("楼宇基本资料"), this);
    auto* typeLabel = makeNamed<QLabel>(QStringLiteral("Label3"), QStringLiteral("建筑类型"), buildingFrame);
    m_residential = makeNamed<QRadioButton>(QStringLiteral("Option1"), QStringLiteral("住宅"), buildingFrame);
    m_officeAndHotel = makeNamed<QRadioButton>(QStringLiteral("Option2"), QStringLiteral("办公楼及酒店"), buildingFrame);
    m_ownerOccupiedOffice = makeNamed<QRadioButton>(QStringLiteral("Option5"), QStringLiteral("自用办公楼"), buildingFrame);
    auto* floorsLabel = makeNamed<QLabel>(QStringLiteral("Label4"), QStringLiteral("电梯停留层数（不含首层）"), buildingFrame);
    m_floors = makeNamed<QLineEdit>(QStringLiteral("N1"), buildingFrame);

    auto* populationFrame = makeNamed<QGroupBox>(QStringLiteral("Frame2"), QStringLiteral("楼宇人数资料"), this);
    auto* populationLabel = makeNamed<QLabel>(QStringLiteral("Label5"), QStringLiteral("楼宇总人数"), populationFrame);
    m_population = makeNamed<QLineEdit>(QStringLiteral("Text1"), populationFrame);
    m_even = makeNamed<QRadioButton>(QStringLiteral("Option3"), QStringLiteral("人数每层平均分配"), populationFrame);
    m_perFloor = makeNamed<QRadioButton>(QStringLiteral("Option4"), QStringLiteral("人数每层非平均分配"), populationFrame);

    auto* ok = makeCommandButton(QStringLiteral("Command1"), QStringLiteral("确 定"), this);
    auto* exit = makeCommandButton(QStringLiteral("Command2"), QStringLiteral("终止退出"), this);
    setDefaultButton(ok);
    // Beside the wizard's own buttons, at the free left end of their row.
    auto* open = m_open = makeCommandButton(QStringLiteral("OpenProject"), QStringLiteral("打开项目…"), this);
    m_recover = makeCommandButton(QStringLiteral("RecoverInput"), QStringLiteral("恢复上次输入"), this);
    m_recover->hide();

    // Each frame is its own group; at start neither has a selection, which an
    // exclusive QButtonGroup allows (it only forbids unchecking by a click).
    m_buildingTypeGroup.addButton(m_residential);
    m_buildingTypeGroup.addButton(m_officeAndHotel);
    m_buildingTypeGroup.addButton(m_ownerOccupiedOffice);
    m_spreadGroup.addButton(m_even);
    m_spreadGroup.addButton(m_perFloor);

    // Both frames share one label column, so the two number boxes line up.
    const int labelColumn = floorsLabel->sizeHint().width();
    auto* buildingLayout = new QGridLayout(buildingFrame);
    buildingLayout->setColumnMinimumWidth(0, labelColumn);
    buildingLayout->setColumnStretch(2, 1);
    buildingLayout->addWidget(typeLabel, 0, 0);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(m_residential);
    typeRow->addWidget(m_officeAndHotel);
    typeRow->addWidget(m_ownerOccupiedOffice);
    typeRow->addStretch();
    buildingLayout->addLayout(typeRow, 0, 1, 1, 2);
    buildingLayout->addWidget(floorsLabel, 1, 0);
    buildingLayout->addWidget(m_floors, 1, 1);
    m_floors->setFixedWidth(90);

    auto* populationLayout = new QGridLayout(populationFrame);
    populationLayout->setColumnMinimumWidth(0, labelColumn);
    populationLayout->setColumnStretch(2, 1);
    populationLayout->addWidget(populationLabel, 0, 0);
    populationLayout->addWidget(m_population, 0, 1);
    m_population->setFixedWidth(90);
    auto* spreadRow = new QHBoxLayout;
    spreadRow->addWidget(m_even);
    spreadRow->addWidget(m_perFloor);
    spreadRow->addStretch();
    populationLayout->addLayout(spreadRow, 1, 0, 1, 3);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_projectName, 1);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(dateLabel);
    clockRow->addWidget(m_date);
    clockRow->addSpacing(24);
    clockRow->addWidget(timeLabel);
    clockRow->addWidget(m_time);
    clockRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(open);
    buttonRow->addWidget(m_recover);
    buttonRow->addStretch();
    buttonRow->addWidget(ok);
    buttonRow->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(nameRow);
    layout->addLayout(clockRow);
    layout->addWidget(buildingFrame);
    layout->addWidget(populationFrame);
    layout->addSpacing(6);
    layout->addLayout(buttonRow);

    setTabOrder(m_projectName, m_residential);
    setTabOrder(m_residential, m_officeAndHotel);
    setTabOrder(m_officeAndHotel, m_ownerOccupiedOffice);
    setTabOrder(m_ownerOccupiedOffice, m_floors);
    setTabOrder(m_floors, m_population);
    setTabOrder(m_population, m_even);
    setTabOrder(m_even, m_perFloor);
    setTabOrder(m_perFloor, ok);
    setTabOrder(ok, exit);
    setTabOrder(exit, open);
    setTabOrder(open, m_recover);

    connect(ok, &QPushButton::clicked, this, &BuildingDataForm::accept);
    connect(exit, &QPushButton::clicked, this, [this] { m_navigator.end(); });
    connect(open, &QPushButton::clicked, this, &BuildingDataForm::openProjectRequested);
    connect(m_recover, &QPushButton::clicked, this, &BuildingDataForm::recoveryRequested);
    refreshDateAndTime();
}

void BuildingDataForm::setRecentProjects(const QStringList& paths)
{
    // The list changes from its own menu's action (a file gone is dropped), so the old menu
    // goes once that action is done with.
    if (QMenu* old = m_open->menu())
        old->deleteLater();
    m_open->setMenu(nullptr);
    if (paths.isEmpty())
        return;
    auto* menu = new QMenu(m_open);
    menu->setObjectName(QStringLiteral("RecentProjects"));
    menu->setToolTipsVisible(true);
    connect(menu->addAction(QStringLiteral("打开项目…")), &QAction::triggered, this,
            &BuildingDataForm::openProjectRequested);
    menu->addSeparator();
    for (const QString& path : paths) {
        QAction* recent = menu->addAction(QFileInfo(path).fileName());
        recent->setToolTip(QDir::toNativeSeparators(path));
        connect(recent, &QAction::triggered, this, [this, path] { emit recentProjectRequested(path); });
    }
    m_open->setMenu(menu);
}

void BuildingDataForm::offerRecovery(bool offered)
{
    m_recover->setVisible(offered);
}

std::optional<engine::BuildingType> BuildingDataForm::buildingType() const
{
    if (m_residential->isChecked())
        return engine::BuildingType::Residential;
    if (m_officeAndHotel->isChecked())
        return engine::BuildingType::OfficeAndHotel;
    if (m_ownerOccupiedOffice->isChecked())
        return engine::BuildingType::OwnerOccupiedOffice;
    return std::nullopt;
}

std::optional<engine::PopulationSpread> BuildingDataForm::spread() const
{
    if (m_even->isChecked())
        return engine::PopulationSpread::Even;
    if (m_perFloor->isChecked())
        return engine::PopulationSpread::PerFloor;
    return std::nullopt;
}

engine::ProjectData BuildingDataForm::projectData() const
{
    engine::ProjectData project;
    project.projectName = m_projectName->text().toStdString();
    project.buildingType = buildingType();
    project.floorsServed = m_floors->text().toStdString();
    project.totalPopulation = m_population->text().toStdString();
    project.spread = spread();
    return project;
}

namespace {

// An exclusive group cannot uncheck its last option, so it is opened for the moment.
void checkOnly(QButtonGroup& group, QAbstractButton* chosen)
{
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(button == chosen);
    group.setExclusive(true);
}

}  // namespace

void BuildingDataForm::setProjectData(const engine::ProjectData& project)
{
    m_projectName->setText(QString::fromStdString(project.projectName));
    m_floors->setText(QString::fromStdString(project.floorsServed));
    m_population->setText(QString::fromStdString(project.totalPopulation));
    QAbstractButton* type = nullptr;
    if (project.buildingType == engine::BuildingType::Residential)
        type = m_residential;
    else if (project.buildingType == engine::BuildingType::OfficeAndHotel)
        type = m_officeAndHotel;
    else if (project.buildingType == engine::BuildingType::OwnerOccupiedOffice)
        type = m_ownerOccupiedOffice;
    checkOnly(m_buildingTypeGroup, type);
    QAbstractButton* spread = nullptr;
    if (project.spread == engine::PopulationSpread::Even)
        spread = m_even;
    else if (project.spread == engine::PopulationSpread::PerFloor)
        spread = m_perFloor;
    checkOnly(m_spreadGroup, spread);
}

std::optional<int> BuildingDataForm::floorCount() const
{
    const auto floors = engine::toInt16(engine::leadingNumber(m_floors->text().toStdString()));
    if (!floors)
        return std::nullopt;
    return int{*floors};
}

void BuildingDataForm::showEvent(QShowEvent* event)
{
    refreshDateAndTime();
    WizardForm::showEvent(event);
}

void BuildingDataForm::refreshDateAndTime()
{
    const ClockCaptions now = clockCaptions(QDateTime::currentDateTime());
    m_date->setText(now.date);
    m_time->setText(now.time);
}

void BuildingDataForm::accept()
{
    const auto checked = engine::checkBuildingData(projectData());
    if (const auto* refusal = std::get_if<engine::Refusal>(&checked)) {
        showRefusalAndMark(m_navigator, *refusal, this);
        return;
    }
    const FormId next = std::get<engine::BuildingChecks>(checked).spread == engine::PopulationSpread::Even
                            ? FormId::Form4
                            : FormId::Form3;
    m_navigator.show(next);
    m_navigator.hide(FormId::Form2);
}

int floorCountOf(const Navigator& navigator)
{
    const auto* form = navigator.formAs<BuildingDataForm>(FormId::Form2);
    if (form == nullptr)
        return 0;
    return form->floorCount().value_or(0);
}

}  // namespace trevalo

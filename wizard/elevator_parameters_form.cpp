#include "wizard/elevator_parameters_form.h"

#include "wizard/building_data_form.h"
#include "wizard/label_tone.h"
#include "wizard/navigator.h"

#include "engine/standard_tables.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace trevalo {

namespace {

constexpr int kEntryWidth = 90;

QStringList texts(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list.push_back(QString::fromStdString(item));
    return list;
}

const QStringList& doorWidths()
{
    static const QStringList widths = texts(engine::doorWidthListTexts());
    return widths;
}

const QStringList& ratedLoads()
{
    static const QStringList loads = texts(engine::ratedLoadListTexts());
    return loads;
}

QLineEdit* makeEntry(const QString& objectName, QWidget* parent)
{
    auto* box = makeNamed<QLineEdit>(objectName, parent);
    box->setFixedWidth(kEntryWidth);
    return box;
}

QComboBox* makeComboBox(const QString& objectName, const QStringList& items, QWidget* parent)
{
    auto* combo = makeNamed<QComboBox>(objectName, parent);
    combo->setEditable(true);
    // A typed value is an entry, not a new list item.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->clearEditText();
    combo->setFixedWidth(kEntryWidth);
    return combo;
}

// Hidden controls keep their place, so showing and hiding never moves the others.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void addRow(QGridLayout* grid, int row, QLabel* label, QWidget* field, QLabel* unit)
{
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit != nullptr)
        grid->addWidget(unit, row, 2);
    grid->setColumnStretch(3, 1);
}

}  // namespace

const QStringList& standardRatedSpeeds()
{
    static const QStringList speeds = texts(engine::ratedSpeedListTexts());
    return speeds;
}

ElevatorParametersForm::ElevatorParametersForm(Navigator& navigator, QWidget* parent)
    : WizardForm(QStringLiteral("Form4"), parent), m_navigator(navigator)
{
    buildFrames();
    setTabOrderOfControls();
    setDefaultButton(m_ok);

    connect(m_expressZone, &QCheckBox::toggled, this, &ElevatorParametersForm::expressZoneToggled);
    connect(m_decided, &QCheckBox::toggled, this, &ElevatorParametersForm::decidedLoadToggled);
    connect(m_machineRoom, &QCheckBox::toggled, this, &ElevatorParametersForm::machineRoomToggled);
    connect(m_ok, &QPushButton::clicked, this, &ElevatorParametersForm::analysisRequested);
    connect(m_sizing, &QPushButton::clicked, this, &ElevatorParametersForm::sizingRequested);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_navigator.unload(FormId::Form4);
        m_navigator.show(FormId::Form2);
    });
    connect(m_exit, &QPushButton::clicked, this, [this] { m_navigator.end(); });
    connect(m_save, &QPushButton::clicked, this, &ElevatorParametersForm::saveProjectRequested);

    const auto* buildingData = m_navigator.formAs<BuildingDataForm>(FormId::Form2);
    applyDefaults(buildingData != nullptr ? buildingData->buildingType() : std::nullopt);
}

void ElevatorParametersForm::buildFrames()
{
    for (int index : {0, 1, 2, 3, 4, 5, 7})
        m_text[static_cast<std::size_t>(index)] = makeEntry(QStringLiteral("TEXT1_%1").arg(index), this);

    auto* travelFrame = makeNamed<QGroupBox>(QStringLiteral("Frame1"), QStringLiteral("电梯行程参数"), this);
    auto* travelGrid = new QGridLayout(travelFrame);
    addRow(travelGrid, 0, makeNamed<QLabel>(QStringLiteral("Label1"), QStringLiteral("电梯总行程"), travelFrame), m_text[0],
           makeNamed<QLabel>(QStringLiteral("Label2_0"), QStringLiteral("M"), travelFrame));
    addRow(travelGrid, 1, makeNamed<QLabel>(QStringLiteral("Label3"), QStringLiteral("平均每层高度"), travelFrame), m_text[1],
           makeNamed<QLabel>(QStringLiteral("Label2_1"), QStringLiteral("M"), travelFrame));

    auto* expressFrame = makeNamed<QGroupBox>(QStringLiteral("Frame2"), QStringLiteral("快速通行区"), this);
    auto* expressGrid = new QGridLayout(expressFrame);
    m_expressZone = makeNamed<QCheckBox>(QStringLiteral("Check1"), QStringLiteral("设置快速通行区"), expressFrame);
    m_expressLabel = makeNamed<QLabel>(QStringLiteral("Label4"), QStringLiteral("快速通行距离"), expressFrame);
    m_expressUnit = makeNamed<QLabel>(QStringLiteral("Label2_2"), QStringLiteral("M"), expressFrame);
    expressGrid->addWidget(m_expressZone, 0, 0, 1, 3);
    addRow(expressGrid, 1, m_expressLabel, m_text[2], m_expressUnit);

    auto* doorFrame = makeNamed<QGroupBox>(QStringLiteral("Frame3"), QStringLiteral("电梯门参数"), this);
    auto* doorGrid = new QGridLayout(doorFrame);
    const std::array<QString, 3> doorCaptions{QStringLiteral("2CO"), QStringLiteral("2SO"), QStringLiteral("4CO")};
    const std::array<QString, 3> doorTips{QStringLiteral("中开两扇门"), QStringLiteral("侧开两扇门"),
                                          QStringLiteral("中开四扇门")};
    auto* doorRow = new QHBoxLayout;
    for (std::size_t i = 0; i < m_doorOptions.size(); ++i) {
        m_doorOptions[i] = new QRadioButton(doorCaptions[i], doorFrame);
        m_doorOptions[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_doorOptions[i]->setToolTip(doorTips[i]);
        m_doorGroup.addButton(m_doorOptions[i], static_cast<int>(i));
        doorRow->addWidget(m_doorOptions[i]);
    }
    doorRow->addStretch();
    doorGrid->addLayout(doorRow, 0, 0, 1, 4);
    m_doorWidth = makeComboBox(QStringLiteral("Combo2"), doorWidths(), doorFrame);
    addRow(doorGrid, 1, makeNamed<QLabel>(QStringLiteral("Label14"), QStringLiteral("电梯门开启宽度"), doorFrame), m_doorWidth,
           makeNamed<QLabel>(QStringLiteral("Label15"), QStringLiteral("MM"), doorFrame));
    m_advanceOpening = makeNamed<QCheckBox>(QStringLiteral("Check2"), QStringLiteral("设定预先开门"), doorFrame);
    doorGrid->addWidget(m_advanceOpening, 2, 0, 1, 3);

    auto* runFrame = makeNamed<QGroupBox>(QStringLiteral("Frame4"), QStringLiteral("电梯运行参数"), this);
    auto* runGrid = new QGridLayout(runFrame);
    addRow(runGrid, 0, makeNamed<QLabel>(QStringLiteral("Label5"), QStringLiteral("折耗率"), runFrame), m_text[3],
           makeNamed<QLabel>(QStringLiteral("Label8_0"), QStringLiteral("%"), runFrame));
    addRow(runGrid, 1, makeNamed<QLabel>(QStringLiteral("Label6"), QStringLiteral("上行百分比"), runFrame), m_text[4],
           makeNamed<QLabel>(QStringLiteral("Label8_2"), QStringLiteral("%"), runFrame));
    addRow(runGrid, 2, makeNamed<QLabel>(QStringLiteral("Label7"), QStringLiteral("下行百分比"), runFrame), m_text[5],
           makeNamed<QLabel>(QStringLiteral("Label8_1"), QStringLiteral("%"), runFrame));
    m_speed = makeComboBox(QStringLiteral("Combo1"), standardRatedSpeeds(), runFrame);
    addRow(runGrid, 3, makeNamed<QLabel>(QStringLiteral("Label12"), QStringLiteral("电梯速度"), runFrame), m_speed,
           makeNamed<QLabel>(QStringLiteral("Label13"), QStringLiteral("M/S"), runFrame));

    auto* loadFrame = makeNamed<QGroupBox>(QStringLiteral("Frame5"), QStringLiteral("电梯载重与数量"), this);
    auto* loadGrid = new QGridLayout(loadFrame);
    m_decided = makeNamed<QCheckBox>(QStringLiteral("Check3"), QStringLiteral("已确定电梯载重和数量"), loadFrame);
    loadGrid->addWidget(m_decided, 0, 0, 1, 3);
    m_ratedLoad = makeComboBox(QStringLiteral("Combo3"), ratedLoads(), loadFrame);
    m_loadLabel = makeNamed<QLabel>(QStringLiteral("Label9"), QStringLiteral("单电梯载重"), loadFrame);
    m_loadUnit = makeNamed<QLabel>(QStringLiteral("Label11_0"), QStringLiteral("Kg"), loadFrame);
    addRow(loadGrid, 1, m_loadLabel, m_ratedLoad, m_loadUnit);
    m_countLabel = makeNamed<QLabel>(QStringLiteral("Label10"), QStringLiteral("电 梯 数 量"), loadFrame);
    m_countUnit = makeNamed<QLabel>(QStringLiteral("Label11_1"), QStringLiteral("台"), loadFrame);
    addRow(loadGrid, 2, m_countLabel, m_text[7], m_countUnit);
    m_machineRoom = makeNamed<QCheckBox>(QStringLiteral("Check4"), QStringLiteral("计算电梯机房结构荷载"), loadFrame);
    loadGrid->addWidget(m_machineRoom, 3, 0, 1, 3);
    m_finishingWeight = makeEntry(QStringLiteral("Text2"), loadFrame);
    m_weightLabel = makeNamed<QLabel>(QStringLiteral("Label16"), QStringLiteral("装修重量"), loadFrame);
    m_weightUnit = makeNamed<QLabel>(QStringLiteral("Label17"), QStringLiteral("Kg"), loadFrame);
    addRow(loadGrid, 4, m_weightLabel, m_finishingWeight, m_weightUnit);

    m_back = makeCommandButton(QStringLiteral("Command1"), QStringLiteral("上一步"), this);
    m_ok = makeCommandButton(QStringLiteral("Command2"), QStringLiteral("确定"), this);
    m_exit = makeCommandButton(QStringLiteral("Command3"), QStringLiteral("终止退出"), this);
    // Beside the wizard's own buttons, at the free left end of their row.
    m_save = makeCommandButton(QStringLiteral("SaveProject"), QStringLiteral("保存项目…"), this);
    // The sizing search stands beside it, in the same free room.
    m_sizing = makeCommandButton(QStringLiteral("Command4"), QStringLiteral("电梯选型"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(travelFrame);
    left->addWidget(expressFrame);
    left->addWidget(doorFrame);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(runFrame);
    right->addWidget(loadFrame);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_sizing);
    buttons->addWidget(makeRestoreButton());
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    for (QWidget* optional : {static_cast<QWidget*>(m_text[2]), static_cast<QWidget*>(m_ratedLoad),
                              static_cast<QWidget*>(m_text[7]), static_cast<QWidget*>(m_machineRoom),
                              static_cast<QWidget*>(m_finishingWeight)}) {
        keepPlaceWhenHidden(optional);
        optional->hide();
    }
}

void ElevatorParametersForm::setTabOrderOfControls()
{
    const std::array<QWidget*, 23> order{m_text[0],       m_text[1],    m_expressZone, m_text[2],
                                         m_doorOptions[0], m_doorOptions[1], m_doorOptions[2], m_doorWidth,
                                         m_advanceOpening, m_text[3],    m_text[4],     m_text[5],
                                         m_speed,          m_ratedLoad,  m_text[7],     m_back,
                                         m_ok,             m_exit,       m_machineRoom, m_decided,
                                         m_finishingWeight, m_save,    m_sizing};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ElevatorParametersForm::applyDefaults(std::optional<engine::BuildingType> buildingType)
{
    const engine::ElevatorParameters defaults = engine::defaultElevatorParameters(buildingType);
    m_text[3]->setText(QString::fromStdString(defaults.lossPercent));
    m_text[4]->setText(QString::fromStdString(defaults.upPercent));
    m_text[5]->setText(QString::fromStdString(defaults.downPercent));

    setLabelTone(*m_expressLabel, LabelTone::Greyed);
    for (QLabel* label : {m_expressUnit, m_loadLabel, m_countLabel, m_loadUnit, m_countUnit})
        setLabelTone(*label, LabelTone::GreyText);
    setLabelTone(*m_weightLabel, LabelTone::Background);
    setLabelTone(*m_weightUnit, LabelTone::Background);
}

void ElevatorParametersForm::expressZoneToggled(bool checked)
{
    const LabelTone tone = checked ? LabelTone::Normal : LabelTone::Greyed;
    setLabelTone(*m_expressLabel, tone);
    setLabelTone(*m_expressUnit, tone);
    m_text[2]->setVisible(checked);
}

void ElevatorParametersForm::decidedLoadToggled(bool checked)
{
    const LabelTone tone = checked ? LabelTone::Normal : LabelTone::Greyed;
    for (QLabel* label : {m_loadLabel, m_countLabel, m_loadUnit, m_countUnit})
        setLabelTone(*label, tone);
    // Check4 keeps its value while hidden; Text2 and its labels follow Check4 alone.
    m_ratedLoad->setVisible(checked);
    m_text[7]->setVisible(checked);
    m_machineRoom->setVisible(checked);
}

void ElevatorParametersForm::machineRoomToggled(bool checked)
{
    const LabelTone tone = checked ? LabelTone::Normal : LabelTone::Background;
    setLabelTone(*m_weightLabel, tone);
    setLabelTone(*m_weightUnit, tone);
    m_finishingWeight->setVisible(checked);
}

QLineEdit* ElevatorParametersForm::textBox(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_text.size()))
        return nullptr;
    return m_text[static_cast<std::size_t>(index)];
}

std::optional<engine::DoorType> ElevatorParametersForm::doorType() const
{
    switch (m_doorGroup.checkedId()) {
    case 0:
        return engine::DoorType::TwoPanelCentre;
    case 1:
        return engine::DoorType::TwoPanelSide;
    case 2:
        return engine::DoorType::FourPanelCentre;
    default:
        return std::nullopt;
    }
}

engine::ElevatorParameters ElevatorParametersForm::elevatorParameters() const
{
    engine::ElevatorParameters p;
    p.travel = m_text[0]->text().toStdString();
    p.floorHeight = m_text[1]->text().toStdString();
    p.expressZoneSet = m_expressZone->isChecked();
    p.expressDistance = m_text[2]->text().toStdString();
    p.doorType = doorType();
    p.doorWidth = m_doorWidth->currentText().toStdString();
    p.advanceOpening = m_advanceOpening->isChecked();
    p.lossPercent = m_text[3]->text().toStdString();
    p.upPercent = m_text[4]->text().toStdString();
    p.downPercent = m_text[5]->text().toStdString();
    p.ratedSpeed = m_speed->currentText().toStdString();
    p.fixedConfiguration = m_decided->isChecked();
    p.ratedLoad = m_ratedLoad->currentText().toStdString();
    p.carCount = m_text[7]->text().toStdString();
    p.machineRoomRequested = m_machineRoom->isChecked();
    p.finishingWeight = m_finishingWeight->text().toStdString();
    return p;
}

void ElevatorParametersForm::enterDecidedConfiguration(const QString& ratedLoad, const QString& cars,
                                                       const QString& speed)
{
    m_decided->setChecked(true);
    m_ratedLoad->setEditText(ratedLoad);
    m_text[7]->setText(cars);
    m_speed->setEditText(speed);
}

namespace {

void setEntry(QComboBox& combo, const std::string& text)
{
    combo.setCurrentIndex(-1);
    combo.setEditText(QString::fromStdString(text));
}

}  // namespace

void ElevatorParametersForm::setElevatorParameters(const engine::ElevatorParameters& p)
{
    const std::array<std::pair<int, const std::string*>, 7> texts{{{0, &p.travel}, {1, &p.floorHeight},
                                                                    {2, &p.expressDistance}, {3, &p.lossPercent},
                                                                    {4, &p.upPercent}, {5, &p.downPercent},
                                                                    {7, &p.carCount}}};
    for (const auto& [index, text] : texts)
        m_text[static_cast<std::size_t>(index)]->setText(QString::fromStdString(*text));
    m_finishingWeight->setText(QString::fromStdString(p.finishingWeight));
    setEntry(*m_doorWidth, p.doorWidth);
    setEntry(*m_speed, p.ratedSpeed);
    setEntry(*m_ratedLoad, p.ratedLoad);
    // The boxes' toggles show and hide their controls as a click would.
    m_expressZone->setChecked(p.expressZoneSet);
    m_advanceOpening->setChecked(p.advanceOpening);
    m_decided->setChecked(p.fixedConfiguration);
    m_machineRoom->setChecked(p.machineRoomRequested);
    m_doorGroup.setExclusive(false);
    for (std::size_t i = 0; i < m_doorOptions.size(); ++i)
        m_doorOptions[i]->setChecked(p.doorType == static_cast<engine::DoorType>(i));
    m_doorGroup.setExclusive(true);
}

void ElevatorParametersForm::clearAndFocusDoorWidth()
{
    m_doorWidth->setCurrentIndex(-1);
    m_doorWidth->clearEditText();
    m_doorWidth->setFocus(Qt::OtherFocusReason);
}

}  // namespace trevalo

#include "results/sizing_form.h"

#include "engine/leading_number.h"
#include "engine/standard_tables.h"

#include "engine/sizing/sizing_text.h"
#include "results/form_style.h"
#include "results/resizable_window.h"
#include "results/sizing_table_model.h"
#include "wizard/elevator_parameters_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace trevalo {

namespace {

constexpr int kEntryWidth = 60;
constexpr int kSpeedColumns = 4;

QLineEdit* makeEntry(const QString& name, QWidget* parent)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setFixedWidth(kEntryWidth);
    return entry;
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

bool sameSpeed(const QString& a, const QString& b)
{
    return engine::leadingNumber(a.toStdString()) == engine::leadingNumber(b.toStdString());
}

}  // namespace

SizingForm::SizingForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Trevalo——电梯选型"));
    results::useFormFont(*this);

    auto* targetsFrame = new QGroupBox(QStringLiteral("设计目标"), this);
    targetsFrame->setObjectName(QStringLiteral("Frame1"));
    buildTargets(new QGridLayout(targetsFrame));

    auto* speedFrame = new QGroupBox(QStringLiteral("试算速度 (M/S)"), this);
    speedFrame->setObjectName(QStringLiteral("Frame2"));
    m_speedGrid = new QGridLayout(speedFrame);
    for (const QString& speed : standardRatedSpeeds())
        addSpeedBox(speed);

    m_runTimeNote = new QLabel(this);
    m_runTimeNote->setObjectName(QStringLiteral("RunTimeNote"));
    m_runTimeNote->setWordWrap(true);
    m_runTimeNote->setForegroundRole(QPalette::PlaceholderText);
    m_runTimeNote->hide();
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Label1"));
    m_summary->setWordWrap(true);
    m_explanation = new QLabel(this);
    m_explanation->setObjectName(QStringLiteral("Label2"));
    m_explanation->setWordWrap(true);

    m_model = new SizingTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Table1"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setMinimumHeight(120);
    results::fitColumnsToRoom(*m_table);

    auto* back = makeButton("Command1", QStringLiteral("上一步"), this);
    m_adopt = makeButton("Command2", QStringLiteral("采用"), this);
    m_adopt->setToolTip(QStringLiteral("以选中的配置填写电梯参数并计算"));
    auto* end = makeButton("Command3", QStringLiteral("结束"), this);
    m_export = makeButton("Command4", QStringLiteral("生成Excel表格"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(targetsFrame, 1);
    top->addWidget(speedFrame, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_adopt);
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(end);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_runTimeNote);
    layout->addWidget(m_summary);
    layout->addWidget(m_explanation);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    // Wide enough for every column of a list that misses the targets, margins included; the
    // list takes whatever room the window is given.
    results::makeResizable(*this, QSize(980, 620));

    for (QLineEdit* entry : {m_hc, m_interval, m_awt, m_maxCars, m_leastCars, m_leastLoad})
        connect(entry, &QLineEdit::textChanged, this, &SizingForm::entriesEdited);
    connect(m_adopt, &QPushButton::clicked, this, &SizingForm::adoptSelected);
    connect(m_table, &QTableView::doubleClicked, this, &SizingForm::adoptSelected);
    connect(back, &QPushButton::clicked, this, &SizingForm::backRequested);
    connect(end, &QPushButton::clicked, this, &SizingForm::endRequested);
    connect(m_export, &QPushButton::clicked, this, &SizingForm::exportRequested);
    showResult(engine::Refusal{});
}

void SizingForm::buildTargets(QGridLayout* grid)
{
    QWidget* frame = grid->parentWidget();
    m_hc = makeEntry(QStringLiteral("Text1_0"), frame);
    m_interval = makeEntry(QStringLiteral("Text1_1"), frame);
    m_awt = makeEntry(QStringLiteral("Text1_2"), frame);
    m_maxCars = makeEntry(QStringLiteral("Text1_3"), frame);
    m_leastCars = makeEntry(QStringLiteral("Text1_4"), frame);
    m_leastLoad = makeEntry(QStringLiteral("Text1_5"), frame);
    m_hcSource = makeLabel({}, frame);
    m_intervalSource = makeLabel({}, frame);
    m_leastCarsSource = makeLabel({}, frame);
    m_leastLoadSource = makeLabel({}, frame);
    const std::array<std::pair<QLabel*, const char*>, 4> sources{{{m_hcSource, "Source1_0"},
                                                                  {m_intervalSource, "Source1_1"},
                                                                  {m_leastCarsSource, "Source1_4"},
                                                                  {m_leastLoadSource, "Source1_5"}}};
    for (const auto& [source, name] : sources) {
        source->setObjectName(QString::fromLatin1(name));
        source->setForegroundRole(QPalette::PlaceholderText);
        // A long source takes a second line rather than being cut.
        source->setWordWrap(true);
    }
    const struct {
        QString caption;
        QLineEdit* entry;
        QString unit;
        QLabel* note;
    } rows[] = {
        {QStringLiteral("5分钟总运载能力 HC ≥"), m_hc, QStringLiteral("%"), m_hcSource},
        {QStringLiteral("间隔 ≤"), m_interval, QStringLiteral("秒"), m_intervalSource},
        {QStringLiteral("平均候梯时间 AWT ≤"), m_awt, QStringLiteral("秒"), makeLabel(QStringLiteral("空：不检查"), frame)},
        {QStringLiteral("最多台数"), m_maxCars, QStringLiteral("台"), makeLabel(QStringLiteral("1～16 台"), frame)},
        {QStringLiteral("最少台数"), m_leastCars, QStringLiteral("台"), m_leastCarsSource},
        {QStringLiteral("最小载重"), m_leastLoad, QStringLiteral("kg"), m_leastLoadSource},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(makeLabel(r.caption, frame), row, 0);
        grid->addWidget(r.entry, row, 1);
        grid->addWidget(makeLabel(r.unit, frame), row, 2);
        grid->addWidget(r.note, row, 3);
        ++row;
    }
    grid->setColumnStretch(3, 1);
}

QCheckBox* SizingForm::addSpeedBox(const QString& text)
{
    const int index = static_cast<int>(m_speeds.size());
    auto* box = new QCheckBox(text, m_speedGrid->parentWidget());
    box->setObjectName(QStringLiteral("Check1_%1").arg(index));
    m_speedGrid->addWidget(box, index / kSpeedColumns, index % kSpeedColumns);
    m_speeds.push_back(box);
    connect(box, &QCheckBox::toggled, this, &SizingForm::entriesEdited);
    return box;
}

void SizingForm::setSearch(Search search) { m_search = std::move(search); }

void SizingForm::setBuildingType(engine::BuildingType type, const engine::SizingMinimums& minimums)
{
    m_type = type;
    m_minimums = minimums;
    showSources();
}

// The sources follow the entries as they are typed.
void SizingForm::showSources()
{
    if (!m_type)
        return;
    const engine::SizingSources sources = engine::sizingSources(*m_type, entries(), m_minimums);
    m_hcSource->setText(QString::fromStdString(sources.hcPercent));
    m_intervalSource->setText(QString::fromStdString(sources.interval));
    m_leastCarsSource->setText(QString::fromStdString(sources.leastCars));
    m_leastLoadSource->setText(QString::fromStdString(sources.leastLoad));
}

void SizingForm::setEntries(const engine::SizingEntries& entries)
{
    m_setting = true;
    m_hc->setText(QString::fromStdString(entries.hcPercent));
    m_interval->setText(QString::fromStdString(entries.interval));
    m_awt->setText(QString::fromStdString(entries.awt));
    m_maxCars->setText(QString::fromStdString(entries.maxCars));
    m_leastCars->setText(QString::fromStdString(entries.leastCars));
    m_leastLoad->setText(QString::fromStdString(entries.leastLoad));
    for (QCheckBox* box : m_speeds)
        box->setChecked(false);
    for (const std::string& typed : entries.speeds) {
        const QString speed = QString::fromStdString(typed);
        QCheckBox* box = nullptr;
        for (QCheckBox* candidate : m_speeds)
            if (sameSpeed(candidate->text(), speed))
                box = candidate;
        (box != nullptr ? box : addSpeedBox(speed))->setChecked(true);
    }
    m_setting = false;
    refresh();
}

engine::SizingEntries SizingForm::entries() const
{
    engine::SizingEntries entries;
    entries.hcPercent = m_hc->text().toStdString();
    entries.interval = m_interval->text().toStdString();
    entries.awt = m_awt->text().toStdString();
    entries.maxCars = m_maxCars->text().toStdString();
    entries.leastCars = m_leastCars->text().toStdString();
    entries.leastLoad = m_leastLoad->text().toStdString();
    for (const QCheckBox* box : m_speeds)
        if (box->isChecked())
            entries.speeds.push_back(box->text().toStdString());
    return entries;
}

void SizingForm::refresh()
{
    showSources();
    if (m_search)
        showResult(m_search(entries()));
}

void SizingForm::entriesEdited()
{
    if (!m_setting)
        refresh();
}

void SizingForm::showResult(const engine::SizingResult& result)
{
    const auto* outcome = std::get_if<engine::SizingOutcome>(&result);
    m_outcome = outcome != nullptr ? std::optional(*outcome) : std::nullopt;
    const bool office = engine::isOfficeType(m_type.value_or(engine::BuildingType::Residential));
    m_model->setOutcome(m_outcome ? &*m_outcome : nullptr, office);
    if (m_outcome) {
        m_summary->setText(QString::fromStdString(engine::sizingSummary(*m_outcome)));
        const std::string why = engine::firstRowExplanation(*m_outcome);
        m_explanation->setText(QString::fromStdString(why));
        m_explanation->setVisible(!why.empty());
        m_table->selectRow(0);
        const std::string runTime = engine::fireLiftSpeedNote(*m_outcome);
        m_runTimeNote->setText(QString::fromStdString(runTime));
        m_runTimeNote->setVisible(!runTime.empty());
    } else {
        const auto* refusal = std::get_if<engine::Refusal>(&result);
        m_summary->setText(refusal != nullptr && !refusal->reason.empty()
                               ? QStringLiteral("输入数据有误！") + QString::fromStdString(refusal->reason)
                               : QStringLiteral("输入数据有误！HC 与间隔须大于 0，AWT 空或大于 0，最多台数为 1～16 台，"
                                                "并至少选择一种速度。"));
        m_explanation->hide();
        m_runTimeNote->hide();
    }
    m_adopt->setEnabled(m_outcome.has_value());
    m_export->setEnabled(m_outcome.has_value());
}

const engine::SizingCandidate* SizingForm::selectedCandidate() const
{
    const QModelIndex current = m_table->currentIndex();
    return m_model->candidate(current.isValid() ? current.row() : 0);
}

void SizingForm::adoptSelected()
{
    if (const engine::SizingCandidate* candidate = selectedCandidate())
        emit adoptRequested(*candidate);
}

}  // namespace trevalo

#include "results/simulation_form.h"

#include "engine/display_text.h"
#include "engine/simulation/simulated_figures.h"
#include "engine/sizing/sizing_text.h"
#include "engine/target_verdict.h"
#include "results/floor_wait_chart.h"
#include "results/form_style.h"
#include "results/kind_figures_table.h"
#include "results/resizable_window.h"
#include "results/shown_numbers.h"
#include "results/traffic_choice.h"
#include "results/wait_histogram.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace trevalo {

namespace {

QString number(const std::optional<double>& value, int decimals)
{
    return value ? shownFigure(*value, decimals) : QStringLiteral("—");
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLabel* makeCell(const QString& text, QWidget* parent, bool caption)
{
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!caption)
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// "平均候梯时间 33.5 秒，目标 ≤ 25 秒：不满足（不足 −8.5 秒）", the margin on the shown figures.
QString waitVerdict(const QString& caption, double value, double target)
{
    const double shown = std::round(value * 10) / 10;
    return QStringLiteral("%1 %2 秒，目标 ≤ %3 秒：%4（%5）")
        .arg(caption, shownFigure(shown, 1), QString::fromStdString(engine::figureText(target)),
             QString::fromUtf8(engine::verdictText(value <= target)),
             QString::fromStdString(engine::marginText(std::round((target - shown) * 10) / 10, "秒")));
}

}  // namespace

SimulationForm::SimulationForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Trevalo——交通仿真"));
    results::useFormFont(*this);

    auto* entriesFrame = new QGroupBox(QStringLiteral("仿真参数"), this);
    entriesFrame->setObjectName(QStringLiteral("Frame1"));
    auto* entryGrid = new QGridLayout(entriesFrame);
    entryGrid->setVerticalSpacing(4);
    const auto makeEntry = [entriesFrame](const QString& name) {
        auto* entry = new QLineEdit(entriesFrame);
        entry->setObjectName(name);
        entry->setFixedWidth(70);
        return entry;
    };
    const auto addRow = [entryGrid, entriesFrame](const QString& caption, QLineEdit* entry, const QString& unit) {
        const int row = entryGrid->rowCount();
        entryGrid->addWidget(new QLabel(caption, entriesFrame), row, 0);
        entryGrid->addWidget(entry, row, 1);
        entryGrid->addWidget(new QLabel(unit, entriesFrame), row, 2);
    };
    m_traffic = new QComboBox(entriesFrame);
    m_traffic->setObjectName(QStringLiteral("Combo1"));
    auto* source = new QLabel(entriesFrame);
    source->setObjectName(QStringLiteral("Source1"));
    source->setForegroundRole(QPalette::PlaceholderText);
    source->setWordWrap(true);
    entryGrid->addWidget(new QLabel(QStringLiteral("交通模式"), entriesFrame), 0, 0);
    entryGrid->addWidget(m_traffic, 0, 1, 1, 2);
    entryGrid->addWidget(source, 1, 1, 1, 2);

    for (int i = 0; i < kEntryCount; ++i)
        m_entries[static_cast<std::size_t>(i)] = makeEntry(QStringLiteral("Text1_%1").arg(i));
    for (std::size_t i = 0; i < m_trafficEntries.size(); ++i)
        m_trafficEntries[i] = makeEntry(QStringLiteral("Text1_%1").arg(i + 6));
    const auto addTableRow = [&](engine::SimulationEntry entry) {
        const engine::SimulationEntryRow& row = engine::simulationEntryRow(entry);
        QLineEdit* line = m_entries[static_cast<std::size_t>(entry)];
        // The default an empty entry takes; the demand's is the project's, set when known.
        line->setPlaceholderText(row.fallback ? shownNumber(*row.fallback) : QString());
        addRow(QString::fromUtf8(row.caption), line, QString::fromUtf8(row.unit));
    };
    addTableRow(engine::SimulationEntry::Demand);
    addRow(QStringLiteral("进入客流"), m_trafficEntries[0], QStringLiteral("%（到达首层、去往各层）"));
    addRow(QStringLiteral("离开客流"), m_trafficEntries[1], QStringLiteral("%（从各层去往首层）"));
    addRow(QStringLiteral("层间客流"), m_trafficEntries[2], QStringLiteral("%（各层之间）"));
    addRow(QStringLiteral("候梯时间目标"), m_trafficEntries[3], QStringLiteral("秒（平均候梯时间）"));
    for (engine::SimulationEntry entry : {engine::SimulationEntry::Minutes, engine::SimulationEntry::LoadingLimit,
                                          engine::SimulationEntry::Dwell, engine::SimulationEntry::Replications,
                                          engine::SimulationEntry::Seed})
        addTableRow(entry);
    m_entries[static_cast<std::size_t>(engine::SimulationEntry::Dwell)]->setToolTip(
        QStringLiteral("首位乘客上车后车门保持开启的时间；候梯时间至乘客开始上车为止"));
    m_trafficChoice = new TrafficChoice(*m_traffic, *source,
                                        {m_entries[0], m_trafficEntries[0], m_trafficEntries[1], m_trafficEntries[2],
                                         m_trafficEntries[3]});

    m_passengerCount = new QLabel(entriesFrame);
    m_passengerCount->setObjectName(QStringLiteral("PassengerList"));
    m_passengerCount->setWordWrap(true);
    m_import = makeButton("Command5", QStringLiteral("导入客流…"), entriesFrame);
    m_import->setToolTip(QStringLiteral("读取 CSV 文件：每行为到达时间（秒）和目的楼层，或到达时间、出发楼层和目的楼层，"
                                        "逗号分隔，可有标题行。楼层 1 为首层以上第一个停靠层，三列时 0 为首层"));
    m_clearPassengers = makeButton("Command6", QStringLiteral("清除客流"), entriesFrame);
    auto* passengerRow = new QHBoxLayout;
    passengerRow->addWidget(m_passengerCount, 1);
    passengerRow->addWidget(m_import);
    passengerRow->addWidget(m_clearPassengers);
    entryGrid->addLayout(passengerRow, entryGrid->rowCount(), 0, 1, 3);

    m_histogram = new WaitHistogram(this);
    m_floorChart = new FloorWaitChart(this);
    auto* charts = new QVBoxLayout;
    charts->addWidget(m_histogram, 1);
    charts->addWidget(m_floorChart, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(entriesFrame, 0, Qt::AlignTop);
    top->addLayout(charts, 1);

    m_start = makeButton("Command1", QStringLiteral("开始仿真"), this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->hide();
    m_cancel = makeButton("Command2", QStringLiteral("取消"), this);
    m_cancel->hide();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_start);
    runRow->addWidget(m_progress, 1);
    runRow->addWidget(m_cancel);
    runRow->addWidget(m_status, 1);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("#Note { color: #c62828; }"));
    m_note->hide();

    auto* figuresFrame = new QGroupBox(QStringLiteral("仿真结果与计算结果"), this);
    figuresFrame->setObjectName(QStringLiteral("Frame2"));
    auto* figureGrid = new QGridLayout;
    figureGrid->setVerticalSpacing(2);
    figureGrid->addWidget(makeCell(QStringLiteral("仿真"), figuresFrame, false), 0, 1);
    figureGrid->addWidget(makeCell(QStringLiteral("计算（上行高峰）"), figuresFrame, false), 0, 2);
    for (const engine::SimulatedFigure& figure : engine::simulatedFigures()) {
        if (figure.role == engine::FigureRole::HalfWidth)
            continue;
        const std::size_t i = m_figures.size();
        std::array<QLabel*, 3> row{makeCell(QString::fromStdString(engine::figureCaption(figure)), figuresFrame, true),
                                   makeCell(QString(), figuresFrame, false), makeCell(QString(), figuresFrame, false)};
        for (int column = 0; column < 3; ++column) {
            row[static_cast<std::size_t>(column)]->setObjectName(QStringLiteral("Figure%1_%2").arg(i).arg(column));
            figureGrid->addWidget(row[static_cast<std::size_t>(column)], static_cast<int>(i) + 1, column);
        }
        m_figures.push_back(row);
    }
    figureGrid->setColumnMinimumWidth(1, 110);
    figureGrid->setColumnMinimumWidth(2, 80);
    auto* waitNote = new QLabel(QStringLiteral("候梯时间自乘客到达起，至开始上车止。"), figuresFrame);
    waitNote->setForegroundRole(QPalette::PlaceholderText);
    figureGrid->addWidget(waitNote, figureGrid->rowCount(), 0, 1, 3);
    m_kindTable = new KindFiguresTable(figuresFrame);
    auto* figuresRow = new QHBoxLayout(figuresFrame);
    figuresRow->addLayout(figureGrid);
    figuresRow->addWidget(m_kindTable, 0, Qt::AlignTop);
    figuresRow->addStretch(1);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("Verdict"));
    m_verdict->setWordWrap(true);

    auto* back = makeButton("Command3", QStringLiteral("上一步"), this);
    m_export = makeButton("Command4", QStringLiteral("生成Excel表格"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(m_export);

    // The note, the figures and the verdict scroll when a small screen leaves them too little
    // room, so the form never grows past the screen and its buttons stay in reach.
    auto* results = new QWidget;
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->addWidget(m_note);
    resultsLayout->addWidget(figuresFrame);
    resultsLayout->addWidget(m_verdict);
    auto* resultsArea = new QScrollArea(this);
    resultsArea->setObjectName(QStringLiteral("ResultsArea"));
    resultsArea->setFrameShape(QFrame::NoFrame);
    resultsArea->setWidgetResizable(true);
    resultsArea->setWidget(results);
    // Room a larger window gives goes to the charts; the figures need no more than their lines.
    resultsArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

    auto* layout = new QVBoxLayout(this);
    // The charts take the room a larger window gives; the figures keep their lines.
    layout->addLayout(top, 1);
    layout->addLayout(runRow);
    layout->addWidget(resultsArea);
    layout->addLayout(buttons);
    results::makeResizable(*this, QSize(860, 900));

    connect(m_start, &QPushButton::clicked, this, &SimulationForm::startRequested);
    connect(m_cancel, &QPushButton::clicked, this, &SimulationForm::cancelRequested);
    connect(m_import, &QPushButton::clicked, this, &SimulationForm::importRequested);
    connect(m_clearPassengers, &QPushButton::clicked, this, [this] {
        setPassengers({});
        emit passengersChanged();
    });
    connect(back, &QPushButton::clicked, this, &SimulationForm::backRequested);
    connect(m_export, &QPushButton::clicked, this, &SimulationForm::exportRequested);
    showPassengerCount();
    clearSummary();
}

void SimulationForm::setEntries(const engine::SimulationEntries& entries)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->setText(QString::fromStdString(entries.*engine::simulationEntryRows()[i].text));
    const std::array<const std::string*, 4> traffic{&entries.incomingPercent, &entries.outgoingPercent,
                                                    &entries.interfloorPercent, &entries.awtTarget};
    for (std::size_t i = 0; i < traffic.size(); ++i)
        m_trafficEntries[i]->setText(QString::fromStdString(*traffic[i]));
    m_trafficChoice->setTraffic(entries.traffic);
    setPassengers(entries.passengers);
}

engine::SimulationEntries SimulationForm::entries() const
{
    engine::SimulationEntries entries;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        entries.*engine::simulationEntryRows()[i].text = m_entries[i]->text().trimmed().toStdString();
    entries.incomingPercent = m_trafficEntries[0]->text().trimmed().toStdString();
    entries.outgoingPercent = m_trafficEntries[1]->text().trimmed().toStdString();
    entries.interfloorPercent = m_trafficEntries[2]->text().trimmed().toStdString();
    entries.awtTarget = m_trafficEntries[3]->text().trimmed().toStdString();
    entries.traffic = m_trafficChoice->traffic();
    entries.passengers = m_passengers;
    return entries;
}

void SimulationForm::setPassengers(std::vector<engine::PassengerEntry> passengers)
{
    m_passengers = std::move(passengers);
    showPassengerCount();
    enableEntries();
}

void SimulationForm::showPassengerCount()
{
    m_passengerCount->setText(m_passengers.empty()
                                  ? QStringLiteral("客流：按客流需求随机到达")
                                  : QStringLiteral("客流：导入的 %1 位乘客（仿真一次）").arg(m_passengers.size()));
    m_clearPassengers->setEnabled(!m_passengers.empty() && !m_running);
}

// A passenger list is simulated once as it is: the demand, length, replications and seed of the
// random arrivals do not apply to it.
void SimulationForm::enableEntries()
{
    const bool random = m_passengers.empty();
    for (engine::SimulationEntry entry : {engine::SimulationEntry::Demand, engine::SimulationEntry::Minutes,
                                          engine::SimulationEntry::Replications, engine::SimulationEntry::Seed})
        m_entries[static_cast<std::size_t>(entry)]->setEnabled(random);
}

void SimulationForm::setProjectTargets(double hcPercent, std::optional<double> awt, const QString& source)
{
    m_trafficChoice->setProjectTargets(hcPercent, awt, source);
}

void SimulationForm::setRunning(bool running)
{
    m_running = running;
    for (QLineEdit* entry : m_entries)
        entry->setReadOnly(running);
    for (QLineEdit* entry : m_trafficEntries)
        entry->setReadOnly(running);
    m_traffic->setEnabled(!running);
    m_start->setEnabled(!running);
    m_import->setEnabled(!running);
    m_export->setEnabled(!running && !m_figures[0][1]->text().isEmpty());
    m_cancel->setVisible(running);
    m_progress->setVisible(false);
    m_status->setText(running ? QStringLiteral("正在仿真…") : m_status->text());
    showPassengerCount();
}

void SimulationForm::showProgress(int done, int total)
{
    if (!m_running)
        return;
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->setFormat(QStringLiteral("%1 / %2 次").arg(done).arg(total));
    m_progress->show();
    m_status->clear();
}

void SimulationForm::showSummary(const engine::SimulationSummary& s, const engine::SingleResult& calculated,
                                 std::optional<double> awtTarget, const QString& note)
{
    std::size_t row = 0;
    std::optional<double> above;
    for (const engine::SimulatedFigure& figure : engine::simulatedFigures()) {
        const std::optional<double> value = engine::simulatedValue(figure, s);
        if (figure.role == engine::FigureRole::HalfWidth) {
            if (above && value)
                m_figures[row - 1][1]->setText(m_figures[row - 1][1]->text() + QStringLiteral(" ± ") +
                                               number(value, figure.decimals));
            continue;
        }
        m_figures[row][1]->setText(number(value, figure.decimals));
        m_figures[row][2]->setText(figure.calculated != nullptr
                                       ? number(engine::calculatedValue(figure, calculated), figure.decimals)
                                       : QString());
        above = value;
        ++row;
    }
    m_histogram->setCounts(s.histogram);
    m_floorChart->setFloors(s.perFloor);
    m_kindTable->setFigures(s.byKind);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    bool met = true;
    QStringList lines;
    if (awtTarget) {
        const std::array<std::pair<QString, std::optional<double>>, 2> judged{
            {{QStringLiteral("平均候梯时间"), s.awt}, {QStringLiteral("最不利5分钟平均候梯时间"), s.worstAwt}}};
        for (const auto& [caption, value] : judged) {
            if (!value)
                continue;
            lines << waitVerdict(caption, *value, *awtTarget);
            met = met && *value <= *awtTarget;
        }
    }
    m_verdict->setText(lines.join(QLatin1Char('\n')));
    m_verdict->setStyleSheet(!met ? QStringLiteral("#Verdict { color: #c62828; }") : QString());
    m_status->setText(QStringLiteral("仿真完成：%1 次，%2 位乘客").arg(s.replications).arg(s.passengers));
    m_export->setEnabled(!m_running);
}

void SimulationForm::clearSummary(const QString& status)
{
    for (const auto& row : m_figures) {
        row[1]->clear();
        row[2]->clear();
    }
    m_histogram->setCounts({});
    m_floorChart->setFloors({});
    m_kindTable->clear();
    m_note->clear();
    m_note->hide();
    m_verdict->clear();
    m_status->setText(status);
    m_export->setEnabled(false);
}

QString SimulationForm::figureText(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(m_figures.size()) || column < 0 || column > 2)
        return {};
    return m_figures[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]->text();
}

QString SimulationForm::verdictText() const { return m_verdict->text(); }

QString SimulationForm::statusText() const { return m_status->text(); }

QString SimulationForm::noteText() const { return m_note->text(); }

}  // namespace trevalo

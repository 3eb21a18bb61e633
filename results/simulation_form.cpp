#include "results/simulation_form.h"

#include "engine/simulated_figures.h"
#include "results/form_style.h"
#include "results/resizable_window.h"
#include "results/wait_histogram.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace trevalo {

namespace {

QString number(const std::optional<double>& value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("—");
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

}  // namespace

SimulationForm::SimulationForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Trevalo——交通仿真"));
    results::useFormFont(*this);

    auto* entriesFrame = new QGroupBox(QStringLiteral("仿真参数"), this);
    entriesFrame->setObjectName(QStringLiteral("Frame1"));
    auto* entryGrid = new QGridLayout(entriesFrame);
    for (int i = 0; i < kEntryCount; ++i) {
        const engine::SimulationEntryRow& row = engine::simulationEntryRows()[static_cast<std::size_t>(i)];
        auto* entry = new QLineEdit(entriesFrame);
        entry->setObjectName(QStringLiteral("Text1_%1").arg(i));
        entry->setFixedWidth(70);
        // The default an empty entry takes; the demand's is the project's, set when known.
        entry->setPlaceholderText(row.fallback ? QString::number(*row.fallback) : QString());
        entryGrid->addWidget(new QLabel(QString::fromUtf8(row.caption), entriesFrame), i, 0);
        entryGrid->addWidget(entry, i, 1);
        entryGrid->addWidget(new QLabel(QString::fromUtf8(row.unit), entriesFrame), i, 2);
        m_entries[static_cast<std::size_t>(i)] = entry;
    }
    m_passengerCount = new QLabel(entriesFrame);
    m_passengerCount->setObjectName(QStringLiteral("PassengerList"));
    m_import = makeButton("Command5", QStringLiteral("导入客流…"), entriesFrame);
    m_import->setToolTip(QStringLiteral("读取 CSV 文件：每行为到达时间（秒）和目的楼层，逗号分隔，可有标题行"));
    m_clearPassengers = makeButton("Command6", QStringLiteral("清除客流"), entriesFrame);
    auto* passengerRow = new QHBoxLayout;
    passengerRow->addWidget(m_passengerCount, 1);
    passengerRow->addWidget(m_import);
    passengerRow->addWidget(m_clearPassengers);
    entryGrid->addLayout(passengerRow, kEntryCount, 0, 1, 3);

    m_histogram = new WaitHistogram(this);
    auto* top = new QHBoxLayout;
    top->addWidget(entriesFrame, 0, Qt::AlignTop);
    top->addWidget(m_histogram, 1);

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

    auto* figuresFrame = new QGroupBox(QStringLiteral("仿真结果与计算结果"), this);
    figuresFrame->setObjectName(QStringLiteral("Frame2"));
    auto* figureGrid = new QGridLayout(figuresFrame);
    figureGrid->setVerticalSpacing(2);
    figureGrid->addWidget(makeCell(QStringLiteral("仿真"), figuresFrame, false), 0, 1);
    figureGrid->addWidget(makeCell(QStringLiteral("计算"), figuresFrame, false), 0, 2);
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
    figureGrid->setColumnStretch(0, 1);
    figureGrid->setColumnMinimumWidth(1, 110);
    figureGrid->setColumnMinimumWidth(2, 80);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("Verdict"));

    auto* back = makeButton("Command3", QStringLiteral("上一步"), this);
    m_export = makeButton("Command4", QStringLiteral("生成Excel表格"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(m_export);

    auto* layout = new QVBoxLayout(this);
    // The chart takes the room a larger window gives; the figures keep their lines.
    layout->addLayout(top, 1);
    layout->addLayout(runRow);
    layout->addWidget(figuresFrame);
    layout->addWidget(m_verdict);
    layout->addLayout(buttons);
    results::makeResizable(*this, QSize(760, 660));

    connect(m_start, &QPushButton::clicked, this, &SimulationForm::startRequested);
    connect(m_cancel, &QPushButton::clicked, this, &SimulationForm::cancelRequested);
    connect(m_import, &QPushButton::clicked, this, &SimulationForm::importRequested);
    connect(m_clearPassengers, &QPushButton::clicked, this, [this] { setPassengers({}); });
    connect(back, &QPushButton::clicked, this, &SimulationForm::backRequested);
    connect(m_export, &QPushButton::clicked, this, &SimulationForm::exportRequested);
    showPassengerCount();
    clearSummary();
}

void SimulationForm::setEntries(const engine::SimulationEntries& entries)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->setText(QString::fromStdString(entries.*engine::simulationEntryRows()[i].text));
    setPassengers(entries.passengers);
}

engine::SimulationEntries SimulationForm::entries() const
{
    engine::SimulationEntries entries;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        entries.*engine::simulationEntryRows()[i].text = m_entries[i]->text().trimmed().toStdString();
    entries.passengers = m_passengers;
    return entries;
}

void SimulationForm::setPassengers(std::vector<engine::PassengerEntry> passengers)
{
    m_passengers = std::move(passengers);
    showPassengerCount();
}

void SimulationForm::showPassengerCount()
{
    m_passengerCount->setText(m_passengers.empty()
                                  ? QStringLiteral("客流：按客流需求随机到达")
                                  : QStringLiteral("客流：导入的 %1 位乘客（仿真一次）").arg(m_passengers.size()));
    m_clearPassengers->setEnabled(!m_passengers.empty() && !m_running);
}

void SimulationForm::setDefaultDemand(double percent)
{
    m_entries[0]->setPlaceholderText(QString::number(percent));
}

void SimulationForm::setRunning(bool running)
{
    m_running = running;
    for (QLineEdit* entry : m_entries)
        entry->setReadOnly(running);
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
                                 const std::optional<AwtVerdict>& verdict)
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
    m_verdict->setText(verdict ? QStringLiteral("平均候梯时间目标 ≤ %1 秒：%2")
                                     .arg(QString::number(verdict->target),
                                          verdict->met ? QStringLiteral("满足") : QStringLiteral("不满足"))
                               : QString());
    m_verdict->setStyleSheet(verdict && !verdict->met ? QStringLiteral("#Verdict { color: #c62828; }") : QString());
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

}  // namespace trevalo

#include "results/simulation_form.h"

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

struct EntryRow {
    const char* caption;
    const char* unit;
    const char* placeholder;  // the default the engine takes for an empty entry
};

constexpr std::array<EntryRow, SimulationForm::kEntryCount> kEntryRows{{
    {"客流需求", "%（5分钟内到达人数占总人数）", ""},
    {"仿真时长", "分钟", "60"},
    {"装载上限", "%（额定人数）", "80"},
    {"停留时间", "秒（首位乘客上车后开门）", "10"},
    {"重复次数", "次", "10"},
    {"随机种子", "（整数）", "1"},
}};

constexpr std::array<const char*, 13> kFigureCaptions{
    "平均候梯时间 AWT (秒)", "候梯时间中位数 P50 (秒)", "候梯时间 P90 (秒)", "候梯时间 P95 (秒)",
    "最长候梯时间 (秒)", "平均到达目的层时间 ATTD (秒)", "平均载客 (人)", "平均发车间隔 HS (秒)",
    "平均往返时间 RTT (秒)", "5分钟内运载人数 HC (人)", "5分钟内运载人数百分比 HC (%)", "最长排队 (人)",
    "统计乘客 (人)",
};

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
        const EntryRow& row = kEntryRows[static_cast<std::size_t>(i)];
        auto* entry = new QLineEdit(entriesFrame);
        entry->setObjectName(QStringLiteral("Text1_%1").arg(i));
        entry->setFixedWidth(70);
        entry->setPlaceholderText(QString::fromUtf8(row.placeholder));
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
    for (std::size_t i = 0; i < kFigureCaptions.size(); ++i) {
        std::array<QLabel*, 3> row{makeCell(QString::fromUtf8(kFigureCaptions[i]), figuresFrame, true),
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
    const std::array<const std::string*, kEntryCount> texts{&entries.demandPercent, &entries.minutes,
                                                            &entries.loadingLimit,  &entries.dwell,
                                                            &entries.replications,  &entries.seed};
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_entries[i]->setText(QString::fromStdString(*texts[i]));
    setPassengers(entries.passengers);
}

engine::SimulationEntries SimulationForm::entries() const
{
    const auto text = [this](int i) { return m_entries[static_cast<std::size_t>(i)]->text().trimmed().toStdString(); };
    return {text(0), text(1), text(2), text(3), text(4), text(5), m_passengers};
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

void SimulationForm::showSummary(const engine::SimulationSummary& s, const CalculatedFigures& calculated,
                                 const std::optional<AwtVerdict>& verdict)
{
    const QString awt = s.awt && s.awtHalfWidth ? QStringLiteral("%1 ± %2").arg(number(s.awt, 1), number(s.awtHalfWidth, 1))
                                                : number(s.awt, 1);
    const std::array<QString, 13> simulated{
        awt, number(s.p50, 1), number(s.p90, 1), number(s.p95, 1), number(s.maxWait, 1), number(s.attd, 1),
        number(s.averageLoad, 2), number(s.interval, 1), number(s.rtt, 1), number(s.handlingCapacity, 1),
        number(s.hcPercent, 2), number(s.maxQueue, 1), QString::number(s.passengers)};
    for (std::size_t i = 0; i < simulated.size(); ++i) {
        m_figures[i][1]->setText(simulated[i]);
        m_figures[i][2]->clear();
    }
    m_figures[0][2]->setText(number(calculated.awt, 1));
    m_figures[7][2]->setText(number(calculated.interval, 1));
    m_figures[8][2]->setText(number(calculated.rtt, 1));
    m_figures[10][2]->setText(number(calculated.hcPercent, 2));
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

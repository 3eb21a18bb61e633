#include "results/single_result_form.h"

#include "results/caption_label.h"
#include "results/form_style.h"
#include "results/shown_numbers.h"
#include "wizard/twips.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace trevalo {

using results::CaptionLabel;

namespace {

// The designed 4320 twips, and a row below the buttons for saving the project.
constexpr int kWidthTwips = 5760;
constexpr int kDesignedHeightTwips = 4320 + results::kSaveRowTwips;
// A line below the save row names the configuration the figures belong to.
constexpr int kConfigurationTwips = 300;
constexpr int kHeightTwips = kDesignedHeightTwips + kConfigurationTwips;
constexpr int kCaptionLeft = 600;
constexpr int kValueLeft = 4200;
constexpr int kLineHeight = 210;
constexpr int kButtonTop = 3720;
constexpr int kButtonHeight = 375;

// The value label Label7(i) stands on line kValueLine[i]: the structural load (index 6) is
// drawn on the bottom line, below pit depth and headroom (indexes 7 and 8).
constexpr std::array<int, SingleResultForm::kValueCount> kValueLine{0, 1, 2, 3, 4, 5, 8, 6, 7};
// Label6(i) stands on kLabel6Line[i], beside the value it names.
constexpr std::array<int, 4> kLabel6Line{5, 8, 6, 7};

constexpr int lineTop(int line) { return 360 + 360 * line; }

QString figure(double value) { return shownFigure(value, 3); }

// Each value label's formula with the engine's numbers that went into it; the form only
// writes them out.
std::array<QString, SingleResultForm::kValueCount> figureTooltips(const engine::SingleResult& result)
{
    const engine::CalculationSteps& steps = result.steps;
    const engine::CaseResult& figures = result.figures;
    const QString rtt = figure(figures.roundTripTime);
    const QString cars = QString::number(figures.cars);
    const QString population = figure(steps.population);
    const QString speed = shownNumber(steps.ratedSpeed);
    return {
        QStringLiteral("RTT = 飞行时间 + 开关门时间 + 乘客出入时间 + 损失时间 = %1 + %2 + %3 + %4 = %5 秒")
            .arg(figure(steps.flightTime), figure(steps.doorTimeTotal), figure(steps.transferTime),
                 figure(steps.lossTime), rtt),
        QStringLiteral("HS = RTT / L（电梯数量）= %1 / %2 = %3 秒").arg(rtt, cars, figure(figures.interval)),
        QStringLiteral("HC(P) = 300 × P / RTT（P：每趟乘客数）= 300 × %1 / %2 = %3 人")
            .arg(figure(steps.totalPassengers), rtt, figure(figures.handlingCapacity)),
        QStringLiteral("HC(T) = L × HC(P) = %1 × %2 = %3 人")
            .arg(cars, figure(figures.handlingCapacity), figure(figures.groupCapacity)),
        QStringLiteral("HC(P)% = 100 × HC(P) / U（总人数）= 100 × %1 / %2 = %3 %")
            .arg(figure(figures.handlingCapacity), population, figure(figures.handlingPercent)),
        QStringLiteral("HC(T)% = 100 × HC(T) / U（总人数）= 100 × %1 / %2 = %3 %")
            .arg(figure(figures.groupCapacity), population, figure(figures.groupPercent)),
        QStringLiteral("电梯机房的结构荷载：由额定载重、装修重量、电梯总行程和钢丝绳数（%1 根）决定")
            .arg(result.machineRoom.ropeCount),
        QStringLiteral("井深：按额定速度 %1 M/S 查表").arg(speed),
        QStringLiteral("井顶缓冲高度：按额定速度 %1 M/S 查表").arg(speed),
    };
}

const QColor kCaptionColour(192, 255, 192);
// A caption whose figure misses its target.
const QColor kMissedColour(255, 204, 204);

void setBackground(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, colour);
    label.setPalette(palette);
}

void styleCaption(CaptionLabel& label)
{
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(label, kCaptionColour);
    label.setAutoFillBackground(true);
    label.setForegroundRole(QPalette::Text);
}

void styleValue(CaptionLabel& label)
{
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setBackgroundRole(QPalette::Base);
    label.setAutoFillBackground(true);
    label.setForegroundRole(QPalette::Text);
}

CaptionLabel* makeCaption(QWidget* form, const QString& name, int line, const QString& caption)
{
    auto* label = new CaptionLabel(name, twipsToPixels(kLineHeight), form);
    styleCaption(*label);
    label->move(pointAt(kCaptionLeft, lineTop(line)));
    label->setCaption(caption);
    return label;
}

QPushButton* makeButton(QWidget* form, const char* name, const QString& caption, int left, int width)
{
    return results::makeResultButton(*form, name, caption, left, kButtonTop, width, kButtonHeight);
}

}  // namespace

SingleResultForm::SingleResultForm(QWidget* parent) : QWidget(parent)
{
    results::setUpResultWindow(*this, "Form5", kWidthTwips, kHeightTwips);
    m_notes = results::makeNotesLine(*this, kWidthTwips, kHeightTwips);

    const std::array<QString, 5> captionTexts{
        QStringLiteral(" 总行程时间 (秒) RTT "),
        QStringLiteral(" 最长侯机时间 (秒) HS "),
        QStringLiteral(" 5分钟内单机运载人数 HC (P) "),
        QStringLiteral(" 5分钟内总运载人数 HC (T) "),
        QStringLiteral(" 5分钟内单机运载人数百分比 HC (P) % "),
    };
    for (int i = 0; i < 5; ++i) {
        CaptionLabel* caption =
            makeCaption(this, QStringLiteral("Label%1").arg(i + 1), i, captionTexts[static_cast<std::size_t>(i)]);
        if (i == 1)
            m_intervalCaption = caption;
    }

    const std::array<QString, 4> label6Texts{
        QStringLiteral(" 5分钟内总运载人数百分比 HC (T) % "),
        QStringLiteral(" 电梯机房的结构荷载 kg "),
        QStringLiteral(" 井深 m "),
        QStringLiteral(" 井顶缓冲高度 m "),
    };
    for (std::size_t i = 0; i < m_label6.size(); ++i)
        m_label6[i] = makeCaption(this, QStringLiteral("Label6_%1").arg(i), kLabel6Line[i], label6Texts[i]);

    for (std::size_t i = 0; i < m_values.size(); ++i) {
        auto* value = new CaptionLabel(QStringLiteral("Label7_%1").arg(i), twipsToPixels(kLineHeight), this);
        styleValue(*value);
        value->move(pointAt(kValueLeft, lineTop(kValueLine[i])));
        value->setCaption(QString());
        m_values[i] = value;
    }

    for (std::size_t i = 0; i < m_verdictMarks.size(); ++i) {
        m_verdictMarks[i] = makeCaption(this, i == 0 ? QStringLiteral("VerdictHS") : QStringLiteral("VerdictHCT"),
                                        i == 0 ? 1 : 5, QString());
        m_verdictMarks[i]->hide();
    }

    // Created in tab order, left to right.
    QPushButton* back = makeButton(this, "Command1", QStringLiteral("上一步"), 360, 975);
    QPushButton* recalculate = makeButton(this, "Command2", QStringLiteral("重新计算"), 1560, 975);
    QPushButton* end = makeButton(this, "Command3", QStringLiteral("结束"), 2760, 975);
    QPushButton* exportButton = makeButton(this, "Command4", QStringLiteral("生成Excel表格"), 3960, 1335);
    connect(back, &QPushButton::clicked, this, &SingleResultForm::backRequested);
    connect(recalculate, &QPushButton::clicked, this, &SingleResultForm::recalculateRequested);
    connect(end, &QPushButton::clicked, this, &SingleResultForm::endRequested);
    connect(exportButton, &QPushButton::clicked, this, &SingleResultForm::exportRequested);
    QPushButton* save = results::makeResultButton(*this, "SaveProject", QStringLiteral("保存项目…"), 360,
                                                  4320 - 120, 1335, kButtonHeight);
    connect(save, &QPushButton::clicked, this, &SingleResultForm::saveProjectRequested);
    // In the free part of the save row, under 生成Excel表格.
    QPushButton* simulate = results::makeResultButton(*this, "Simulate", QStringLiteral("交通仿真…"), 3960,
                                                      4320 - 120, 1335, kButtonHeight);
    connect(simulate, &QPushButton::clicked, this, &SingleResultForm::simulateRequested);

    m_configuration = new QLabel(this);
    m_configuration->setObjectName(QStringLiteral("Configuration"));
    m_configuration->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_configuration->setGeometry(QRect(pointAt(360, kDesignedHeightTwips - 60), sizeOf(kWidthTwips - 720, kConfigurationTwips)));
}

void SingleResultForm::showConfiguration(const QString& text)
{
    m_configuration->setText(text);
    m_configuration->setToolTip(text);
}

QString SingleResultForm::configurationText() const { return m_configuration->text(); }

void SingleResultForm::showFigures(const engine::SingleResult& result)
{
    for (std::size_t i = 0; i < m_values.size(); ++i)
        if (result.valueShown(i))
            m_values[i]->setCaption(QString::fromStdString(result.valueTexts[i]));
    const auto tooltips = figureTooltips(result);
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setToolTip(tooltips[i]);
    setStructuralLoadRowShown(result.structuralLoadShown);
    setPitAndHeadroomRowsShown(result.pitAndHeadroomShown);
    results::showNotes(*this, *m_notes, result.notes, kWidthTwips, kHeightTwips);
}

QString SingleResultForm::notesText() const { return m_notes->isHidden() ? QString() : m_notes->text(); }

void SingleResultForm::showTargetVerdict(const std::optional<engine::TargetVerdict>& verdict)
{
    struct Row {
        CaptionLabel* caption;
        CaptionLabel* value;
        CaptionLabel* mark;
    };
    const std::array<Row, 2> rows{Row{m_intervalCaption, m_values[1], m_verdictMarks[0]},
                                  Row{m_label6[0], m_values[5], m_verdictMarks[1]}};
    for (const Row& row : rows) {
        setBackground(*row.caption, kCaptionColour);
        row.caption->setToolTip(QString());
        row.mark->hide();
    }
    if (!verdict)
        return;
    const engine::TargetCheck& check = verdict->check;
    const auto verdictText = [](bool met) { return QString::fromUtf8(engine::verdictText(met)); };
    const std::array<QString, 2> tooltips{
        QStringLiteral("设计目标：HS ≤ %1 秒（%2）\n%3，裕量 %4 秒")
            .arg(shownNumber(verdict->targets.interval), QString::fromStdString(verdict->sources.interval),
                 verdictText(check.intervalMet), figure(check.intervalMargin)),
        QStringLiteral("设计目标：HC(T)% ≥ %1 %（%2）\n%3，裕量 %4 %")
            .arg(shownNumber(verdict->targets.hcPercent), QString::fromStdString(verdict->sources.hcPercent),
                 verdictText(check.hcMet), figure(check.hcMargin)),
    };
    const std::array<bool, 2> met{check.intervalMet, check.hcMet};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const QColor colour = met[i] ? kCaptionColour : kMissedColour;
        setBackground(*row.caption, colour);
        row.caption->setToolTip(tooltips[i]);
        setBackground(*row.mark, colour);
        row.mark->setCaption(verdictText(met[i]));
        row.mark->setToolTip(tooltips[i]);
        // Beside its value, inside the form.
        const int gap = twipsToPixels(60);
        const int left = std::min(row.value->geometry().right() + gap, width() - row.mark->width() - gap);
        row.mark->move(left, row.value->y());
        row.mark->show();
    }
}

QString SingleResultForm::verdictMark(int which) const
{
    if (which < 0 || which >= static_cast<int>(m_verdictMarks.size()))
        return {};
    const CaptionLabel* mark = m_verdictMarks[static_cast<std::size_t>(which)];
    return mark->isHidden() ? QString() : mark->text();
}

QString SingleResultForm::valueText(int index) const
{
    if (index < 0 || index >= kValueCount)
        return {};
    return m_values[static_cast<std::size_t>(index)]->text();
}

bool SingleResultForm::structuralLoadRowVisible() const { return !m_values[6]->isHidden(); }

bool SingleResultForm::pitDepthRowVisible() const { return !m_label6[2]->isHidden(); }

void SingleResultForm::setStructuralLoadRowShown(bool shown)
{
    m_label6[1]->setVisible(shown);
    m_values[6]->setVisible(shown);
}

void SingleResultForm::setPitAndHeadroomRowsShown(bool shown)
{
    m_label6[2]->setVisible(shown);
    m_label6[3]->setVisible(shown);
    m_values[7]->setVisible(shown);
    m_values[8]->setVisible(shown);
}

}  // namespace trevalo

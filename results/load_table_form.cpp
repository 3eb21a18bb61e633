#include "results/load_table_form.h"

#include "engine/analysis/load_table.h"
#include "engine/analysis/load_table_text.h"
#include "results/caption_label.h"
#include "results/form_style.h"
#include "wizard/twips.h"

#include <QPalette>
#include <QLabel>
#include <QPushButton>

namespace trevalo {

using results::CaptionLabel;

namespace {

constexpr int kHeaderTop = 480;
constexpr int kLabelHeight = 180;
constexpr int kButtonTop = 7920;
constexpr int kButtonWidth = 1455;
constexpr int kButtonHeight = 375;

// Left edge of header Label17(i) and of the column array Label(i + 1) below it.
constexpr std::array<int, LoadTableForm::kColumns> kColumnLeft{600, 1680, 2520, 3420, 4410, 5490, 6750, 7800};
// Steps of 435 twips, 420 before rows 2, 7 and 12.
constexpr std::array<int, LoadTableForm::kRows> kRowTop{840,  1275, 1695, 2130, 2565, 3000, 3435, 3855,
                                                        4290, 4725, 5160, 5595, 6015, 6450, 6885, 7320};

// The figure each header names, in header order. When the down share is the larger, the
// up and down headers trade captions, and with them these names; the stops header then
// names the down stops.
constexpr std::array<const char*, LoadTableForm::kColumns> kFigureNames{
    "额定载重（kg）/ 人数", "每趟上行乘客数", "每趟下行乘客数", "总行程时间（秒）",
    "5分钟运载能力占总人数百分比", "5分钟单机运载人数", "上行可能停站数", "最高返回层"};
constexpr const char* kDownStopsName = "下行可能停站数";

void setHeader(CaptionLabel& header, const QString& caption, const char* figureName)
{
    header.setCaption(caption);
    header.setToolTip(QString::fromUtf8(figureName));
}

QPushButton* makeButton(QWidget* form, const char* name, const QString& caption, int left)
{
    return results::makeResultButton(*form, name, caption, left, kButtonTop, kButtonWidth, kButtonHeight);
}

// The designed 8610 twips, and a row below the buttons for saving the project.
constexpr int kWidthTwips = 8955;
constexpr int kHeightTwips = 8610 + results::kSaveRowTwips;

}  // namespace

LoadTableForm::LoadTableForm(QWidget* parent) : QWidget(parent)
{
    results::setUpResultWindow(*this, "Form6", kWidthTwips, kHeightTwips);
    m_notes = results::makeNotesLine(*this, kWidthTwips, kHeightTwips);

    // The headers as designed, before any table relabels them.
    const auto headerTexts = engine::loadTableHeaderTexts(engine::LoadTable{});
    for (std::size_t i = 0; i < m_headers.size(); ++i) {
        auto* header = new CaptionLabel(QStringLiteral("Label17_%1").arg(i), twipsToPixels(kLabelHeight), this);
        header->move(pointAt(kColumnLeft[i], kHeaderTop));
        setHeader(*header, QString::fromStdString(headerTexts[i]), kFigureNames[i]);
        m_headers[i] = header;
    }

    for (int array = 1; array <= kColumns; ++array) {
        const auto column = static_cast<std::size_t>(array - 1);
        for (int row = 0; row < kRows; ++row) {
            const auto r = static_cast<std::size_t>(row);
            auto* label = new CaptionLabel(QStringLiteral("Label%1_%2").arg(array).arg(row), twipsToPixels(kLabelHeight), this);
            label->move(pointAt(kColumnLeft[column], kRowTop[r]));
            if (array == 1) {
                label->setCaption(QString::fromStdString(engine::loadTableRowKey(row)));
            } else {
                // The figure cells stand out as white cells against the form.
                label->setBackgroundRole(QPalette::HighlightedText);
                label->setAutoFillBackground(true);
                label->setCaption(row == 0 ? QString() : QStringLiteral("Label%1").arg(array));
            }
            m_cells[column][r] = label;
        }
    }

    // Created in tab order, left to right.
    QPushButton* back = makeButton(this, "Command1", QStringLiteral("上一步"), 600);
    QPushButton* recalculate = makeButton(this, "Command2", QStringLiteral("重新计算"), 2760);
    QPushButton* end = makeButton(this, "Command3", QStringLiteral("结束"), 4920);
    QPushButton* exportButton = makeButton(this, "Command4", QStringLiteral("生成Excel表格"), 6960);
    connect(back, &QPushButton::clicked, this, &LoadTableForm::backRequested);
    connect(recalculate, &QPushButton::clicked, this, &LoadTableForm::recalculateRequested);
    connect(end, &QPushButton::clicked, this, &LoadTableForm::endRequested);
    connect(exportButton, &QPushButton::clicked, this, &LoadTableForm::exportRequested);
    QPushButton* save = makeButton(this, "SaveProject", QStringLiteral("保存项目…"), 600);
    save->move(save->x(), twipsToPixels(8610 - 120));
    connect(save, &QPushButton::clicked, this, &LoadTableForm::saveProjectRequested);
}

void LoadTableForm::showTable(const engine::LoadTable& table)
{
    const auto headers = engine::loadTableHeaderTexts(table);
    const bool swapped = table.directionRelabelled;
    setHeader(*m_headers[1], QString::fromStdString(headers[1]), kFigureNames[swapped ? 2 : 1]);
    setHeader(*m_headers[2], QString::fromStdString(headers[2]), kFigureNames[swapped ? 1 : 2]);
    setHeader(*m_headers[6], QString::fromStdString(headers[6]), swapped ? kDownStopsName : kFigureNames[6]);

    for (int row = 0; row < kRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (!table.rows[r])
            continue;
        for (int array = 2; array <= kColumns; ++array)
            cell(array, row)->setCaption(QString::fromStdString(table.cellTexts[r][static_cast<std::size_t>(array - 2)]));
    }

    for (int array = 1; array <= kColumns; ++array)
        cell(array, 0)->setVisible(table.rowZeroShown);
    results::showNotes(*this, *m_notes, table.notes, kWidthTwips, kHeightTwips);
}

QString LoadTableForm::notesText() const { return m_notes->isHidden() ? QString() : m_notes->text(); }

QString LoadTableForm::cellText(int array, int row) const
{
    const CaptionLabel* label = cell(array, row);
    return label == nullptr ? QString() : label->text();
}

QString LoadTableForm::headerText(int index) const
{
    if (index < 0 || index >= kColumns)
        return {};
    return m_headers[static_cast<std::size_t>(index)]->text();
}

bool LoadTableForm::rowVisible(int row) const
{
    for (int array = 1; array <= kColumns; ++array) {
        const CaptionLabel* label = cell(array, row);
        if (label == nullptr || label->isHidden())
            return false;
    }
    return true;
}

results::CaptionLabel* LoadTableForm::cell(int array, int row) const
{
    if (array < 1 || array > kColumns || row < 0 || row >= kRows)
        return nullptr;
    return m_cells[static_cast<std::size_t>(array - 1)][static_cast<std::size_t>(row)];
}

}  // namespace trevalo

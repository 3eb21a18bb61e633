#include "wizard/floor_population_form.h"

#include "wizard/building_data_form.h"
#include "engine/entry_checks.h"
#include "wizard/navigator.h"
#include "wizard/entry_marks.h"
#include "wizard/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>
#include <QGroupBox>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace trevalo {

namespace {

// Row 0's geometry in twips; every other row copies its left edges and box size.
constexpr int kLabelLeftTwips = 600;
constexpr int kLabelWidthTwips = 1020;
constexpr int kLabelHeightTwips = 180;
constexpr int kEntryLeftTwips = 1800;
constexpr int kEntryWidthTwips = 975;
constexpr int kEntryHeightTwips = 270;
constexpr int kInitialPanelHeightTwips = 100;
// Below the last row the panel keeps this much room at the scroll maximum.
constexpr int kScrollOvershootTwips = 1000;

// Window layout in pixels (no twips are given for it).
constexpr int kFormMargin = 12;
constexpr int kFrameInset = 10;
constexpr int kFrameTitle = 24;
constexpr int kViewportWidth = 226;
constexpr int kScrollWidth = 17;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 8;

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QString rowCaption(int row)
{
    return QString::fromStdString(engine::floorRowCaption(row));
}

}  // namespace

FloorPopulationForm::FloorPopulationForm(Navigator& navigator, QWidget* parent)
    : WizardForm(QStringLiteral("Form3"), parent), m_navigator(navigator)
{
    const int viewportHeight = twipsToPixels(kViewportHeightTwips);
    auto* frame = new QGroupBox(QStringLiteral("请输入每层人数"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    const int frameWidth = kFrameInset + kViewportWidth + kScrollWidth + kFrameInset;
    const int frameHeight = kFrameTitle + viewportHeight + kFrameInset;
    frame->setGeometry(kFormMargin, kFormMargin, frameWidth, frameHeight);

    m_viewport = new QWidget(frame);
    m_viewport->setObjectName(QStringLiteral("Frame2"));
    m_viewport->setGeometry(kFrameInset, kFrameTitle, kViewportWidth, viewportHeight);

    m_scroll = new QScrollBar(Qt::Vertical, frame);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setGeometry(kFrameInset + kViewportWidth, kFrameTitle, kScrollWidth, viewportHeight);
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    // The rows follow the thumb while it is dragged.
    m_scroll->setTracking(true);
    // The wheel turned anywhere over the panel scrolls the rows.
    frame->installEventFilter(this);

    m_panel = new QWidget(m_viewport);
    m_panel->setObjectName(QStringLiteral("Frame3"));

    m_entries.reserve(kRows);
    m_labels.reserve(kRows);
    for (int row = 0; row < kRows; ++row) {
        auto* label = new QLabel(m_panel);
        label->setObjectName(QStringLiteral("Label1_%1").arg(row));
        auto* entry = new QLineEdit(m_panel);
        entry->setObjectName(QStringLiteral("Text1_%1").arg(row));
        entry->installEventFilter(this);
        m_labels.push_back(label);
        m_entries.push_back(entry);
    }
    // Row 0 as designed; the others take its sizes when they are laid out.
    m_labels[0]->setGeometry(twipsToPixels(kLabelLeftTwips), twipsToPixels(kFirstRowTopTwips),
                             twipsToPixels(kLabelWidthTwips), twipsToPixels(kLabelHeightTwips));
    m_labels[0]->setText(rowCaption(0));
    m_labels[0]->adjustSize();
    m_entries[0]->setGeometry(twipsToPixels(kEntryLeftTwips), twipsToPixels(kFirstRowTopTwips),
                              twipsToPixels(kEntryWidthTwips), twipsToPixels(kEntryHeightTwips));
    m_rowTopTwips[0] = kFirstRowTopTwips;

    m_total = new QLineEdit(QStringLiteral("Text2"), this);
    m_total->setObjectName(QStringLiteral("Text2"));
    m_total->hide();

    auto* back = makeCommandButton(QStringLiteral("Command1"), QStringLiteral("上一步"), this);
    auto* ok = makeCommandButton(QStringLiteral("Command2"), QStringLiteral("确定"), this);
    auto* exit = makeCommandButton(QStringLiteral("Command3"), QStringLiteral("终止退出"), this);
    setDefaultButton(ok);
    // The rows' total on two lines of its own between the rows and the buttons.
    m_totalLine = new QLabel(this);
    m_totalLine->setObjectName(QStringLiteral("TotalLine"));
    m_totalLine->setWordWrap(true);
    const int totalTop = kFormMargin + frameHeight + kButtonGap;
    const int totalHeight = 2 * fontMetrics().lineSpacing() + 2;
    m_totalLine->setGeometry(kFormMargin, totalTop, frameWidth, totalHeight);
    m_buttonTop = totalTop + totalHeight + kButtonGap + 4;
    m_commands = {back, ok, exit};
    // 恢复刚才的输入, when offered, takes a row of its own above the command buttons.
    const int buttonWidth = (frameWidth - 2 * kButtonGap) / 3;
    makeRestoreButton()->setGeometry(kFormMargin, m_buttonTop, 2 * buttonWidth + kButtonGap, kButtonHeight);
    restoreOfferChanged(false);

    setTabOrder(back, ok);
    setTabOrder(ok, exit);
    setTabOrder(exit, m_scroll);
    QWidget* previous = m_scroll;
    for (QLineEdit* entry : m_entries) {
        setTabOrder(previous, entry);
        previous = entry;
    }

    // Typing starts in the first row; the tab order stays as designed.
    m_entries[0]->setFocus();

    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) { setPanelTop(-value); });
    connect(back, &QPushButton::clicked, this, [this] {
        m_navigator.unload(FormId::Form3);
        m_navigator.show(FormId::Form2);
    });
    connect(ok, &QPushButton::clicked, this, &FloorPopulationForm::accept);
    connect(exit, &QPushButton::clicked, this, [this] { m_navigator.end(); });

    layOutRows(floorCountOf(m_navigator));
    for (QLineEdit* entry : m_entries)
        connect(entry, &QLineEdit::textChanged, this, &FloorPopulationForm::refreshTotalLine);
    refreshTotalLine();
}

void FloorPopulationForm::showEvent(QShowEvent* event)
{
    // The building data may have changed while the form was hidden.
    refreshTotalLine();
    WizardForm::showEvent(event);
}

void FloorPopulationForm::restoreOfferChanged(bool offered)
{
    const int frameWidth = m_totalLine->width();
    const int buttonWidth = (frameWidth - 2 * kButtonGap) / 3;
    const int top = m_buttonTop + (offered ? kButtonHeight + kButtonGap : 0);
    int buttonLeft = kFormMargin;
    for (QPushButton* button : m_commands) {
        button->setGeometry(buttonLeft, top, buttonWidth, kButtonHeight);
        buttonLeft += buttonWidth + kButtonGap;
    }
    setFixedSize(kFormMargin + frameWidth + kFormMargin, top + kButtonHeight + kFormMargin);
}

void FloorPopulationForm::refreshTotalLine()
{
    QStringList lines;
    for (const std::string& line : engine::floorTotalLines(buildingData(), floorPopulation().floorPopulations))
        lines << QString::fromStdString(line);
    m_totalLine->setText(lines.join(QLatin1Char('\n')));
}

void FloorPopulationForm::layOutRows(int floors)
{
    for (int row = 1; row < kRows; ++row) {
        m_entries[static_cast<std::size_t>(row)]->hide();
        m_entries[static_cast<std::size_t>(row)]->clear();
        m_labels[static_cast<std::size_t>(row)]->hide();
    }
    m_loadedFloors = floors;
    m_panelHeightTwips = kInitialPanelHeightTwips;
    const int shownRows = std::min(floors, kRows);
    const QSize entrySize = m_entries[0]->size();
    for (int row = 1; row < shownRows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        m_rowTopTwips[index] = m_rowTopTwips[index - 1] + kRowPitchTwips;
        const int top = twipsToPixels(m_rowTopTwips[index]);
        m_entries[index]->setGeometry(m_entries[0]->x(), top, entrySize.width(), entrySize.height());
        m_entries[index]->show();
        m_labels[index]->setGeometry(m_labels[0]->x(), top, m_labels[0]->width(), m_labels[0]->height());
        m_labels[index]->setText(rowCaption(row));
        m_labels[index]->adjustSize();
        m_labels[index]->show();
        m_panelHeightTwips += kEntryHeightTwips;
    }
    // Below one floor the form is meaningless; the panel then holds row 0 alone,
    // as for no floors at all, instead of taking a negative height.
    m_panelHeightTwips += std::max(floors, 0) * 40 + 300;
    // Below eight floors the designed height ends inside the last row; the panel is drawn down
    // to that row's foot so no row is cut, while the scroll range keeps the designed height.
    const int lastRowFoot = m_rowTopTwips[static_cast<std::size_t>(std::max(shownRows, 1) - 1)] + kEntryHeightTwips + 60;
    m_panel->setGeometry(0, 0, m_viewport->width(), twipsToPixels(std::max(m_panelHeightTwips, lastRowFoot)));

    if (m_panelHeightTwips > kViewportHeightTwips) {
        // Kept in twips: QScrollBar takes an int, so even 129 floors (35240) fit.
        const int maximum = m_panelHeightTwips - kViewportHeightTwips + kScrollOvershootTwips;
        m_scroll->setRange(0, maximum);
        setPanelTop(0);
        m_scroll->setPageStep(roundHalfEven(maximum / 10.0));
        m_scroll->setSingleStep(kRowPitchTwips);
        m_scroll->show();
    } else {
        m_scroll->setRange(0, 0);
        m_scroll->hide();
    }
}

bool FloorPopulationForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched->objectName() == QLatin1String("Frame1")) {
        QCoreApplication::sendEvent(m_scroll, event);
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::KeyPress) {
        const auto entry = std::find(m_entries.begin(), m_entries.end(), watched);
        if (entry != m_entries.end())
            scrollRowIntoView(static_cast<int>(entry - m_entries.begin()));
    }
    return WizardForm::eventFilter(watched, event);
}

void FloorPopulationForm::scrollRowIntoView(int row)
{
    // A pixel of slack on either side keeps the rounded pixel positions inside the viewport.
    const int slack = 2 * kTwipsPerPixel;
    const int top = m_rowTopTwips[static_cast<std::size_t>(row)];
    const int value = m_scroll->value();
    if (top - slack < value)
        m_scroll->setValue(top - slack);
    else if (top + kEntryHeightTwips + slack > value + kViewportHeightTwips)
        m_scroll->setValue(top + kEntryHeightTwips + slack - kViewportHeightTwips);
}

void FloorPopulationForm::setPanelTop(int twips)
{
    m_panel->move(0, twipsToPixels(twips));
}

engine::FloorPopulation FloorPopulationForm::floorPopulation() const
{
    engine::FloorPopulation population;
    population.floorPopulations.reserve(kRows);
    for (const QLineEdit* entry : m_entries)
        population.floorPopulations.push_back(entry->text().toStdString());
    population.storedTotal = m_total->text().toStdString();
    return population;
}

int FloorPopulationForm::shownRows() const
{
    return std::clamp(m_loadedFloors, 1, kRows);
}

void FloorPopulationForm::setFloorEntries(const std::vector<std::string>& entries)
{
    // The total line is worked out once for the whole set, not once per row typed in.
    for (std::size_t row = 0; row < static_cast<std::size_t>(shownRows()); ++row) {
        const QSignalBlocker quiet(m_entries[row]);
        m_entries[row]->setText(row < entries.size() ? QString::fromStdString(entries[row]) : QString());
    }
    refreshTotalLine();
}

engine::ProjectData FloorPopulationForm::buildingData() const
{
    const auto* building = m_navigator.formAs<BuildingDataForm>(FormId::Form2);
    return building != nullptr ? building->projectData() : engine::ProjectData{};
}

void FloorPopulationForm::accept()
{
    const auto total = engine::checkFloorPopulation(buildingData(), floorPopulation().floorPopulations);
    if (const auto* refusal = std::get_if<engine::Refusal>(&total)) {
        showRefusalAndMark(m_navigator, *refusal, this);
        return;
    }
    m_total->setText(QString::number(std::get<std::int32_t>(total)));
    m_navigator.hide(FormId::Form3);
    m_navigator.show(FormId::Form4);
}

}  // namespace trevalo

#include "app/tests/road_steps.h"

#include "export/export_destination.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

namespace trevalo::testing {

namespace {

// Generous for the sanitized build; a step normally takes milliseconds.
constexpr int kStepCapMilliseconds = 20000;

// The controls of the elevator parameters form that take typing, with what they hold.
struct TypedControl {
    const char* name;
    EntryKind kind;
};
constexpr TypedControl kElevatorEntries[] = {
    {"TEXT1_0", EntryKind::Travel},         {"TEXT1_1", EntryKind::FloorHeight},
    {"TEXT1_2", EntryKind::ExpressDistance}, {"Combo2", EntryKind::DoorWidth},
    {"TEXT1_3", EntryKind::LossPercent},    {"TEXT1_4", EntryKind::SharePercent},
    {"TEXT1_5", EntryKind::SharePercent},   {"Combo1", EntryKind::Speed},
    {"Combo3", EntryKind::RatedLoad},       {"TEXT1_7", EntryKind::Cars},
    {"Text2", EntryKind::FinishingWeight},
};

}  // namespace

OpenedUrls::OpenedUrls()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

OpenedUrls::~OpenedUrls()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

StepWatchdog::StepWatchdog(int capMilliseconds)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(capMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &StepWatchdog::expire);
}

void StepWatchdog::arm()
{
    m_held.clear();
    m_timer.start();
}

QString StepWatchdog::disarm()
{
    m_timer.stop();
    return m_held;
}

void StepWatchdog::expire()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        m_held = QStringLiteral("the step outlasted its cap");
        return;
    }
    const auto* box = qobject_cast<QMessageBox*>(modal);
    m_held = QStringLiteral("a modal %1 '%2' was never answered")
                 .arg(QString::fromLatin1(modal->metaObject()->className()), box ? box->text() : modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

RoadWalker::RoadWalker(quint64 seed)
    : m_random(seed),
      m_watchdog(kStepCapMilliseconds),
      m_exportRedirect(std::make_unique<workbook::ExportRootOverride>(m_exportRoot.path())),
      m_opened(std::make_unique<OpenedUrls>())
{
    m_catcher = std::make_unique<NoticeCatcher>();
}

RoadWalker::~RoadWalker()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void RoadWalker::startRoad()
{
    m_driver = std::make_unique<ProgramDriver>();
    m_model = RoadModel{};
    m_log << QStringLiteral("%1: a new road starts on Form2").arg(m_step);
}

void RoadWalker::takeStep(int step)
{
    m_step = step;
    if (!m_driver)
        startRoad();
    checkShowing();
    if (QTest::currentTestFailed())
        return;
    if (m_random.chance(1)) {
        endProgram(QStringLiteral("navigator.end()"), [this] { m_driver->navigator().end(); });
        return;
    }
    switch (m_model.showing) {
    case FormId::Form2:
        stepOnBuildingData();
        break;
    case FormId::Form3:
        stepOnFloorPopulation();
        break;
    case FormId::Form4:
        stepOnElevatorParameters();
        break;
    case FormId::Form5:
    case FormId::Form6:
        stepOnResult(m_model.showing);
        break;
    case FormId::Form1:
        QFAIL("the splash is never part of a road");
    }
    if (QTest::currentTestFailed() || !m_driver)
        return;
    checkShowing();
    if (QTest::currentTestFailed())
        return;
    checkFigures();
}

void RoadWalker::finish()
{
    if (m_driver)
        endProgram(QStringLiteral("navigator.end() at the finish"), [this] { m_driver->navigator().end(); });
}

void RoadWalker::stepOnBuildingData()
{
    const FormId f = FormId::Form2;
    const bool incomplete = entryText(*m_driver, f, QStringLiteral("N1")).isEmpty() ||
                            entryText(*m_driver, f, QStringLiteral("Text1")).isEmpty();
    const int roll = m_random.below(100);
    if (roll < (incomplete ? 60 : 22))
        return fillBuildingData();
    if (roll < 42) {
        const auto [name, kind] = m_random.pickFrom<std::pair<const char*, EntryKind>>(
            {{"Text2", EntryKind::ProjectName}, {"N1", EntryKind::Floors}, {"Text1", EntryKind::Population}});
        return typeEntry(f, QString::fromLatin1(name), m_random.entry(kind, servedFloors(), 25));
    }
    if (roll < 55)
        return click(f, m_random.pickFrom({QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option5"),
                                           QStringLiteral("Option3"), QStringLiteral("Option4")}));
    if (roll < 97)
        return pressOk(f, QStringLiteral("Command1"), m_random.chance(25) ? QStringLiteral("Text1") : QString(),
                       expectBuildingDataOk(*m_driver));
    endProgram(QStringLiteral("终止退出"), [this, f] { m_driver->click(f, QStringLiteral("Command2")); });
}

void RoadWalker::stepOnFloorPopulation()
{
    const FormId f = FormId::Form3;
    QStringList rows;
    for (const QLineEdit* row : m_driver->form(f)->findChildren<QLineEdit*>())
        if (row->objectName().startsWith(QStringLiteral("Text1_")) && !row->isHidden())
            rows << row->objectName();
    auto* scroll = m_driver->control<QScrollBar>(f, QStringLiteral("VScroll1"));
    const bool untouched = std::all_of(rows.cbegin(), rows.cend(), [this, f](const QString& row) {
        return entryText(*m_driver, f, row).isEmpty();
    });
    const int roll = m_random.below(100);
    if (roll < (untouched ? 70 : 25))
        return fillFloorPopulation();
    if (roll < 52 && (roll < 45 || scroll->isHidden()))
        return typeEntry(f, rows[m_random.below(static_cast<int>(rows.size()))],
                         m_random.entry(EntryKind::FloorPopulation, 0, 20));
    if (roll < 52) {
        const auto [key, name] = m_random.pickFrom<std::pair<Qt::Key, const char*>>(
            {{Qt::Key_PageDown, "PageDown"}, {Qt::Key_PageUp, "PageUp"}, {Qt::Key_Down, "Down"}, {Qt::Key_End, "End"},
             {Qt::Key_Home, "Home"}});
        return act(QStringLiteral("key %1 on the scroll bar").arg(QString::fromLatin1(name)),
                   [scroll, key] { QTest::keyClick(scroll, key); });
    }
    if (roll < 88)
        return pressOk(f, QStringLiteral("Command2"), m_random.chance(25) ? QStringLiteral("Text1_0") : QString(),
                       expectFloorPopulationOk(*m_driver));
    if (roll < 97) {
        act(QStringLiteral("上一步"), [this, f] { m_driver->click(f, QStringLiteral("Command1")); });
        if (QTest::currentTestFailed())
            return;
        unloaded(f);
        return arrive(FormId::Form2);
    }
    endProgram(QStringLiteral("终止退出"), [this, f] { m_driver->click(f, QStringLiteral("Command3")); });
}

void RoadWalker::stepOnElevatorParameters()
{
    const FormId f = FormId::Form4;
    QWidget* form = m_driver->form(f);
    const auto shown = [form](const QString& name) {
        const auto* control = form->findChild<QWidget*>(name);
        return control != nullptr && control->isVisibleTo(form);
    };
    bool incomplete = false;
    for (const char* required : {"TEXT1_0", "TEXT1_1", "Combo2", "Combo1"})
        incomplete = incomplete || entryText(*m_driver, f, QString::fromLatin1(required)).isEmpty();
    const int roll = m_random.below(100);
    if (roll < (incomplete ? 55 : 18))
        return fillElevatorParameters();
    if (roll < 40) {
        std::vector<TypedControl> candidates;
        for (const TypedControl& entry : kElevatorEntries)
            if (shown(QString::fromLatin1(entry.name)))
                candidates.push_back(entry);
        const TypedControl chosen = candidates[static_cast<std::size_t>(m_random.below(static_cast<int>(candidates.size())))];
        return typeEntry(f, QString::fromLatin1(chosen.name), m_random.entry(chosen.kind, servedFloors(), 25));
    }
    if (roll < 52) {
        QStringList boxes;
        for (const char* name : {"Check1", "Check2", "Check3", "Check4"})
            if (shown(QString::fromLatin1(name)))
                boxes << QString::fromLatin1(name);
        return click(f, boxes[m_random.below(static_cast<int>(boxes.size()))]);
    }
    if (roll < 58)
        return click(f, QStringLiteral("Option1_%1").arg(m_random.below(3)));
    if (roll < 62) {
        QStringList combos;
        for (const char* name : {"Combo1", "Combo2", "Combo3"})
            if (shown(QString::fromLatin1(name)))
                combos << QString::fromLatin1(name);
        auto* combo = m_driver->control<QComboBox>(f, combos[m_random.below(static_cast<int>(combos.size()))]);
        const bool down = m_random.chance(70);
        const auto key = down ? Qt::Key_Down : Qt::Key_Up;
        return act(QStringLiteral("key %1 in %2").arg(down ? "Down" : "Up", combo->objectName()), [combo, key] {
            QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
            QTest::keyClick(combo->lineEdit(), key);
        });
    }
    if (roll < 93)
        return pressOk(f, QStringLiteral("Command2"), m_random.chance(25) ? QStringLiteral("TEXT1_0") : QString(),
                       expectAnalysis(*m_driver));
    if (roll < 98) {
        act(QStringLiteral("上一步"), [this, f] { m_driver->click(f, QStringLiteral("Command1")); });
        if (QTest::currentTestFailed())
            return;
        unloaded(f);
        return arrive(FormId::Form2);
    }
    endProgram(QStringLiteral("终止退出"), [this, f] { m_driver->click(f, QStringLiteral("Command3")); });
}

void RoadWalker::stepOnResult(FormId id)
{
    const int roll = m_random.below(100);
    if (roll < 35) {
        act(QStringLiteral("上一步"), [this, id] { m_driver->click(id, QStringLiteral("Command1")); });
        if (QTest::currentTestFailed())
            return;
        return arrive(FormId::Form4);
    }
    if (roll < 60) {
        act(QStringLiteral("重新计算"), [this, id] { m_driver->click(id, QStringLiteral("Command2")); });
        if (QTest::currentTestFailed())
            return;
        unloaded(id);
        return arrive(FormId::Form2);
    }
    if (roll < 93)
        return exportWorkbook(id);
    endProgram(QStringLiteral("结束"), [this, id] { m_driver->click(id, QStringLiteral("Command3")); });
}

}  // namespace trevalo::testing

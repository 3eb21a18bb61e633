#include "app/tests/road_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace trevalo::testing {

namespace {

constexpr int kEndCapMilliseconds = 10000;
constexpr qsizetype kLogLength = 30;

}  // namespace

void RoadWalker::act(const QString& what, const std::function<void()>& action, QStringList* raised)
{
    m_log << QStringLiteral("%1: %2 on %3").arg(m_step).arg(what, formName(m_model.showing));
    while (m_log.size() > kLogLength)
        m_log.removeFirst();
    const qsizetype before = m_catcher->texts().size();
    m_watchdog.arm();
    action();
    const QString held = m_watchdog.disarm();
    const QStringList boxes = m_catcher->texts().mid(before);
    if (!boxes.isEmpty())
        m_log.last() += QStringLiteral(" -> ") + boxes.join(QStringLiteral(" | "));
    if (m_verbose)
        qInfo("%s", qPrintable(m_log.last()));
    QVERIFY2(held.isEmpty(), qPrintable(held));
    if (raised != nullptr)
        *raised = boxes;
    else
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes.join(" | ")));
}

void RoadWalker::typeEntry(FormId id, const QString& name, const QString& text)
{
    act(QStringLiteral("type '%1' into %2").arg(text, name), [this, id, name, text] { m_driver->type(id, name, text); });
}

void RoadWalker::click(FormId id, const QString& name)
{
    act(QStringLiteral("click %1").arg(name), [this, id, name] { m_driver->click(id, name); });
}

void RoadWalker::setChecked(FormId id, const QString& name, bool checked)
{
    auto* box = m_driver->control<QAbstractButton>(id, name);
    if (box->isChecked() != checked)
        m_driver->clickButton(box);
}

void RoadWalker::fillBuildingData()
{
    const FormId f = FormId::Form2;
    const QString project = m_random.plausible(EntryKind::ProjectName, 0);
    const QString floors = m_random.entry(EntryKind::Floors, 0, 5);
    const QString population = m_random.entry(EntryKind::Population, 0, 5);
    const QString type = m_random.chance(90) ? m_random.pickFrom({QStringLiteral("Option1"), QStringLiteral("Option2"),
                                                                  QStringLiteral("Option5")})
                                             : QString();
    const QString spread = m_random.chance(95) ? (m_random.chance(30) ? QStringLiteral("Option4") : QStringLiteral("Option3"))
                                               : QString();
    act(QStringLiteral("fill: name '%1', %2, floors '%3', population '%4', %5")
            .arg(project, type, floors, population, spread),
        [=, this] {
            m_driver->type(f, QStringLiteral("Text2"), project);
            if (!type.isEmpty())
                m_driver->click(f, type);
            m_driver->type(f, QStringLiteral("N1"), floors);
            m_driver->type(f, QStringLiteral("Text1"), population);
            if (!spread.isEmpty())
                m_driver->click(f, spread);
        });
}

void RoadWalker::fillFloorPopulation()
{
    const FormId f = FormId::Form3;
    QStringList names;
    QStringList texts;
    for (const QLineEdit* row : m_driver->form(f)->findChildren<QLineEdit*>()) {
        if (row->objectName().startsWith(QStringLiteral("Text1_")) && !row->isHidden()) {
            names << row->objectName();
            texts << m_random.entry(EntryKind::FloorPopulation, 0, 5);
        }
    }
    act(QStringLiteral("fill %1 rows: %2").arg(names.size()).arg(texts.join(',')), [=, this] {
        for (qsizetype i = 0; i < names.size(); ++i)
            m_driver->type(f, names[i], texts[i]);
    });
}

void RoadWalker::fillElevatorParameters()
{
    const FormId f = FormId::Form4;
    const int floors = servedFloors();
    QStringList entries;
    const bool express = m_random.chance(25);
    const bool decided = m_random.chance(60);
    const bool machineRoom = decided && m_random.chance(30);
    const bool advance = m_random.chance(30);
    const int door = m_random.chance(95) ? m_random.below(3) : -1;
    std::vector<std::pair<QString, QString>> typed;
    const auto add = [&](const char* name, EntryKind kind, QString text = {}) {
        typed.emplace_back(QString::fromLatin1(name), text.isNull() ? m_random.entry(kind, floors, 4) : text);
        entries << typed.back().first + '=' + typed.back().second;
    };
    // The travel spans the served floors at the floor height, with some room to spare.
    const QString height = m_random.plausible(EntryKind::FloorHeight, floors);
    add("TEXT1_1", EntryKind::FloorHeight, m_random.chance(4) ? m_random.awkward() : height);
    add("TEXT1_0", EntryKind::Travel,
        m_random.chance(4) ? m_random.awkward()
                           : QString::number(height.toDouble() * (std::max(floors, 1) + m_random.below(20) / 10.0), 'f', 1));
    if (express)
        add("TEXT1_2", EntryKind::ExpressDistance);
    add("Combo2", EntryKind::DoorWidth);
    if (m_random.chance(30))
        add("TEXT1_3", EntryKind::LossPercent);
    if (m_random.chance(30)) {
        add("TEXT1_4", EntryKind::SharePercent);
        add("TEXT1_5", EntryKind::SharePercent);
    }
    add("Combo1", EntryKind::Speed);
    if (decided) {
        add("Combo3", EntryKind::RatedLoad);
        add("TEXT1_7", EntryKind::Cars);
    }
    if (machineRoom)
        add("Text2", EntryKind::FinishingWeight);
    act(QStringLiteral("fill: door %1, express %2, decided %3, machine room %4, advance %5, %6")
            .arg(door)
            .arg(express)
            .arg(decided)
            .arg(machineRoom)
            .arg(advance)
            .arg(entries.join(QStringLiteral(", "))),
        [=, this] {
            setChecked(f, QStringLiteral("Check1"), express);
            setChecked(f, QStringLiteral("Check3"), decided);
            if (decided)
                setChecked(f, QStringLiteral("Check4"), machineRoom);
            setChecked(f, QStringLiteral("Check2"), advance);
            if (door >= 0)
                m_driver->click(f, QStringLiteral("Option1_%1").arg(door));
            for (const auto& [name, text] : typed)
                m_driver->type(f, name, text);
        });
}

void RoadWalker::pressOk(FormId id, const QString& button, const QString& enterBox, const Expectation& expected)
{
    QWidget* form = m_driver->form(id);
    const Snapshot before = snapshotOf(*form);
    const ResultLayout layout = expectResultLayout(*m_driver);
    const QString foreseen = expected.notice.isEmpty() ? formName(expected.next) : expected.notice;
    QStringList raised;
    act(QStringLiteral("%1, foreseen %2").arg(enterBox.isEmpty() ? QStringLiteral("click ") + button
                                                                 : QStringLiteral("Enter in ") + enterBox,
                                              foreseen),
        [this, id, button, enterBox] {
            if (enterBox.isEmpty()) {
                m_driver->click(id, button);
                return;
            }
            auto* box = m_driver->control<QLineEdit>(id, enterBox);
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Return);
        },
        &raised);
    if (QTest::currentTestFailed())
        return;
    if (raised.isEmpty()) {
        QVERIFY2(expected.notice.isEmpty(), qPrintable(QStringLiteral("no notice came, foreseen ") + expected.notice));
        if (id == FormId::Form3)
            QCOMPARE(entryText(*m_driver, id, QStringLiteral("Text2")), expected.storedTotal);
        leave(id);
        if (expected.next == FormId::Form5 || expected.next == FormId::Form6) {
            ++(expected.next == FormId::Form5 ? m_singleResults : m_loadTables);
            m_resultLayout = layout;
        }
        return arrive(expected.next);
    }
    ++m_notices;
    QCOMPARE(raised.size(), qsizetype{1});
    if (expected.notice.isEmpty())
        QVERIFY2(expected.inputErrorAllowed && raised.first() == kInputError,
                 qPrintable(QStringLiteral("notice '%1', foreseen %2").arg(raised.first(), formName(expected.next))));
    else
        QCOMPARE(raised.first(), expected.notice);

    Snapshot kept = before;
    if (expected.doorWidthCleared) {
        kept[QStringLiteral("Combo2")] = QStringLiteral("text '' item -1, shown");
        const auto* combo = m_driver->control<QComboBox>(id, QStringLiteral("Combo2"));
        QVERIFY(form->focusWidget() == combo || form->focusWidget() == combo->lineEdit());
    }
    const QString changed = firstDifference(kept, snapshotOf(*form));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("the refusal changed the form: ") + changed));
}

void RoadWalker::exportWorkbook(FormId id)
{
    QWidget* form = m_driver->form(id);
    const Snapshot before = snapshotOf(*form);
    m_opened->urls.clear();
    act(QStringLiteral("生成Excel表格"), [this, id] { m_driver->click(id, QStringLiteral("Command4")); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_opened->urls.size(), qsizetype{1});
    const QFileInfo workbook(m_opened->urls.first().toLocalFile());
    QVERIFY2(workbook.isFile() && workbook.size() > 0, qPrintable(workbook.filePath()));
    QCOMPARE(workbook.suffix(), QStringLiteral("xlsx"));
    QVERIFY2(workbook.absoluteFilePath().startsWith(QDir(m_exportRoot.path()).absolutePath() + '/'),
             qPrintable(workbook.absoluteFilePath()));
    QFile file(workbook.absoluteFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("PK"));  // a zip container
    file.close();
    QVERIFY(QFile::remove(workbook.absoluteFilePath()));
    QVERIFY(QDir().rmdir(workbook.absolutePath()));
    ++m_exports;
    const QString changed = firstDifference(before, snapshotOf(*form));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("the export changed the form: ") + changed));
}

// An end runs inside the event loop so that it can be seen to quit it.
void RoadWalker::endProgram(const QString& what, std::function<void()> trigger)
{
    m_log << QStringLiteral("%1: %2 on %3").arg(m_step).arg(what, formName(m_model.showing));
    if (m_verbose)
        qInfo("%s", qPrintable(m_log.last()));
    QTimer::singleShot(0, qApp, std::move(trigger));
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    failsafe.start(kEndCapMilliseconds);
    m_watchdog.arm();
    const int status = QCoreApplication::exec();
    const QString held = m_watchdog.disarm();
    failsafe.stop();
    QVERIFY2(held.isEmpty(), qPrintable(held));
    QVERIFY2(status == 0, "the end did not quit the event loop");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        left << QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("left behind: ") + left.join(", ")));
    for (int form = 0; form <= static_cast<int>(FormId::Form6); ++form)
        QVERIFY(m_driver->form(static_cast<FormId>(form)) == nullptr);
    m_driver.reset();
    ++m_roads;
}

}  // namespace trevalo::testing

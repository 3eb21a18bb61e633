#include "app/tests/road_walker.h"

#include <QKeySequence>
#include <QTest>

namespace trevalo::testing {

void RoadWalker::takeStep(int step)
{
    m_step = step;
    if (!m_driver) {
        m_driver = std::make_unique<ProgramDriver>();
        m_showing = FormId::Form2;
        m_loaded = {FormId::Form2};
        m_log << QStringLiteral("%1: a new road starts").arg(step);
    } else if (m_random.chance(1)) {
        return endProgram(QStringLiteral("navigator.end()"), [this] { m_driver->navigator().end(); });
    } else if (m_showing == FormId::Form5 || m_showing == FormId::Form6) {
        stepOnResult();
    } else {
        stepOnWizardForm();
    }
    if (QTest::currentTestFailed() || !m_driver)
        return;
    checkShowing();
    if (!QTest::currentTestFailed())
        checkFigures();
}

void RoadWalker::finish()
{
    if (m_driver)
        endProgram(QStringLiteral("navigator.end() at the finish"), [this] { m_driver->navigator().end(); });
}

bool RoadWalker::shows(const QString& name) const
{
    const auto* control = shownForm()->findChild<QWidget*>(name);
    return control != nullptr && control->isVisibleTo(shownForm());
}

QStringList RoadWalker::shownOf(QStringList names) const
{
    names.removeIf([this](const QString& name) { return !shows(name); });
    return names;
}

// The entry boxes of the wizard form showing, in the order an engineer fills them.
std::vector<RoadWalker::Entry> RoadWalker::shownEntries() const
{
    std::vector<Entry> entries;
    if (m_showing == FormId::Form2)
        entries = {{"Text2", EntryKind::ProjectName}, {"N1", EntryKind::Floors}, {"Text1", EntryKind::Population}};
    for (int row = 0; m_showing == FormId::Form3 && row < 223; ++row)
        entries.push_back({QStringLiteral("Text1_%1").arg(row), EntryKind::FloorPopulation});
    if (m_showing == FormId::Form4)
        entries = {{"TEXT1_0", EntryKind::Travel},       {"TEXT1_1", EntryKind::FloorHeight},
                   {"TEXT1_2", EntryKind::ExpressDistance}, {"Combo2", EntryKind::DoorWidth},
                   {"TEXT1_3", EntryKind::LossPercent},  {"TEXT1_4", EntryKind::SharePercent},
                   {"TEXT1_5", EntryKind::SharePercent}, {"Combo1", EntryKind::Speed},
                   {"Combo3", EntryKind::RatedLoad},     {"TEXT1_7", EntryKind::Cars},
                   {"Text2", EntryKind::FinishingWeight}};
    std::erase_if(entries, [this](const Entry& entry) { return !shows(entry.name); });
    return entries;
}

void RoadWalker::fillShownEntries()
{
    const int floors = entryText(FormId::Form2, "N1").toInt();
    QStringList names;
    QStringList texts;
    for (const Entry& entry : shownEntries()) {
        names << entry.name;
        texts << m_random.entry(entry.kind, floors, 4);
    }
    act(QStringLiteral("fill %1 with %2").arg(names.join(','), texts.join(',')), [this, names, texts] {
        for (qsizetype i = 0; i < names.size(); ++i)
            m_driver->type(m_showing, names[i], texts[i]);
    });
}

void RoadWalker::setTicked(const QString& box, bool ticked)
{
    if (shows(box) && isChecked(m_showing, box) != ticked)
        click(box);
}

// Fill the form, retype one entry, click a choice, press a key, end, back or OK, by
// weights that take most roads to a result.
void RoadWalker::stepOnWizardForm()
{
    const FormId f = m_showing;
    const std::vector<Entry> entries = shownEntries();
    const bool incomplete = std::any_of(entries.cbegin(), entries.cend(),
                                        [this](const Entry& entry) { return entryText(m_showing, entry.name).isEmpty(); });
    const QStringList choices = shownOf({"Option1", "Option2", "Option5", "Option3", "Option4", "Check1", "Check2",
                                         "Check3", "Check4", "Option1_0", "Option1_1", "Option1_2"});
    // The scroll bar of the floor rows; the lists of speed, door width and rated load.
    const QStringList keyTargets = shownOf({"VScroll1", "Combo1", "Combo2", "Combo3"});
    int roll = m_random.below(100);
    const auto rolled = [&roll](int share) { return (roll -= share) < 0; };
    if (rolled(incomplete ? 45 : 18)) {
        if (f == FormId::Form2) {
            click(m_random.pickFrom({"Option1", "Option2", "Option5"}));
            click(m_random.chance(30) ? "Option4" : "Option3");
        } else if (f == FormId::Form4) {
            setTicked("Check1", m_random.chance(25));
            setTicked("Check2", m_random.chance(30));
            setTicked("Check3", m_random.chance(60));
            setTicked("Check4", m_random.chance(30));
            click(QStringLiteral("Option1_%1").arg(m_random.below(3)));
        }
        return QTest::currentTestFailed() ? void() : fillShownEntries();
    }
    if (rolled(15)) {
        const Entry entry = entries[static_cast<std::size_t>(m_random.below(static_cast<int>(entries.size())))];
        return type(entry.name, m_random.entry(entry.kind, entryText(FormId::Form2, "N1").toInt(), 25));
    }
    if (!choices.isEmpty() && rolled(12))
        return click(m_random.pickFrom(choices));
    if (!keyTargets.isEmpty() && rolled(5)) {
        QWidget* target = shownForm()->findChild<QWidget*>(m_random.pickFrom(keyTargets));
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home};
        const Qt::Key key = keys[m_random.below(6)];
        return act("key " + QKeySequence(key).toString() + " on " + target->objectName(),
                   [target, key] { QTest::keyClick(target, key); });
    }
    if (rolled(3))
        return endProgram(QStringLiteral("终止退出"), [this, f] { m_driver->click(f, f == FormId::Form2 ? "Command2" : "Command3"); });
    if (f != FormId::Form2 && rolled(6))
        return goBack("Command1", FormId::Form2, true);
    pressOk(f == FormId::Form2 ? "Command1" : "Command2");
}

void RoadWalker::stepOnResult()
{
    const int roll = m_random.below(100);
    if (roll < 35)
        return goBack("Command1", FormId::Form4, false);
    if (roll < 60)
        return goBack("Command2", FormId::Form2, true);
    if (roll < 93)
        return exportWorkbook();
    const FormId result = m_showing;
    endProgram(QStringLiteral("结束"), [this, result] { m_driver->click(result, "Command3"); });
}

}  // namespace trevalo::testing

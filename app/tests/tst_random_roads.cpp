#include "app/testing/program_driver.h"
#include "app/tests/random_entries.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <set>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

constexpr int kSteps = 250;
const QStringList kNotices{QStringLiteral("楼层数超出范围！"), QStringLiteral("请完整输入数据"),
                           QStringLiteral("输入数据有误！"), QStringLiteral("电梯门开启宽度不符合标准")};

QString formName(FormId id) { return QStringLiteral("Form%1").arg(static_cast<int>(id) + 1); }

// Every named control of a form: hidden or not, text, current item, check state, caption
// and colour, scroll value.
QStringList snapshotOf(const QWidget& form)
{
    QStringList state;
    for (const QWidget* control : form.findChildren<QWidget*>(QRegularExpression(QStringLiteral(".")))) {
        QString value = control->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            value += QStringLiteral(", text '%1'").arg(edit->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            value += QStringLiteral(", text '%1' item %2").arg(combo->currentText()).arg(combo->currentIndex());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            value += button->isChecked() ? QStringLiteral(", checked") : QStringLiteral(", unchecked");
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            value += QStringLiteral(", '%1' in %2").arg(label->text(), label->palette().color(QPalette::WindowText).name());
        else if (const auto* slider = qobject_cast<const QAbstractSlider*>(control))
            value += QStringLiteral(", at %1").arg(slider->value());
        state << control->objectName() + ": " + value;
    }
    return state;
}

}  // namespace

// Walks seeded random roads through the assembled program by clicks and typing. After every
// step exactly the form the navigation rules lead to shows, the forms loaded are those the
// rules keep, a refusal has kept its form as it was, every shown figure is a plain number,
// and an end leaves no window. Failures report through Qt Test.
class RoadWalker {
public:
    explicit RoadWalker(quint64 seed) : m_random(seed) {}

    void takeStep(int step)
    {
        m_step = step;
        if (!m_driver) {
            m_driver = std::make_unique<ProgramDriver>();
            m_showing = FormId::Form2;
            m_loaded = {FormId::Form2};
        } else if (m_random.chance(1)) {
            return endProgram(QStringLiteral("end"), [this] { m_driver->navigator().end(); });
        } else if (m_showing == FormId::Form5 || m_showing == FormId::Form6) {
            stepOnResult();
        } else {
            stepOnWizardForm();
        }
        if (!QTest::currentTestFailed() && m_driver)
            checkShowing();
    }
    void finish()
    {
        if (m_driver)
            endProgram(QStringLiteral("end at the finish"), [this] { m_driver->navigator().end(); });
    }

private:
    QWidget* shownForm() const { return m_driver->form(m_showing); }
    bool shows(const QString& name) const
    {
        const auto* control = shownForm()->findChild<QWidget*>(name);
        return control != nullptr && control->isVisibleTo(shownForm());
    }
    QString entryText(FormId id, const QString& name) const
    {
        if (const auto* combo = m_driver->control<QComboBox>(id, name))
            return combo->currentText();
        const auto* edit = m_driver->control<QLineEdit>(id, name);
        return edit != nullptr ? edit->text() : QString();
    }
    bool isChecked(FormId id, const QString& name) const
    {
        const auto* button = m_driver->control<QAbstractButton>(id, name);
        return button != nullptr && button->isChecked();
    }

    // Message boxes the action raises go to raised; without raised, any box fails the step.
    void act(const QString& what, const std::function<void()>& action, QStringList* raised = nullptr)
    {
        const qsizetype before = m_catcher.texts().size();
        action();
        const QStringList boxes = m_catcher.texts().mid(before);
        if (raised != nullptr)
            *raised = boxes;
        else
            QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("step %1, %2 on %3 raised %4")
                                                     .arg(m_step).arg(what, formName(m_showing), boxes.join(" | "))));
    }
    void type(const QString& name, const QString& text)
    {
        act(QStringLiteral("type '%1' into %2").arg(text, name), [=, this] { m_driver->type(m_showing, name, text); });
    }
    void click(const QString& name)
    {
        act(QStringLiteral("click ") + name, [=, this] { m_driver->click(m_showing, name); });
    }

    // The entry boxes of the wizard form showing, in the order an engineer fills them.
    std::vector<std::pair<QString, EntryKind>> shownEntries() const
    {
        std::vector<std::pair<QString, EntryKind>> entries;
        if (m_showing == FormId::Form2)
            entries = {{"Text2", EntryKind::ProjectName}, {"N1", EntryKind::Floors}, {"Text1", EntryKind::Population}};
        for (int row = 0; m_showing == FormId::Form3 && row < 223; ++row)
            entries.emplace_back(QStringLiteral("Text1_%1").arg(row), EntryKind::FloorPopulation);
        if (m_showing == FormId::Form4)
            entries = {{"TEXT1_0", EntryKind::Travel}, {"TEXT1_1", EntryKind::FloorHeight}, {"TEXT1_2", EntryKind::ExpressDistance},
                       {"Combo2", EntryKind::DoorWidth}, {"TEXT1_3", EntryKind::LossPercent}, {"TEXT1_4", EntryKind::SharePercent},
                       {"TEXT1_5", EntryKind::SharePercent}, {"Combo1", EntryKind::Speed}, {"Combo3", EntryKind::RatedLoad},
                       {"TEXT1_7", EntryKind::Cars}, {"Text2", EntryKind::FinishingWeight}};
        std::erase_if(entries, [this](const auto& entry) { return !shows(entry.first); });
        return entries;
    }
    void fillShownEntries()
    {
        for (const auto& [name, kind] : shownEntries())
            type(name, m_random.entry(kind, entryText(FormId::Form2, "N1").toInt(), 4));
    }
    void setTicked(const QString& box, bool ticked)
    {
        if (shows(box) && isChecked(m_showing, box) != ticked)
            click(box);
    }

    // Fill the form, retype one entry, click a choice, end, back or OK, by
    // weights that take most roads to a result.
    void stepOnWizardForm()
    {
        const FormId f = m_showing;
        const auto entries = shownEntries();
        const bool incomplete = std::any_of(entries.cbegin(), entries.cend(),
                                            [this](const auto& entry) { return entryText(m_showing, entry.first).isEmpty(); });
        QStringList choices{"Option1", "Option2", "Option5", "Option3", "Option4", "Check1",   "Check2",
                            "Check3",  "Check4",  "Option1_0", "Option1_1", "Option1_2"};
        choices.removeIf([this](const QString& name) { return !shows(name); });
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
            const auto& [name, kind] = entries[static_cast<std::size_t>(m_random.below(static_cast<int>(entries.size())))];
            return type(name, m_random.entry(kind, entryText(FormId::Form2, "N1").toInt(), 25));
        }
        if (!choices.isEmpty() && rolled(12))
            return click(m_random.pickFrom(choices));
        if (rolled(3))
            return endProgram(QStringLiteral("终止退出"), [this, f] { m_driver->click(f, f == FormId::Form2 ? "Command2" : "Command3"); });
        if (f != FormId::Form2 && rolled(6))
            return goBack("Command1", FormId::Form2, true);
        pressOk(f == FormId::Form2 ? "Command1" : "Command2");
    }
    void stepOnResult()
    {
        const int roll = m_random.below(100);
        if (roll < 45)
            return goBack("Command1", FormId::Form4, false);
        if (roll < 85)
            return goBack("Command2", FormId::Form2, true);
        const FormId result = m_showing;
        endProgram(QStringLiteral("结束"), [this, result] { m_driver->click(result, "Command3"); });
    }

    // A notice keeps the form as it was (the door width notice empties Combo2); without one
    // OK moves on by the choices on the forms.
    void pressOk(const QString& button)
    {
        const FormId id = m_showing;
        QStringList before = snapshotOf(*shownForm());
        QStringList raised;
        act(QStringLiteral("click ") + button, [this, id, button] { m_driver->click(id, button); }, &raised);
        if (raised.isEmpty()) {
            FormId next = FormId::Form4;
            if (id == FormId::Form2 && isChecked(id, "Option4"))
                next = FormId::Form3;
            else if (id == FormId::Form2)
                QVERIFY2(isChecked(id, "Option3"), "Form2 moved on without a spread chosen");
            else if (id == FormId::Form4)
                next = isChecked(id, "Check3") ? FormId::Form5 : FormId::Form6;
            m_showing = next;
            m_loaded.insert(next);
            return;
        }
        QVERIFY2(raised.size() == 1 && kNotices.contains(raised.first()) && m_catcher.otherBoxes() == 0,
                 qPrintable(raised.join(" | ")));
        QStringList after = snapshotOf(*shownForm());
        if (raised.first() == kNotices.last()) {
            QVERIFY2(entryText(id, "Combo2").isEmpty(), "the door width notice left Combo2 filled");
            for (QStringList* state : {&before, &after})
                state->removeIf([](const QString& line) { return line.startsWith("Combo2: "); });
        }
        QCOMPARE(after, before);
    }

    // Back from a wizard form and recalculation unload the form left; back from a result
    // keeps it for the next analysis.
    void goBack(const QString& button, FormId to, bool unloadsItself)
    {
        click(button);
        if (unloadsItself)
            m_loaded.erase(m_showing);
        m_showing = to;
        m_loaded.insert(to);
    }

    // An end runs inside the event loop so that it can be seen to quit it.
    void endProgram(const QString& what, const std::function<void()>& trigger)
    {
        int status = -1;
        act(what, [&status, trigger] {
            QTimer::singleShot(0, qApp, trigger);
            status = QCoreApplication::exec();
        });
        QCOMPARE(status, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QWidget* widget : QApplication::topLevelWidgets())
            QFAIL(qPrintable(QStringLiteral("left behind: %1 %2").arg(widget->metaObject()->className(), widget->objectName())));
        m_driver.reset();
    }

    void checkShowing()
    {
        QVERIFY2(visibleForms() == QStringList{formName(m_showing)},
                 qPrintable(QStringLiteral("step %1: %2 shows, not %3").arg(m_step).arg(visibleForms().join(','), formName(m_showing))));
        for (const FormId id : {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Form6})
            QVERIFY2((m_driver->form(id) != nullptr) == (m_loaded.count(id) > 0),
                     qPrintable(formName(id) + (m_loaded.count(id) > 0 ? " is not loaded" : " is still loaded")));
        if (m_showing != FormId::Form5 && m_showing != FormId::Form6)
            return;
        const QRegularExpression figures(m_showing == FormId::Form5 ? "^Label7_\\d+$" : "^Label[2-8]_\\d+$");
        // Plain decimal digits, no trailing zeros, no exponent, no "inf" or "nan", no "-0".
        static const QRegularExpression plain(QStringLiteral("^(-?[1-9][0-9]*|-?0\\.[0-9]*[1-9]|0|-?[1-9][0-9]*\\.[0-9]*[1-9])$"));
        int shown = 0;
        for (const QLabel* label : shownForm()->findChildren<QLabel*>(figures)) {
            shown += label->isVisible() ? 1 : 0;
            QVERIFY2(!label->isVisible() || plain.match(label->text()).hasMatch(),
                     qPrintable(QStringLiteral("%1 %2 shows '%3'").arg(formName(m_showing), label->objectName(), label->text())));
        }
        QVERIFY2(shown > 0, "no figure is shown");
    }

    RandomEntries m_random;
    std::unique_ptr<ProgramDriver> m_driver;
    NoticeCatcher m_catcher;
    FormId m_showing = FormId::Form2;
    std::set<FormId> m_loaded;
    int m_step = 0;
};

class tst_RandomRoads : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }  // every road ended

    void roads_data()
    {
        QTest::addColumn<quint64>("seed");
        for (const quint64 seed : {quint64{1}, quint64{2}, quint64{3}, quint64{20261206}})
            QTest::addRow("seed %llu", seed) << seed;
    }

    void roads()
    {
        QFETCH(quint64, seed);
        RoadWalker walker(seed);
        for (int step = 1; step <= kSteps + 1 && !QTest::currentTestFailed(); ++step)
            step <= kSteps ? walker.takeStep(step) : walker.finish();
    }
};

QTEST_MAIN(tst_RandomRoads)
#include "tst_random_roads.moc"

#include "app/tests/road_walker.h"

#include "export/export_destination.h"
#include "export/workbook_opener.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace trevalo::testing {

namespace {

// Generous for the sanitized build; a step normally takes milliseconds.
constexpr int kStepCapMilliseconds = 20000;
constexpr qsizetype kLogLength = 30;

const QStringList kNotices{QStringLiteral("楼层数超出范围！"), QStringLiteral("请完整输入数据"),
                           QStringLiteral("输入数据有误！"), QStringLiteral("电梯门开启宽度不符合标准")};
const QString kDoorWidthNotice = kNotices.last();

QString formName(FormId id)
{
    return QStringLiteral("Form%1").arg(static_cast<int>(id) + 1);
}

// A figure as the result forms must show it: plain decimal digits, no trailing zeros, no
// exponent, no "inf" or "nan", and never a negative zero.
bool isPlainNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    return plain.match(text).hasMatch() && text != QStringLiteral("-0");
}

// Every named control of a form by name: hidden or not, text, current item, check state,
// caption and colour, scroll value.
using Snapshot = QMap<QString, QString>;

Snapshot snapshotOf(const QWidget& form)
{
    Snapshot state;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        QString value = control->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            value += QStringLiteral(", text '%1'").arg(edit->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            value += QStringLiteral(", text '%1' item %2").arg(combo->currentText()).arg(combo->currentIndex());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            value += button->isChecked() ? QStringLiteral(", checked") : QStringLiteral(", unchecked");
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            value += QStringLiteral(", '%1' in %2").arg(label->text(), label->palette().color(label->foregroundRole()).name());
        else if (const auto* slider = qobject_cast<const QAbstractSlider*>(control))
            value += QStringLiteral(", at %1").arg(slider->value());
        state[control->objectName()] = value;
    }
    return state;
}

QString firstDifference(const Snapshot& was, const Snapshot& now)
{
    for (const QString& name : was.keys() + now.keys())
        if (was.value(name, "missing") != now.value(name, "missing"))
            return QStringLiteral("%1: was %2, now %3").arg(name, was.value(name, "missing"), now.value(name, "missing"));
    return {};
}

}  // namespace

// Stands in for the desktop's file opener while it lives: a program that takes every workbook.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    workbook::OpenerOverride opener{QStringLiteral("true")};
};

RoadWalker::RoadWalker(quint64 seed)
    : m_random(seed),
      m_exportRedirect(std::make_unique<workbook::ExportRootOverride>(m_exportRoot.path())),
      m_opened(std::make_unique<OpenedUrls>())
{
}

RoadWalker::~RoadWalker()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString RoadWalker::entryText(FormId id, const QString& name) const
{
    if (const auto* combo = m_driver->control<QComboBox>(id, name))
        return combo->currentText();
    const auto* edit = m_driver->control<QLineEdit>(id, name);
    return edit != nullptr ? edit->text() : QString();
}

bool RoadWalker::isChecked(FormId id, const QString& name) const
{
    const auto* button = m_driver->control<QAbstractButton>(id, name);
    return button != nullptr && button->isChecked();
}

// A step that outlasts its cap fails instead of hanging: a modal window still open is
// closed, an event loop still running is left.
void RoadWalker::act(const QString& what, const std::function<void()>& action, QStringList* raised)
{
    m_log << QStringLiteral("%1: %2 on %3").arg(m_step).arg(what, formName(m_showing));
    while (m_log.size() > kLogLength)
        m_log.removeFirst();
    QString held;
    QTimer cap;
    cap.setTimerType(Qt::PreciseTimer);
    QObject::connect(&cap, &QTimer::timeout, [&held] {
        QWidget* modal = QApplication::activeModalWidget();
        held = modal ? "a modal window was never answered: " + modal->windowTitle() : "the step outlasted its cap";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        QCoreApplication::exit(1);
    });
    const qsizetype before = m_catcher.texts().size();
    cap.start(kStepCapMilliseconds);
    action();
    cap.stop();
    const QStringList boxes = m_catcher.texts().mid(before);
    if (!boxes.isEmpty())
        m_log.last() += QStringLiteral(" -> ") + boxes.join(QStringLiteral(" | "));
    QVERIFY2(held.isEmpty(), qPrintable(held));
    if (raised != nullptr)
        *raised = boxes;
    else
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes.join(" | ")));
}

void RoadWalker::type(const QString& name, const QString& text)
{
    act(QStringLiteral("type '%1' into %2").arg(text, name), [this, name, text] { m_driver->type(m_showing, name, text); });
}

void RoadWalker::click(const QString& name)
{
    act(QStringLiteral("click ") + name, [this, name] { m_driver->click(m_showing, name); });
}

// Whether an OK raises a notice is the wizard's and the analysis's business; either way
// the outcome must be consistent: a notice keeps the form as it was (the door width
// notice empties Combo2), no notice moves on by the choices on the forms.
void RoadWalker::pressOk(const QString& button)
{
    const FormId id = m_showing;
    Snapshot before = snapshotOf(*shownForm());
    QStringList raised;
    act(QStringLiteral("click ") + button, [this, id, button] { m_driver->click(id, button); }, &raised);
    if (QTest::currentTestFailed())
        return;
    if (raised.isEmpty()) {
        FormId next = FormId::Form4;
        if (id == FormId::Form2 && isChecked(id, "Option4"))
            next = FormId::Form3;
        else if (id == FormId::Form2)
            QVERIFY2(isChecked(id, "Option3"), "Form2 moved on without a spread chosen");
        else if (id == FormId::Form4)
            next = isChecked(id, "Check3") ? FormId::Form5 : FormId::Form6;
        if (next == FormId::Form5 || next == FormId::Form6)
            ++m_counts[formName(next)];
        m_showing = next;
        m_loaded.insert(next);
        return;
    }
    ++m_counts[QStringLiteral("notices")];
    QVERIFY2(raised.size() == 1 && kNotices.contains(raised.first()), qPrintable(raised.join(" | ")));
    Snapshot after = snapshotOf(*shownForm());
    if (raised.first() == kDoorWidthNotice) {
        QVERIFY2(entryText(id, "Combo2").isEmpty(), "the door width notice left Combo2 filled");
        before.remove("Combo2");
        after.remove("Combo2");
    }
    const QString changed = firstDifference(before, after);
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("the refusal changed the form: ") + changed));
}

// Back from a wizard form and recalculation unload the form left; back from a result
// keeps it for the next analysis.
void RoadWalker::goBack(const QString& button, FormId to, bool unloadsItself)
{
    act(QStringLiteral("click ") + button, [this, button] { m_driver->click(m_showing, button); });
    if (QTest::currentTestFailed())
        return;
    if (unloadsItself)
        m_loaded.erase(m_showing);
    m_showing = to;
    m_loaded.insert(to);
}

void RoadWalker::exportWorkbook()
{
    const Snapshot before = snapshotOf(*shownForm());
    act(QStringLiteral("生成Excel表格"), [this] { m_driver->click(m_showing, "Command4"); });
    if (QTest::currentTestFailed())
        return;
    QStringList files;
    for (QDirIterator it(m_exportRoot.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    QCOMPARE(files.size(), qsizetype{1});
    const QFileInfo workbook(files.first());
    QVERIFY2(workbook.isFile() && workbook.size() > 0 && workbook.suffix() == "xltx" &&
                 workbook.absolutePath().startsWith(QDir(m_exportRoot.path()).absolutePath() + '/'),
             qPrintable(workbook.absoluteFilePath()));
    QVERIFY(QFile::remove(workbook.absoluteFilePath()));
    QVERIFY(QDir().rmdir(workbook.absolutePath()));
    ++m_counts[QStringLiteral("exports")];
    const QString changed = firstDifference(before, snapshotOf(*shownForm()));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("the export changed the form: ") + changed));
}

// An end runs inside the event loop so that it can be seen to quit it.
void RoadWalker::endProgram(const QString& what, const std::function<void()>& trigger)
{
    int status = -1;
    act(what, [&status, trigger] {
        QTimer::singleShot(0, qApp, trigger);
        status = QCoreApplication::exec();
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(status, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QFAIL(qPrintable(QStringLiteral("left behind: %1 %2").arg(widget->metaObject()->className(), widget->objectName())));
    m_driver.reset();
    ++m_counts[QStringLiteral("roads")];
}

void RoadWalker::checkShowing()
{
    QCOMPARE(visibleForms(), QStringList{formName(m_showing)});
    for (const FormId id : {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Form6})
        QVERIFY2((m_driver->form(id) != nullptr) == (m_loaded.count(id) > 0),
                 qPrintable(formName(id) + (m_loaded.count(id) > 0 ? " is not loaded" : " is still loaded")));
}

void RoadWalker::checkFigures()
{
    if (m_showing != FormId::Form5 && m_showing != FormId::Form6)
        return;
    const QRegularExpression figures(m_showing == FormId::Form5 ? "^Label7_\\d+$" : "^Label[2-8]_\\d+$");
    int shown = 0;
    for (const QLabel* label : shownForm()->findChildren<QLabel*>(figures)) {
        if (!label->isVisible())
            continue;
        ++shown;
        QVERIFY2(isPlainNumber(label->text()), qPrintable(QStringLiteral("%1 %2 shows '%3'")
                                                              .arg(formName(m_showing), label->objectName(), label->text())));
    }
    QVERIFY2(shown > 0, "no figure is shown");
}

}  // namespace trevalo::testing

#include "road_checks.moc"

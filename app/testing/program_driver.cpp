#include "app/testing/program_driver.h"

#include "app/program.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

namespace trevalo::testing {

namespace {

template <class T>
T* mustFind(const ProgramDriver& driver, FormId id, const QString& name)
{
    T* found = driver.control<T>(id, name);
    if (found == nullptr)
        qFatal("form %d has no %s", static_cast<int>(id), qPrintable(name));
    return found;
}

void setChecked(ProgramDriver& driver, QAbstractButton* box, bool checked)
{
    if (box->isChecked() != checked)
        driver.clickButton(box);
    if (box->isChecked() != checked)
        qFatal("clicking %s did not toggle it", qPrintable(box->objectName()));
}

}  // namespace

ProgramDriver::ProgramDriver(FormId first) : m_navigator(assembleProgram())
{
    m_navigator->show(first);
}

ProgramDriver::~ProgramDriver() = default;

QWidget* ProgramDriver::form(FormId id) const
{
    return m_navigator == nullptr ? nullptr : m_navigator->form(id);
}

void ProgramDriver::clickButton(QAbstractButton* button)
{
    // Check boxes and option buttons answer a click on their indicator.
    QPoint at = button->rect().center();
    if (qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element = qobject_cast<QCheckBox*>(button) != nullptr ? QStyle::SE_CheckBoxIndicator
                                                                         : QStyle::SE_RadioButtonIndicator;
        at = button->style()->subElementRect(element, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void ProgramDriver::click(FormId id, const QString& name)
{
    clickButton(mustFind<QAbstractButton>(*this, id, name));
}

void ProgramDriver::type(FormId id, const QString& name, const QString& text)
{
    QWidget* target = mustFind<QWidget>(*this, id, name);
    QLineEdit* edit = qobject_cast<QLineEdit*>(target);
    if (auto* combo = qobject_cast<QComboBox*>(target))
        edit = combo->lineEdit();
    if (edit == nullptr)
        qFatal("%s takes no typing", qPrintable(name));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    // Chinese arrives from an input method as committed text; the rest as key presses.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(edit, &commit);
        }
    }
    if (edit->text() != text)
        qFatal("typing into %s gave '%s'", qPrintable(name), qPrintable(edit->text()));
}

void ProgramDriver::enterBuilding(const BuildingEntries& entries)
{
    type(FormId::Form2, QStringLiteral("Text2"), QStringLiteral("测试项目"));
    click(FormId::Form2, entries.buildingOption);
    type(FormId::Form2, QStringLiteral("N1"), entries.floors);
    type(FormId::Form2, QStringLiteral("Text1"), entries.population);
    click(FormId::Form2, entries.perFloor ? QStringLiteral("Option4") : QStringLiteral("Option3"));
    click(FormId::Form2, QStringLiteral("Command1"));
    if (!entries.perFloor || entries.floorPopulations.isEmpty())
        return;  // per floor without floor entries: stays on Form3
    for (int row = 0; row < entries.floorPopulations.size(); ++row)
        type(FormId::Form3, QStringLiteral("Text1_%1").arg(row), entries.floorPopulations[row]);
    click(FormId::Form3, QStringLiteral("Command2"));
}

void ProgramDriver::enterElevator(const ElevatorEntries& entries)
{
    const FormId f = FormId::Form4;
    type(f, QStringLiteral("TEXT1_0"), entries.travel);
    type(f, QStringLiteral("TEXT1_1"), entries.floorHeight);
    setChecked(*this, mustFind<QCheckBox>(*this, f, QStringLiteral("Check1")), entries.expressDistance.has_value());
    if (entries.expressDistance)
        type(f, QStringLiteral("TEXT1_2"), *entries.expressDistance);
    if (entries.doorOption >= 0)
        click(f, QStringLiteral("Option1_%1").arg(entries.doorOption));
    type(f, QStringLiteral("Combo2"), entries.doorWidth);
    setChecked(*this, mustFind<QCheckBox>(*this, f, QStringLiteral("Check2")), entries.advanceOpening);
    if (entries.lossPercent)
        type(f, QStringLiteral("TEXT1_3"), *entries.lossPercent);
    if (entries.upPercent)
        type(f, QStringLiteral("TEXT1_4"), *entries.upPercent);
    if (entries.downPercent)
        type(f, QStringLiteral("TEXT1_5"), *entries.downPercent);
    type(f, QStringLiteral("Combo1"), entries.speed);
    setChecked(*this, mustFind<QCheckBox>(*this, f, QStringLiteral("Check3")), entries.decided);
    if (entries.decided) {
        type(f, QStringLiteral("Combo3"), entries.ratedLoad);
        type(f, QStringLiteral("TEXT1_7"), entries.cars);
        setChecked(*this, mustFind<QCheckBox>(*this, f, QStringLiteral("Check4")), entries.finishingWeight.has_value());
        if (entries.finishingWeight)
            type(f, QStringLiteral("Text2"), *entries.finishingWeight);
    }
}

void ProgramDriver::runRoad(const BuildingEntries& building, const ElevatorEntries& elevator)
{
    enterBuilding(building);
    enterElevator(elevator);
    pressAnalysisOk();
}

NoticeCatcher::NoticeCatcher(Observer observer) : m_observer(std::move(observer))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &NoticeCatcher::poll);
    m_timer.start();
}

void NoticeCatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    const bool notice = box->windowTitle() == QStringLiteral("注意") && box->icon() == QMessageBox::Information &&
                        box->buttons().size() == 1 && ok != nullptr;
    m_titles << box->windowTitle();
    m_texts << box->text();
    m_informativeTexts << box->informativeText();
    m_otherBoxes += notice ? 0 : 1;
    if (m_observer)
        m_observer(*box);
    for (QAbstractButton* button : box->buttons()) {
        if (!m_answer.isEmpty() && button->text() == m_answer)
            ok = button;
    }
    if (ok != nullptr)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->done(QMessageBox::Ok);
}

bool dropProgram(std::unique_ptr<ProgramDriver>& driver)
{
    driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::topLevelWidgets().isEmpty();
}

QStringList visibleForms()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            names << widget->objectName();
    names.sort();
    return names;
}

QString shownTitle(const QWidget& form)
{
    return form.windowHandle() == nullptr ? QStringLiteral("not shown") : form.windowHandle()->title();
}

QStringList inputEntries(const Navigator& navigator)
{
    QStringList state;
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4})
        state << (navigator.form(id) != nullptr ? controlStates(*navigator.form(id)) : QStringList{"not loaded"});
    return state;
}

QStringList controlStates(const QWidget& form)
{
    QStringList state;
    for (const QWidget* c : form.findChildren<QWidget*>(QRegularExpression(QStringLiteral(".")))) {
        if (form.objectName() == QLatin1String("Form2") &&
            (c->objectName() == QLatin1String("Label1") || c->objectName() == QLatin1String("Label7")))
            continue;
        QString value = c->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
        if (const auto* edit = qobject_cast<const QLineEdit*>(c))
            value += QStringLiteral(" '%1'").arg(edit->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(c))
            value += QStringLiteral(" '%1'").arg(combo->currentText());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(c))
            value += button->isChecked() ? QStringLiteral(" ticked") : QString();
        else if (const auto* label = qobject_cast<const QLabel*>(c))
            value += QStringLiteral(" '%1' %2").arg(label->text(), label->palette().color(QPalette::WindowText).name());
        else
            continue;
        state << form.objectName() + QLatin1Char('.') + c->objectName() + QLatin1Char(' ') + value;
    }
    return state;
}

}  // namespace trevalo::testing

#pragma once

#include "wizard/form_id.h"
#include "wizard/navigator.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace trevalo::testing {

// What the building data form is given; the defaults are the worked example.
struct BuildingEntries {
    QString buildingOption = QStringLiteral("Option1");  // Option1 / Option2 / Option5
    QString floors = QStringLiteral("10");
    QString population = QStringLiteral("500");
    bool perFloor = false;
    QStringList floorPopulations;                         // typed into Form3 row by row
};

// What the elevator parameters form is given; the defaults are the worked example. An
// unset optional keeps the form's own default text.
struct ElevatorEntries {
    QString travel = QStringLiteral("30");
    QString floorHeight = QStringLiteral("3");
    std::optional<QString> expressDistance;               // ticks Check1 and types it
    int doorOption = 0;                                   // Option1(0..2); -1: none chosen
    QString doorWidth = QStringLiteral("900");
    bool advanceOpening = false;
    std::optional<QString> lossPercent;
    std::optional<QString> upPercent;
    std::optional<QString> downPercent;
    QString speed = QStringLiteral("1.75");
    bool decided = true;                                  // Check3
    QString ratedLoad = QStringLiteral("1000");
    QString cars = QStringLiteral("2");
    std::optional<QString> finishingWeight;               // ticks Check4 and types it
};

// Drives the assembled program through its real widgets, with mouse clicks and typing.
class ProgramDriver {
public:
    // The program assembled and its first form shown; the tests skip the splash.
    explicit ProgramDriver(FormId first = FormId::Form2);
    ~ProgramDriver();

    Navigator& navigator() { return *m_navigator; }

    QWidget* form(FormId id) const;
    template <class T>
    T* control(FormId id, const QString& name) const
    {
        QWidget* owner = form(id);
        return owner == nullptr ? nullptr : owner->findChild<T*>(name);
    }

    void click(FormId id, const QString& name);
    void clickButton(QAbstractButton* button);
    // Replaces the text of a text box or an editable combo box by typing.
    void type(FormId id, const QString& name, const QString& text);

    // Fills the building data form and presses its OK; per floor, fills Form3 and its OK too
    // (given no floor entries, it stops there).
    void enterBuilding(const BuildingEntries& entries);
    // Fills the elevator parameters form (without pressing OK).
    void enterElevator(const ElevatorEntries& entries);
    void pressAnalysisOk() { click(FormId::Form4, QStringLiteral("Command2")); }

    // Both forms filled and the analysis run.
    void runRoad(const BuildingEntries& building, const ElevatorEntries& elevator);

private:
    std::unique_ptr<Navigator> m_navigator;
};

// Answers modal message boxes as they appear: records title, text and the informative text
// under it, counts the boxes
// not styled as a notice (title "注意", information icon, one OK button), shows the box to
// the optional observer, then presses the button captioned answer, or else OK.
class NoticeCatcher : public QObject {
    Q_OBJECT
public:
    using Observer = std::function<void(QMessageBox&)>;
    explicit NoticeCatcher(Observer observer = {});

    // The caption of the button to press from now on, where a box has one.
    void answerWith(const QString& caption) { m_answer = caption; }

    QStringList texts() const { return m_texts; }
    QStringList informativeTexts() const { return m_informativeTexts; }
    QStringList titles() const { return m_titles; }
    int otherBoxes() const { return m_otherBoxes; }

private:
    void poll();

    Observer m_observer;
    QString m_answer;
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_informativeTexts;
    QStringList m_titles;
    int m_otherBoxes = 0;
};

// Ends a test's program and its deferred deletions; true when no window is left.
bool dropProgram(std::unique_ptr<ProgramDriver>& driver);

// Every top-level widget that is visible, by object name.
QStringList visibleForms();

// The title as the window shows it, Qt's mark of unsaved changes applied.
QString shownTitle(const QWidget& form);

// controlStates() of the three input forms, "not loaded" for a form that is not.
QStringList inputEntries(const Navigator& navigator);

// Every named control of a form as the user sees it: hidden or shown, text, choice, tick,
// caption and colour. The building data form's clock labels are left out.
QStringList controlStates(const QWidget& form);

}  // namespace trevalo::testing

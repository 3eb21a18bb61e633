#pragma once

#include "app/testing/program_driver.h"
#include "app/tests/random_entries.h"
#include "app/tests/road_oracle.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace trevalo::workbook {
class ExportRootOverride;
}

namespace trevalo::testing {

// Stands in for the desktop's file opener while it lives: records the URLs the export opens.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

// Caps one step: a modal window still open when the time is up is recorded and closed, so
// the step fails instead of hanging.
class StepWatchdog : public QObject {
    Q_OBJECT
public:
    explicit StepWatchdog(int capMilliseconds);

    void arm();
    // What held the step up, or empty when it finished in time.
    QString disarm();

private:
    void expire();

    QTimer m_timer;
    QString m_held;
};

// Which form should show and which are loaded, by the navigation rules: forward hides,
// back unloads its own form, a notice keeps the form, result forms replace Form4.
struct RoadModel {
    FormId showing = FormId::Form2;
    std::set<FormId> loaded{FormId::Form2};
    std::map<FormId, Snapshot> keptWhileHidden;  // the wizard forms as they were left
};

// Walks random roads through the assembled program, one step per call, checking the
// program against the model after every step. Checks report through Qt Test.
class RoadWalker {
public:
    explicit RoadWalker(quint64 seed);
    ~RoadWalker();

    void takeStep(int step);
    // Ends the road in progress and checks that nothing is left.
    void finish();

    QString recentActions() const { return m_log.join('\n'); }
    int roads() const { return m_roads; }
    int analyses() const { return m_singleResults + m_loadTables; }
    int singleResults() const { return m_singleResults; }
    int loadTables() const { return m_loadTables; }
    int notices() const { return m_notices; }
    int exports() const { return m_exports; }

private:
    void startRoad();
    void stepOnBuildingData();
    void stepOnFloorPopulation();
    void stepOnElevatorParameters();
    void stepOnResult(FormId id);

    void fillBuildingData();
    void fillFloorPopulation();
    void fillElevatorParameters();
    void typeEntry(FormId id, const QString& name, const QString& text);
    void setChecked(FormId id, const QString& name, bool checked);
    void click(FormId id, const QString& name);
    void pressOk(FormId id, const QString& button, const QString& enterBox, const Expectation& expected);
    void exportWorkbook(FormId id);
    void endProgram(const QString& what, std::function<void()> trigger);

    // Runs one action under the watchdog. The message boxes it raises go to raised; without
    // raised, any box fails the step.
    void act(const QString& what, const std::function<void()>& action, QStringList* raised = nullptr);

    void leave(FormId id);
    void unloaded(FormId id);
    void arrive(FormId id);
    void checkFreshForm(FormId id);
    void checkShowing();
    void checkFigures();
    int servedFloors() const;

    RandomEntries m_random;
    std::unique_ptr<ProgramDriver> m_driver;
    std::unique_ptr<NoticeCatcher> m_catcher;
    RoadModel m_model;
    StepWatchdog m_watchdog;
    QTemporaryDir m_exportRoot;
    std::unique_ptr<workbook::ExportRootOverride> m_exportRedirect;
    std::unique_ptr<OpenedUrls> m_opened;
    QStringList m_log;
    int m_step = 0;
    const bool m_verbose = qEnvironmentVariableIsSet("TREVALO_RANDOM_VERBOSE");
    ResultLayout m_resultLayout;
    int m_roads = 0;
    int m_singleResults = 0;
    int m_loadTables = 0;
    int m_notices = 0;
    int m_exports = 0;
};

}  // namespace trevalo::testing

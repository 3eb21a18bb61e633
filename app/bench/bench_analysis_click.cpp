// Measures, on the offscreen platform, the time from a click on the elevator parameters
// form's OK to the filled result form shown: the worked example (single result) and a
// 129-floor per-floor load sweep. The first click loads the result form; later ones reuse
// it after "上一步". With --road it walks one whole road from the splash to "结束" instead,
// for a peak-memory reading:
//   QT_QPA_PLATFORM=offscreen /usr/bin/time -v bench_analysis_click --road
#include "app/program.h"
#include "app/testing/program_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

constexpr int kRepeats = 50;

// Counts the paint events of a form, to see when the shown result has been drawn.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

struct ClickTimes {
    double filled = 0;   // the click has returned: result form filled and shown
    double painted = 0;  // and the event loop has drawn it
};

ClickTimes timeAnalysisClick(ProgramDriver& driver, FormId result)
{
    PaintCounter paints;
    if (QWidget* loaded = driver.form(result))
        loaded->installEventFilter(&paints);
    QElapsedTimer timer;
    timer.start();
    driver.pressAnalysisOk();
    ClickTimes times;
    times.filled = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QWidget* shown = driver.form(result);
    if (shown == nullptr || !shown->isVisible())
        qFatal("the analysis did not show its result form");
    shown->installEventFilter(&paints);  // a form loaded by this click
    while (paints.count == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    times.painted = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    shown->removeEventFilter(&paints);
    return times;
}

void measure(const char* name, const BuildingEntries& building, const ElevatorEntries& elevator)
{
    // A refused analysis must not pass for a fast one.
    NoticeCatcher refusal([](QMessageBox& box) { qFatal("the analysis refused: %s", qPrintable(box.text())); });
    ProgramDriver driver;
    driver.enterBuilding(building);
    driver.enterElevator(elevator);
    const FormId result = elevator.decided ? FormId::Form5 : FormId::Form6;

    const ClickTimes first = timeAnalysisClick(driver, result);
    std::vector<double> filled;
    std::vector<double> painted;
    for (int i = 0; i < kRepeats; ++i) {
        driver.click(result, QStringLiteral("Command1"));
        QCoreApplication::processEvents();
        const ClickTimes again = timeAnalysisClick(driver, result);
        filled.push_back(again.filled);
        painted.push_back(again.painted);
    }
    std::sort(filled.begin(), filled.end());
    std::sort(painted.begin(), painted.end());
    std::printf("%s\n  first click (loads the form): filled %.2f ms, painted %.2f ms\n"
                "  again after back, n=%d: filled median %.2f / max %.2f ms, painted median %.2f / max %.2f ms\n",
                name, first.filled, first.painted, kRepeats, filled[filled.size() / 2], filled.back(),
                painted[painted.size() / 2], painted.back());
    std::fflush(stdout);
}

BuildingEntries perFloor129()
{
    BuildingEntries building;
    building.floors = QStringLiteral("129");
    building.perFloor = true;
    for (int floor = 0; floor < 129; ++floor)
        building.floorPopulations << QString::number(10 + floor % 7);
    return building;
}

// 129 floors of 3 m above a 3 m ground floor: the travel reaches the top served floor.
ElevatorEntries tallSweep()
{
    ElevatorEntries elevator;
    elevator.travel = QStringLiteral("390");
    elevator.decided = false;
    return elevator;
}

int walkOneRoad()
{
    NoticeCatcher refusal([](QMessageBox& box) { qFatal("the analysis refused: %s", qPrintable(box.text())); });
    ProgramDriver driver(FormId::Form1);
    if (!QTest::qWaitFor([&driver] { return driver.form(FormId::Form2) != nullptr; }, 5000))
        return 1;
    driver.enterBuilding(perFloor129());
    driver.enterElevator(tallSweep());
    driver.pressAnalysisOk();
    if (driver.form(FormId::Form6) == nullptr)
        return 1;
    QTimer::singleShot(0, [&driver] { driver.click(FormId::Form6, QStringLiteral("Command3")); });
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    if (argc > 1 && std::strcmp(argv[1], "--road") == 0)
        return walkOneRoad();

    measure("worked example, single result", BuildingEntries{}, ElevatorEntries{});
    measure("129 floors per floor, load sweep", perFloor129(), tallSweep());
    return 0;
}

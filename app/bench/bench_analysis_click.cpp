// Measures, on the offscreen platform, the time from a click on the elevator parameters
// form's OK to the filled result form shown: the worked example (single result) and a
// 129-floor per-floor load sweep. The first click loads the result form; later ones reuse
// it after "上一步". Then the sizing form: from a keystroke in a target to the ranked list
// refreshed and drawn, over 16 cars, 16 loads and all 15 speeds with 129 floors. With --road it walks one whole road from the splash to "结束" instead,
// for a peak-memory reading:
//   QT_QPA_PLATFORM=offscreen /usr/bin/time -v bench_analysis_click --road
#include "app/program.h"
#include "app/testing/program_driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
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

void measureSizingKeystroke()
{
    NoticeCatcher refusal([](QMessageBox& box) { qFatal("the search refused: %s", qPrintable(box.text())); });
    ProgramDriver driver;
    driver.enterBuilding(perFloor129());
    driver.enterElevator(tallSweep());
    driver.click(FormId::Form4, QStringLiteral("Command4"));
    for (int i = 0; i < 15; ++i) {
        auto* speed = driver.control<QCheckBox>(FormId::Form7, QStringLiteral("Check1_%1").arg(i));
        if (!speed->isChecked())
            driver.clickButton(speed);
    }
    driver.type(FormId::Form7, QStringLiteral("Text1_3"), QStringLiteral("16"));
    auto* hc = driver.control<QLineEdit>(FormId::Form7, QStringLiteral("Text1_0"));
    QWidget* list = driver.control<QTableView>(FormId::Form7, QStringLiteral("Table1"))->viewport();
    QCoreApplication::processEvents();
    std::vector<double> shown;
    for (int i = 0; i < kRepeats; ++i) {
        QTest::keyClick(hc, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        PaintCounter paints;
        list->installEventFilter(&paints);
        QElapsedTimer timer;
        timer.start();
        // From an emptied target (refused, no list) to 7 % or 6 %: the whole list comes back.
        QTest::keyClick(hc, i % 2 == 0 ? '7' : '6');
        while (paints.count == 0 && timer.elapsed() < 5000)
            QCoreApplication::processEvents();
        shown.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        list->removeEventFilter(&paints);
    }
    std::sort(shown.begin(), shown.end());
    std::printf("sizing form, 16 cars x 16 loads x 15 speeds, 129 floors per floor\n"
                "  keystroke in a target to the list drawn, n=%d: median %.2f / max %.2f ms\n",
                kRepeats, shown[shown.size() / 2], shown.back());
    std::fflush(stdout);
    driver.click(FormId::Form7, QStringLiteral("Command3"));
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
    measureSizingKeystroke();
    return 0;
}

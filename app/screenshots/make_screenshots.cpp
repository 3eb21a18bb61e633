// Walks the program through both roads on the offscreen platform and grabs every form, and
// one notice, into PNG files: make_screenshots <directory>.
#include "app/program.h"
#include "app/testing/program_driver.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

bool save(QWidget& widget, const QDir& directory, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = directory.filePath(name);
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

bool saveForm(ProgramDriver& driver, FormId id, const QDir& directory, const QString& name)
{
    QWidget* form = driver.form(id);
    if (form == nullptr || !form->isVisible()) {
        std::printf("FAILED %s: form not shown\n", qPrintable(name));
        return false;
    }
    return save(*form, directory, name);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    const QDir directory(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    if (!QDir().mkpath(directory.path()))
        return 1;

    bool ok = true;
    ProgramDriver driver(FormId::Form1);
    ok &= saveForm(driver, FormId::Form1, directory, QStringLiteral("form1_splash.png"));
    // The splash moves on by itself after six ticks of its timer.
    if (!QTest::qWaitFor([&driver] { return driver.form(FormId::Form2) != nullptr; }, 5000))
        return 1;

    // Road A, population entered floor by floor, load and number decided.
    BuildingEntries building;
    building.perFloor = true;
    building.floors = QStringLiteral("20");
    for (int floor = 0; floor < 20; ++floor)
        building.floorPopulations << QString::number(floor < 10 ? 30 : 20);
    driver.type(FormId::Form2, QStringLiteral("Text2"), QStringLiteral("示例住宅楼"));
    driver.click(FormId::Form2, QStringLiteral("Option1"));
    driver.type(FormId::Form2, QStringLiteral("N1"), building.floors);
    driver.type(FormId::Form2, QStringLiteral("Text1"), QStringLiteral("500"));
    driver.click(FormId::Form2, QStringLiteral("Option4"));
    ok &= saveForm(driver, FormId::Form2, directory, QStringLiteral("form2_building_data.png"));
    driver.click(FormId::Form2, QStringLiteral("Command1"));
    for (int floor = 0; floor < building.floorPopulations.size(); ++floor)
        driver.type(FormId::Form3, QStringLiteral("Text1_%1").arg(floor), building.floorPopulations[floor]);
    ok &= saveForm(driver, FormId::Form3, directory, QStringLiteral("form3_floor_population.png"));
    driver.click(FormId::Form3, QStringLiteral("Command2"));

    ElevatorEntries elevator;
    elevator.travel = QStringLiteral("60");
    elevator.doorWidth = QStringLiteral("799");
    elevator.finishingWeight = QStringLiteral("300");
    driver.enterElevator(elevator);
    ok &= saveForm(driver, FormId::Form4, directory, QStringLiteral("form4_elevator_parameters.png"));
    {
        NoticeCatcher catcher([&](QMessageBox& box) { ok &= save(box, directory, QStringLiteral("notice.png")); });
        driver.pressAnalysisOk();
        ok &= catcher.texts().size() == 1;
    }
    driver.type(FormId::Form4, QStringLiteral("Combo2"), QStringLiteral("900"));
    driver.pressAnalysisOk();
    ok &= saveForm(driver, FormId::Form5, directory, QStringLiteral("form5_single_result.png"));

    // The simulation of that configuration, at its default entries.
    driver.click(FormId::Form5, QStringLiteral("Simulate"));
    driver.click(FormId::Form8, QStringLiteral("Command1"));
    ok &= QTest::qWaitFor([&driver] { return driver.control<QPushButton>(FormId::Form8, QStringLiteral("Command4"))->isEnabled(); },
                          30000);
    ok &= saveForm(driver, FormId::Form8, directory, QStringLiteral("form8_simulation.png"));
    driver.click(FormId::Form8, QStringLiteral("Command3"));

    // Road B: back to the parameters, the load and number left open.
    driver.click(FormId::Form5, QStringLiteral("Command1"));
    driver.click(FormId::Form4, QStringLiteral("Check3"));
    driver.pressAnalysisOk();
    ok &= saveForm(driver, FormId::Form6, directory, QStringLiteral("form6_load_table.png"));

    // The sizing search from the parameters form, at the building type's presets.
    driver.click(FormId::Form6, QStringLiteral("Command1"));
    driver.click(FormId::Form4, QStringLiteral("Command4"));
    ok &= saveForm(driver, FormId::Form7, directory, QStringLiteral("form7_sizing.png"));

    driver.click(FormId::Form7, QStringLiteral("Command3"));
    return ok ? 0 : 1;
}

#include "app/export_record_collector.h"
#include "app/project_commands.h"
#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "export/result_layouts.h"
#include "export/workbook_layout.h"
#include "project/project_file.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

// One road through the forms: what is typed and clicked, then 确定.
struct Road {
    const char* name;
    BuildingEntries building;
    ElevatorEntries elevator;
};

ElevatorEntries sweep(ElevatorEntries e)
{
    e.decided = false;
    return e;
}

const std::vector<Road>& roads()
{
    static const std::vector<Road> table = [] {
        std::vector<Road> r;
        ElevatorEntries worked;  // 30 m, 3 m, 2CO 900, 1.75 m/s, 1000 kg, 2 cars
        ElevatorEntries machineRoom = worked;
        machineRoom.finishingWeight = QStringLiteral("300");
        machineRoom.speed = QStringLiteral("2.5");
        r.push_back({"fixed configuration with machine room", BuildingEntries{"Option1", "10", "500", false, {}}, machineRoom});
        r.push_back({"residential even, load table", BuildingEntries{"Option1", "10", "500", false, {}}, sweep(worked)});
        ElevatorEntries office = sweep(worked);
        office.travel = QStringLiteral("６３");  // full-width digits
        office.upPercent = QStringLiteral("30");
        office.downPercent = QStringLiteral("45");
        office.doorOption = 1;
        office.doorWidth = QStringLiteral("1100");
        r.push_back({"office per floor, full-width travel, load table",
                     BuildingEntries{"Option2", "6", "0", true, {"100", "１２０", "1,000", "", "80", " 90"}}, office});
        ElevatorEntries owner = worked;
        owner.travel = QStringLiteral("120");
        owner.floorHeight = QStringLiteral("3.5");
        owner.expressDistance = QStringLiteral("15");
        owner.doorOption = 2;
        owner.doorWidth = QStringLiteral("2000");
        owner.advanceOpening = true;
        owner.cars = QStringLiteral("1,000");
        r.push_back({"owner-occupied express zone, 4CO, full-width population, car count with a comma",
                     BuildingEntries{"Option5", "30", "２４００", false, {}}, owner});
        ElevatorEntries perFloorSingle = worked;
        perFloorSingle.ratedLoad = QStringLiteral("１３５０");
        r.push_back({"residential per floor, full-width load, single result",
                     BuildingEntries{"Option1", "4", "0", true, {"50", "60", "70", "80"}}, perFloorSingle});
        return r;
    }();
    return table;
}


// The cells a result's workbook writes, the moment of the export aside.
template <class Record, class Layout>
QStringList cellsOf(std::optional<Record> record, Layout layout)
{
    if (!record)
        return {QStringLiteral("no record")};
    record->entered.dateCaption = record->entered.timeCaption = "";
    QStringList cells;
    const workbook::WorkbookLayout laid = layout(*record);
    for (const auto& [at, cell] : laid.sheet.cells())
        cells << QStringLiteral("%1,%2 %3").arg(at.row).arg(at.column).arg(QString::fromStdString(cell.text));
    return cells;
}

// The shown result form's captions and hidden rows, and the cells its workbook writes.
QStringList outcomeOf(const Navigator& navigator)
{
    QStringList outcome = visibleForms();
    if (const auto* single = navigator.formAs<SingleResultForm>(FormId::Form5)) {
        for (int i = 0; i < SingleResultForm::kValueCount; ++i)
            outcome << single->valueText(i);
        outcome << QString::number(single->structuralLoadRowVisible()) << QString::number(single->pitDepthRowVisible());
        outcome << cellsOf(collectSingleResultRecord(navigator), workbook::singleResultLayout);
    }
    if (const auto* table = navigator.formAs<LoadTableForm>(FormId::Form6)) {
        for (int column = 0; column < LoadTableForm::kColumns; ++column)
            outcome << table->headerText(column);
        for (int row = 0; row < LoadTableForm::kRows; ++row)
            for (int array = 1; array <= LoadTableForm::kColumns; ++array)
                outcome << table->cellText(array, row) + (table->rowVisible(row) ? QString() : QStringLiteral(" hidden"));
        outcome << cellsOf(collectLoadTableRecord(navigator), workbook::loadTableLayout);
    }
    return outcome;
}

ProjectSession& sessionOf(ProgramDriver& driver) { return *ProjectSession::of(driver.navigator()); }


}  // namespace

class ProjectRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void savedAndOpenedGivesTheSameForms_data();
    void savedAndOpenedGivesTheSameForms();
    void refusedFileLeavesTheForms_data();
    void refusedFileLeavesTheForms();
    void openingClosesTheResultAndShowsTheFileName();
    void fileDefaultsDoNotGiveWayToFormDefaults();
    void entriesBehindANoticeAreKept();

private:
    QString write(const QString& name, const QByteArray& content)
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() ? file.fileName() : QString();
    }

    QTemporaryDir m_folder;
    std::unique_ptr<ProgramDriver> m_first;
    std::unique_ptr<ProgramDriver> m_second;
};

void ProjectRoadsTest::cleanup()
{
    dropProgram(m_first);
    QVERIFY(dropProgram(m_second));
}

void ProjectRoadsTest::savedAndOpenedGivesTheSameForms_data()
{
    QTest::addColumn<int>("road");
    for (std::size_t i = 0; i < roads().size(); ++i)
        QTest::newRow(roads()[i].name) << static_cast<int>(i);
}

void ProjectRoadsTest::savedAndOpenedGivesTheSameForms()
{
    QFETCH(int, road);
    const Road& r = roads()[static_cast<std::size_t>(road)];
    NoticeCatcher catcher;
    m_first = std::make_unique<ProgramDriver>();
    m_first->enterBuilding(r.building);
    m_first->enterElevator(r.elevator);
    const QStringList typed = inputEntries(m_first->navigator());
    m_first->pressAnalysisOk();
    QVERIFY2(catcher.texts().isEmpty(), qPrintable(catcher.texts().join(' ')));
    const QStringList outcome = outcomeOf(m_first->navigator());
    QVERIFY2(outcome.contains(QStringLiteral("Form5")) || outcome.contains(QStringLiteral("Form6")),
             qPrintable(visibleForms().join(' ')));
    const QString path = m_folder.filePath(QStringLiteral("%1.trevalo").arg(road));
    QVERIFY(saveProjectFile(sessionOf(*m_first), path, nullptr));
    QVERIFY(dropProgram(m_first));

    m_second = std::make_unique<ProgramDriver>();
    QVERIFY(openProjectFile(sessionOf(*m_second), path, nullptr));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
    QCOMPARE(inputEntries(m_second->navigator()), typed);
    m_second->pressAnalysisOk();
    QCOMPARE(outcomeOf(m_second->navigator()), outcome);
    QCOMPARE(catcher.texts(), QStringList());
}

void ProjectRoadsTest::refusedFileLeavesTheForms_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not JSON") << QByteArray("楼层 = 10") << QStringLiteral("不是有效的 JSON 文本（第 ");
    QTest::newRow("member of a wrong type")
        << QByteArray(R"({"format": "trevalo-project", "version": 1, "building": {"floorsServed": 20}})")
        << QStringLiteral("成员“building.floorsServed”应为文字（带引号的字符串）");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("无法读取文件（");
}

void ProjectRoadsTest::refusedFileLeavesTheForms()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = content.isEmpty() ? m_folder.filePath(QStringLiteral("missing.trevalo"))
                                           : write(QStringLiteral("refused.trevalo"), content);
    m_first = std::make_unique<ProgramDriver>();
    m_first->enterBuilding(BuildingEntries{"Option2", "6", "0", true, {"100", "１２０", "1,000", "", "80", " 90"}});
    m_first->enterElevator(ElevatorEntries{});
    const QStringList before = inputEntries(m_first->navigator());
    NoticeCatcher catcher;
    QVERIFY(!openProjectFile(sessionOf(*m_first), path, m_first->form(FormId::Form4)));
    QCOMPARE(catcher.texts().size(), 1);
    const QString message = catcher.texts().constFirst();
    const QString expectedStart = QStringLiteral("无法打开项目文件“%1”：%2").arg(path, reason);
    QVERIFY2(message.startsWith(expectedStart), qPrintable(message));
    QCOMPARE(inputEntries(m_first->navigator()), before);
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
    // Still the typed project without a file, marked as unsaved work, not the refused file's.
    QCOMPARE(shownTitle(*m_first->form(FormId::Form4)), QStringLiteral("Trevalo*"));
}

void ProjectRoadsTest::openingClosesTheResultAndShowsTheFileName()
{
    m_first = std::make_unique<ProgramDriver>();
    m_first->runRoad(BuildingEntries{}, ElevatorEntries{});
    const QString path = m_folder.filePath(QStringLiteral("办公楼A座.trevalo"));
    QVERIFY(saveProjectFile(sessionOf(*m_first), path, nullptr));
    QCOMPARE(shownTitle(*m_first->form(FormId::Form5)), QStringLiteral("办公楼A座.trevalo - Trevalo——结果"));
    QCOMPARE(shownTitle(*m_first->form(FormId::Form2)), QStringLiteral("办公楼A座.trevalo - Trevalo"));
    QVERIFY(openProjectFile(sessionOf(*m_first), path, m_first->form(FormId::Form5)));
    QCOMPARE(m_first->form(FormId::Form5), nullptr);
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
    QCOMPARE(shownTitle(*m_first->form(FormId::Form4)), QStringLiteral("办公楼A座.trevalo - Trevalo"));
    QCOMPARE(sessionOf(*m_first).lastFolder(), m_folder.path());
}

void ProjectRoadsTest::fileDefaultsDoNotGiveWayToFormDefaults()
{
    // An office building's form would start with 50 % up and 50 % down.
    const QByteArray office = R"({"format": "trevalo-project", "version": 1, "building": {"buildingType": "officeAndHotel",
        "floorsServed": "12", "totalPopulation": "900", "spread": "even"})";
    m_first = std::make_unique<ProgramDriver>();
    const QString path = write(QStringLiteral("office.trevalo"), office + R"(, "elevator": {"upPercent": "", "downPercent": "7"}})");
    QVERIFY(openProjectFile(sessionOf(*m_first), path, nullptr));
    const auto text = [this](const char* name) {
        return m_first->control<QLineEdit>(FormId::Form4, QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("TEXT1_3"), QString());
    QCOMPARE(text("TEXT1_4"), QString());
    QCOMPARE(text("TEXT1_5"), QStringLiteral("7"));
    // Without an elevator member the form starts from its own defaults.
    QVERIFY(openProjectFile(sessionOf(*m_first), write(QStringLiteral("bare.trevalo"), office + "}"), nullptr));
    QCOMPARE(text("TEXT1_3"), QStringLiteral("5"));
    QCOMPARE(text("TEXT1_4"), QStringLiteral("50"));
    QCOMPARE(text("TEXT1_5"), QStringLiteral("50"));
}

void ProjectRoadsTest::entriesBehindANoticeAreKept()
{
    // No spread chosen: the building data form's OK gives its notice and the road stops
    // there; the floor and elevator entries wait for their forms and are saved again as read.
    const QByteArray content = R"({"format": "trevalo-project", "version": 1,
        "building": {"buildingType": "residential", "floorsServed": "3", "totalPopulation": "90"},
        "floorPopulations": ["10", "20", "30"], "elevator": {"travel": "12", "doorType": "2SO", "machineRoomRequested": true},
        "sizing": {"hcPercent": "12", "interval": "30", "awt": "", "maxCars": "8", "speeds": ["2.5"]}})";
    m_first = std::make_unique<ProgramDriver>();
    NoticeCatcher catcher;
    QVERIFY(openProjectFile(sessionOf(*m_first), write(QStringLiteral("stopped.trevalo"), content), nullptr));
    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("请完整输入数据")});
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form2")});
    const QString copy = m_folder.filePath(QStringLiteral("copy.trevalo"));
    QVERIFY(saveProjectFile(sessionOf(*m_first), copy, nullptr));
    const project::Project read = *project::readProjectFile(copy).project;
    QCOMPARE(read.inputs.floors.floorPopulations, (std::vector<std::string>{"10", "20", "30"}));
    QCOMPARE(read.inputs.elevator.travel, std::string("12"));
    QCOMPARE(read.inputs.elevator.doorType, std::optional(engine::DoorType::TwoPanelSide));
    QVERIFY(read.inputs.elevator.machineRoomRequested);
    QVERIFY(read.sizing.has_value());
    QCOMPARE(read.sizing->speeds, std::vector<std::string>{"2.5"});
    // Choosing the spread and pressing OK brings the floor rows as the file gave them.
    m_first->click(FormId::Form2, QStringLiteral("Option4"));
    m_first->click(FormId::Form2, QStringLiteral("Command1"));
    QCOMPARE(m_first->control<QLineEdit>(FormId::Form3, QStringLiteral("Text1_2"))->text(), QStringLiteral("30"));
    m_first->click(FormId::Form3, QStringLiteral("Command2"));
    QCOMPARE(m_first->control<QLineEdit>(FormId::Form4, QStringLiteral("TEXT1_0"))->text(), QStringLiteral("12"));
    QVERIFY(m_first->control<QRadioButton>(FormId::Form4, QStringLiteral("Option1_1"))->isChecked());
}

QTEST_MAIN(ProjectRoadsTest)
#include "tst_project_roads.moc"

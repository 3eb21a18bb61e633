#include "project/passenger_csv.h"
#include "project/project_file.h"
#include "project/project_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace trevalo;
using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;

namespace {

// A whole file in the layout scripts write, with one member replaced by the given text.
QByteArray fileWith(const char* replacedMember = "", const char* replacement = "")
{
    QString text = R"({
      "format": "trevalo-project", "version": 1,
      "building": {"projectName": "办公楼A座", "buildingType": "officeAndHotel", "floorsServed": "20",
                   "totalPopulation": "1600", "spread": "even"},
      "floorPopulations": [],
      "elevator": {"travel": "80", "floorHeight": "4.5", "expressZoneSet": false, "expressDistance": "12",
                   "doorType": "2CO", "doorWidth": "1000", "advanceOpening": true, "lossPercent": "5",
                   "upPercent": "80", "downPercent": "10", "ratedSpeed": "2.5", "fixedConfiguration": true,
                   "ratedLoad": "1350", "carCount": "4", "machineRoomRequested": true, "finishingWeight": "300"}
    })";
    const QString replaced = QString::fromUtf8(replacedMember);
    if (!replaced.isEmpty()) {
        const qsizetype at = text.indexOf(replaced);
        Q_ASSERT(at >= 0);
        text.replace(at, replaced.size(), QString::fromUtf8(replacement));
    }
    return text.toUtf8();
}

// Every member a project has, the sizing and simulation forms' too, and one it does not know.
QByteArray everyMember()
{
    return fileWith(R"("floorPopulations": [])",
                    R"("floorPopulations": ["１２", "1,000", ""], "later": {"x": 1},
        "sizing": {"hcPercent": "12", "interval": "30", "awt": "", "maxCars": "8", "speeds": ["2.5", "1.75"],
                   "leastCars": "2", "leastLoad": "800"},
        "simulation": {"demandPercent": "12", "minutes": "", "loadingLimit": "80", "dwell": "8", "replications": "3",
                       "seed": "-7", "passengers": [[0, 3], [12.5, 20]]})");
}

}  // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsAndWritesEveryMember();
    void missingMembersReadEmpty_data();
    void missingMembersReadEmpty();
    void refusedFiles_data();
    void refusedFiles();
    void aWrongTypeIsNamedByItsPath();
    void writesTheOtherChoicesAndLeavesOut();
    void fileLimits();
    void failedWriteKeepsTheOldFile();
    void trafficEntriesAndListedPassengers_data();
    void trafficEntriesAndListedPassengers();
    void passengerCsv_data();
    void passengerCsv();
};

// Read as typed, every member, and written back the same, less the members it does not know.
void ProjectFileTest::readsAndWritesEveryMember()
{
    const QByteArray file = everyMember();
    const project::ReadResult read = project::projectFromJson(file);
    QVERIFY2(read.project.has_value(), qPrintable(read.reason));
    const project::Project& p = *read.project;
    QCOMPARE(p.inputs.project.buildingType, std::optional(BuildingType::OfficeAndHotel));
    QCOMPARE(p.inputs.project.spread, std::optional(PopulationSpread::Even));
    QCOMPARE(p.inputs.floors.floorPopulations, (std::vector<std::string>{"１２", "1,000", ""}));
    QCOMPARE(p.inputs.elevator.doorType, std::optional(DoorType::TwoPanelCentre));
    QCOMPARE(p.inputs.elevator.floorHeight, std::string("4.5"));
    QCOMPARE(p.inputs.elevator.machineRoomRequested, true);
    QCOMPARE(p.sizing->speeds, (std::vector<std::string>{"2.5", "1.75"}));
    QCOMPARE(p.sizing->leastLoad, std::string("800"));
    QCOMPARE(p.simulation->seed, std::string("-7"));
    QCOMPARE(p.simulation->passengers.size(), std::size_t(2));
    QCOMPARE(p.simulation->passengers[1].arrival, 12.5);
    QCOMPARE(p.simulation->passengers[1].floor, 20.0);
    QJsonObject expected = QJsonDocument::fromJson(file).object();
    expected.remove(QStringLiteral("later"));
    QCOMPARE(QJsonDocument::fromJson(project::projectToJson(p)).object(), expected);
    // Passengers given as texts that hold numbers are read as those numbers.
    const project::ReadResult texts = project::projectFromJson(
        fileWith(R"("floorPopulations": [])", R"("floorPopulations": [], "simulation": {"passengers": [[" 7.25", "4"]]})"));
    QVERIFY2(texts.project.has_value(), qPrintable(texts.reason));
    QCOMPARE(texts.project->simulation->passengers[0].arrival, 7.25);
    QCOMPARE(texts.project->simulation->passengers[0].floor, 4.0);
    QCOMPARE(texts.project->simulation->minutes, std::string());
}

void ProjectFileTest::missingMembersReadEmpty_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("elevatorEntered");
    QTest::newRow("only format and version") << QByteArray(R"({"format": "trevalo-project", "version": 1})") << false;
    QTest::newRow("members null") << QByteArray(R"({"format": "trevalo-project", "version": 1, "building": {"projectName": null,
        "buildingType": null, "spread": null}, "floorPopulations": null, "elevator": {"doorType": null, "travel": null,
        "fixedConfiguration": null}, "sizing": null, "simulation": null})") << true;
    QTest::newRow("empty objects") << QByteArray(R"({"format": "trevalo-project", "version": 1.0, "building": {},
        "elevator": {}})") << true;
}

void ProjectFileTest::missingMembersReadEmpty()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, elevatorEntered);
    const project::ReadResult read = project::projectFromJson(file);
    QVERIFY2(read.project.has_value(), qPrintable(read.reason));
    const engine::AnalysisInputs& in = read.project->inputs;
    QCOMPARE(in.project.projectName, std::string());
    QVERIFY(!in.project.buildingType.has_value());
    QVERIFY(!in.project.spread.has_value());
    QVERIFY(in.floors.floorPopulations.empty());
    QCOMPARE(in.elevator.travel, std::string());
    QVERIFY(!in.elevator.doorType.has_value());
    QCOMPARE(in.elevator.fixedConfiguration, false);
    QCOMPARE(read.project->elevatorEntered, elevatorEntered);
    QVERIFY(!read.project->sizing.has_value());
    QVERIFY(!read.project->simulation.has_value());
}

void ProjectFileTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const QByteArray& file, const char* reason) {
        QTest::newRow(name) << file << QString::fromUtf8(reason);
    };
    // Where the JSON syntax breaks is the parser's count; the reason starts the same way.
    row("empty file", "", "不是有效的 JSON 文本（第 ");
    row("an array", "[1, 2]", "不是 Trevalo 项目文件（内容不是 JSON 对象）");
    row("no format", R"({"version": 1})", "不是 Trevalo 项目文件（“format”不是 \"trevalo-project\"）");
    row("another format", fileWith("trevalo-project", "trevalo-sheet"), "不是 Trevalo 项目文件（“format”不是 \"trevalo-project\"）");
    row("later version", fileWith(R"("version": 1)", R"("version": 2)"), "文件版本 2 高于本程序能读取的版本 1");
    row("version as text", fileWith(R"("version": 1)", R"("version": "1")"), "成员“version”应为正整数");
    row("fractional version", fileWith(R"("version": 1)", R"("version": 1.5)"), "成员“version”应为正整数");
    row("version zero", fileWith(R"("version": 1)", R"("version": 0)"), "成员“version”应为正整数");
    row("floors as a number", fileWith(R"("floorsServed": "20")", R"("floorsServed": 20)"),
        "成员“building.floorsServed”应为文字（带引号的字符串）");
    row("unknown building type", fileWith(R"("officeAndHotel")", R"("hotel")"),
        "成员“building.buildingType”应为 \"residential\"、\"officeAndHotel\"、\"ownerOccupiedOffice\" 或 null");
    row("spread in another case", fileWith(R"("spread": "even")", R"("spread": "Even")"),
        "成员“building.spread”应为 \"even\"、\"perFloor\" 或 null");
    row("door type as index", fileWith(R"("doorType": "2CO")", R"("doorType": 0)"),
        "成员“elevator.doorType”应为 \"2CO\"、\"2SO\"、\"4CO\" 或 null");
    row("tick as text", fileWith(R"("advanceOpening": true)", R"("advanceOpening": "true")"),
        "成员“elevator.advanceOpening”应为 true 或 false");
    row("building as a list", R"({"format": "trevalo-project", "version": 1, "building": []})", "成员“building”应为对象");
    row("floor list as text", fileWith(R"("floorPopulations": [])", R"("floorPopulations": "10")"),
        "成员“floorPopulations”应为文字的数组");
    row("floor entry as number", fileWith(R"("floorPopulations": [])", R"("floorPopulations": ["10", 20])"),
        "成员“floorPopulations[1]”应为文字（带引号的字符串）");
    row("sizing speeds as numbers", fileWith(R"("floorPopulations": [])",
                                             R"("floorPopulations": [], "sizing": {"speeds": [2.5]})"),
        "成员“sizing.speeds[0]”应为文字（带引号的字符串）");
    row("sizing as text", fileWith(R"("floorPopulations": [])", R"("floorPopulations": [], "sizing": "12")"), "成员“sizing”应为对象");
    const auto simulation = [](const char* member) {
        return fileWith(R"("floorPopulations": [])", (std::string(R"("floorPopulations": [], "simulation": )") + member).c_str());
    };
    row("simulation dwell as a number", simulation(R"({"dwell": 10})"), "成员“simulation.dwell”应为文字（带引号的字符串）");
    row("passengers as an object", simulation(R"({"passengers": {"0": 3}})"),
        "成员“simulation.passengers”应为 [到达时间, 目的楼层] 或 [到达时间, 出发楼层, 目的楼层] 的数组");
    row("passenger of four numbers", simulation(R"({"passengers": [[0, 3], [1, 2, 3, 4]]})"),
        "成员“simulation.passengers[1]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("passenger of one number", simulation(R"({"passengers": [[0, 3], [1]]})"), "成员“simulation.passengers[1]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("passenger origin not a number", simulation(R"({"passengers": [[0, "首层", 3]]})"),
        "成员“simulation.passengers[0]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("traffic as a number", simulation(R"({"traffic": 1})"), "成员“simulation.traffic”应为文字（带引号的字符串）");
    row("waiting time target as a number", simulation(R"({"awtTarget": 40})"),
        "成员“simulation.awtTarget”应为文字（带引号的字符串）");
    row("passenger floor not a number", simulation(R"({"passengers": [[0, "三楼"]]})"),
        "成员“simulation.passengers[0]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("passenger as a bare number", simulation(R"({"passengers": [5]})"),
        "成员“simulation.passengers[0]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("passenger time beyond any number", simulation(R"({"passengers": [["1e999", 2]]})"),
        "成员“simulation.passengers[0]”应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数");
    row("first of two wrong members", fileWith(R"("travel": "80")", R"("travel": 80)")
                                          .replace("\"carCount\": \"4\"", "\"carCount\": 4"),
        "成员“elevator.travel”应为文字（带引号的字符串）");
}

void ProjectFileTest::refusedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    const project::ReadResult read = project::projectFromJson(file);
    QVERIFY(!read.project.has_value());
    if (reason.endsWith(QStringLiteral("第 ")))
        QVERIFY2(read.reason.startsWith(reason) && read.reason.endsWith(QStringLiteral(" 个字节处有误）")), qPrintable(read.reason));
    else
        QCOMPARE(read.reason, reason);
}

// Whichever member has a wrong type, the reason names it by its path: each section replaced
// by a number, and each member of a section by an object, which no member is.
void ProjectFileTest::aWrongTypeIsNamedByItsPath()
{
    const QJsonObject root = QJsonDocument::fromJson(everyMember()).object();
    const auto reasonFor = [&root](const QString& section, const QJsonValue& value) {
        QJsonObject changed = root;
        changed[section] = value;
        return project::projectFromJson(QJsonDocument(changed).toJson()).reason;
    };
    for (const QString& section : root.keys()) {
        if (section == "format" || section == "version" || section == "later")
            continue;
        QString reason = reasonFor(section, 5);
        QVERIFY2(reason.startsWith(QStringLiteral("成员“%1”").arg(section)), qPrintable(reason));
        const QJsonObject members = root.value(section).toObject();
        for (const QString& member : members.keys()) {
            QJsonObject wrong = members;
            wrong[member] = QJsonObject{{"x", 1}};
            reason = reasonFor(section, wrong);
            QVERIFY2(reason.startsWith(QStringLiteral("成员“%1.%2”").arg(section, member)), qPrintable(reason));
        }
    }
}

void ProjectFileTest::writesTheOtherChoicesAndLeavesOut()
{
    project::Project p;
    p.inputs.project = {"塔楼", BuildingType::OwnerOccupiedOffice, "12", "", PopulationSpread::PerFloor};
    p.inputs.floors.storedTotal = "30";
    p.inputs.elevator.doorType = DoorType::FourPanelCentre;
    QJsonObject root = QJsonDocument::fromJson(project::projectToJson(p)).object();
    QCOMPARE(root.value("building").toObject().value("buildingType").toString(), QStringLiteral("ownerOccupiedOffice"));
    QCOMPARE(root.value("building").toObject().value("spread").toString(), QStringLiteral("perFloor"));
    QCOMPARE(root.value("elevator").toObject().value("doorType").toString(), QStringLiteral("4CO"));
    const project::Project back = *project::projectFromJson(project::projectToJson(p)).project;
    QCOMPARE(back.inputs.project.buildingType, p.inputs.project.buildingType);
    QCOMPARE(back.inputs.project.spread, p.inputs.project.spread);
    QCOMPARE(back.inputs.elevator.doorType, p.inputs.elevator.doorType);
    // No choice is written as null; the stored total is not kept; nor are forms never reached.
    p.inputs.project.buildingType.reset();
    p.inputs.project.spread.reset();
    p.elevatorEntered = false;
    root = QJsonDocument::fromJson(project::projectToJson(p)).object();
    QVERIFY(root.value("building").toObject().value("buildingType").isNull());
    QVERIFY(root.value("building").toObject().value("spread").isNull());
    QVERIFY(!root.contains("elevator"));
    QVERIFY(!root.contains("sizing"));
    QVERIFY(!project::projectToJson(p).contains("storedTotal"));
}

void ProjectFileTest::fileLimits()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("项目.trevalo"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A valid file padded with blanks to exactly 1 MB is read; one byte more is refused.
    QByteArray content = fileWith();
    content += QByteArray(1024 * 1024 - content.size(), ' ');
    file.write(content);
    file.close();
    QVERIFY(project::readProjectFile(path).project.has_value());
    QVERIFY(file.open(QIODevice::Append));
    file.write(" ");
    file.close();
    const project::ReadResult large = project::readProjectFile(path);
    QVERIFY(!large.project.has_value());
    QCOMPARE(large.reason, QStringLiteral("文件超过 1 MB，不是项目文件"));
    const project::ReadResult missing = project::readProjectFile(folder.filePath(QStringLiteral("无.trevalo")));
    QVERIFY(!missing.project.has_value());
    QVERIFY(missing.reason.startsWith(QStringLiteral("无法读取文件（")));
    const project::ReadResult folderItself = project::readProjectFile(folder.path());
    QVERIFY(!folderItself.project.has_value());
}

void ProjectFileTest::failedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.trevalo"));
    project::Project p;
    p.inputs.project.projectName = "第一版";
    QCOMPARE(project::writeProjectFile(path, p), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray first = written.readAll();
    written.close();
    QCOMPARE(project::readProjectFile(path).project->inputs.project.projectName, std::string("第一版"));
    // A path under a file: nothing can be written there.
    QVERIFY(!project::writeProjectFile(path + QStringLiteral("/b.trevalo"), p).isEmpty());
    // A folder that cannot be written to: the save fails with a reason and the old file stays whole.
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    p.inputs.project.projectName = "第二版";
    const QString problem = project::writeProjectFile(path, p);
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (problem.isEmpty() && QFileInfo(folder.path()).isWritable())
        QSKIP("running with rights that ignore the folder's permissions");
    QVERIFY(!problem.isEmpty());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), first);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.trevalo")});
}

void ProjectFileTest::trafficEntriesAndListedPassengers_data()
{
    QTest::addColumn<QByteArray>("simulation");       // the member as a file holds it
    QTest::addColumn<QStringList>("traffic");         // incoming, outgoing, interfloor, traffic, target
    QTest::addColumn<QList<QList<double>>>("listed");  // arrival, origin, destination
    QTest::addColumn<QByteArray>("written");          // the member written back
    const auto row = [](const char* name, const char* simulation, const QStringList& traffic,
                        const QList<QList<double>>& listed, const char* written) {
        QTest::newRow(name) << QByteArray(simulation) << traffic << listed << QByteArray(written);
    };
    row("a file from before the traffic entries", R"({"demandPercent": "12", "passengers": [[0, 3]]})",
        {"", "", "", "", ""}, {{0, 0, 3}},
        R"({"demandPercent": "12", "minutes": "", "loadingLimit": "", "dwell": "", "replications": "", "seed": "",
            "passengers": [[0, 3]]})");
    row("the lunch mix as typed", R"({"incomingPercent": "45", "outgoingPercent": "４５", "interfloorPercent": "10 %",
        "traffic": "lunch", "awtTarget": "40"})",
        {"45", "４５", "10 %", "lunch", "40"}, {},
        R"({"demandPercent": "", "minutes": "", "loadingLimit": "", "dwell": "", "replications": "", "seed": "",
            "passengers": [], "incomingPercent": "45", "outgoingPercent": "４５", "interfloorPercent": "10 %",
            "traffic": "lunch", "awtTarget": "40"})");
    row("a traffic name it does not know, nulls empty", R"({"traffic": "morning", "awtTarget": null, "incomingPercent": null})",
        {"", "", "", "morning", ""}, {},
        R"({"demandPercent": "", "minutes": "", "loadingLimit": "", "dwell": "", "replications": "", "seed": "",
            "passengers": [], "traffic": "morning"})");
    // A triple from the main floor up is written as a pair; one to the main floor, or between
    // floors, or that the check will refuse (to floor 0 from 0), stays a triple.
    row("pairs and triples", R"({"passengers": [[0, 3], [1.5, 4, 0], [2, 2, 5], ["3", "0", "2"], [4, 0, 0]]})",
        {"", "", "", "", ""}, {{0, 0, 3}, {1.5, 4, 0}, {2, 2, 5}, {3, 0, 2}, {4, 0, 0}},
        R"({"demandPercent": "", "minutes": "", "loadingLimit": "", "dwell": "", "replications": "", "seed": "",
            "passengers": [[0, 3], [1.5, 4, 0], [2, 2, 5], [3, 2], [4, 0, 0]]})");
}

// The traffic entries and passengers from and between floors are read as typed and written
// back; a file without them stays without them.
void ProjectFileTest::trafficEntriesAndListedPassengers()
{
    QFETCH(QByteArray, simulation);
    QFETCH(QStringList, traffic);
    QFETCH(QList<QList<double>>, listed);
    QFETCH(QByteArray, written);
    const QByteArray file = fileWith(R"("floorPopulations": [])", ("\"floorPopulations\": [], \"simulation\": " + simulation).constData());
    const project::ReadResult read = project::projectFromJson(file);
    QVERIFY2(read.project.has_value(), qPrintable(read.reason));
    const engine::SimulationEntries& s = *read.project->simulation;
    QStringList got;
    for (const std::string* typed : {&s.incomingPercent, &s.outgoingPercent, &s.interfloorPercent, &s.traffic, &s.awtTarget})
        got << QString::fromStdString(*typed);
    QCOMPARE(got, traffic);
    QList<QList<double>> passengers;
    for (const engine::PassengerEntry& passenger : s.passengers)
        passengers.append({passenger.arrival, passenger.origin, passenger.floor});
    QCOMPARE(passengers, listed);
    const QJsonObject root = QJsonDocument::fromJson(project::projectToJson(*read.project)).object();
    QCOMPARE(root.value(QStringLiteral("simulation")).toObject(), QJsonDocument::fromJson(written).object());
}

void ProjectFileTest::passengerCsv_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("servedFloors");             // 0: not checked
    QTest::addColumn<QList<QList<double>>>("passengers");  // arrival, origin, destination
    QTest::addColumn<QString>("problem");
    const auto row = [](const char* name, const QByteArray& content, int floors, const QList<QList<double>>& passengers,
                        const char* problem = "") {
        QTest::newRow(name) << content << floors << passengers << QString::fromUtf8(problem);
    };
    const char* notNumbers = "应为到达时间（秒）和目的楼层两个数，或到达时间、出发楼层和目的楼层三个数，以逗号分隔";
    const auto line = [](const char* where, const char* why) { return QByteArray(where) + why; };
    row("header, CRLF and a blank line", "到达时间,楼层\r\n0,3\r\n\r\n12.5, 7\r\n", 7, {{0, 0, 3}, {12.5, 0, 7}});
    row("byte order mark, no header", "\xEF\xBB\xBF" "5,2", 0, {{5, 0, 2}});
    row("three columns with their header", "时间,出发,目的\n1,0,4\n2,4,0\n3,2,3\n", 4, {{1, 0, 4}, {2, 4, 0}, {3, 2, 3}});
    row("pairs and triples mixed", "0,1\n1,3,0\n", 3, {{0, 0, 1}, {1, 3, 0}});
    row("unchecked, a fraction of a floor is the check's to refuse", "1,2.5\n", 0, {{1, 0, 2.5}});
    row("a word in a later row", "0,3\n1,三\n", 0, {}, line("第 2 行“1,三”：", notNumbers).constData());
    row("a header after the first row", "0,3\ntime,floor\n", 0, {}, line("第 2 行“time,floor”：", notNumbers).constData());
    row("four fields", "time,floor\n0,3,4,5\n", 0, {}, line("第 2 行“0,3,4,5”：", notNumbers).constData());
    row("semicolons", "0;3\n", 0, {}, line("第 1 行“0;3”：", notNumbers).constData());
    // Lines as the file counts them: the header and a blank line included.
    row("a destination above the building", "时间,楼层\n0,3\n\n1,5\n", 4, {},
        "第 4 行“1,5”：目的楼层应为 1 至 4 的整数（1 = 首层以上第一个停靠层）");
    row("the main floor as a pair's destination", "0,0\n", 4, {}, "第 1 行“0,0”：目的楼层应为 1 至 4 的整数（1 = 首层以上第一个停靠层）");
    row("a fraction of a floor", "0,1\n1,2.5\n", 4, {}, "第 2 行“1,2.5”：目的楼层应为 1 至 4 的整数（1 = 首层以上第一个停靠层）");
    row("an origin below the main floor", "0,-1,2\n", 4, {},
        "第 1 行“0,-1,2”：出发楼层和目的楼层应为 0 至 4 的整数（0 = 首层，1 = 首层以上第一个停靠层）");
    row("a triple's destination above the building", "0,2,5\n", 4, {},
        "第 1 行“0,2,5”：出发楼层和目的楼层应为 0 至 4 的整数（0 = 首层，1 = 首层以上第一个停靠层）");
    row("a trip to its own floor", "0,1\n1,3,3\n", 4, {}, "第 2 行“1,3,3”：出发楼层与目的楼层相同");
    row("only a header", "a,b\n", 4, {}, "文件中没有乘客");
    row("more than a project keeps", QByteArray("1,1\n").repeated(20001), 4, {},
        "乘客超过 20000 位，项目文件无法保存这么多乘客");
}

void ProjectFileTest::passengerCsv()
{
    QFETCH(QByteArray, content);
    QFETCH(int, servedFloors);
    QFETCH(QList<QList<double>>, passengers);
    QFETCH(QString, problem);
    const project::PassengerCsv read =
        project::readPassengerCsv(content, servedFloors > 0 ? std::optional(servedFloors) : std::nullopt);
    QCOMPARE(read.problem, problem);
    QList<QList<double>> got;
    for (const engine::PassengerEntry& passenger : read.passengers)
        got.append({passenger.arrival, passenger.origin, passenger.floor});
    QCOMPARE(got, passengers);
}

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "tst_project_file.moc"

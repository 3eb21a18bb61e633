#include "project/project_file.h"

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
QByteArray fileWith(const QString& replacedMember = {}, const QString& replacement = {})
{
    QString text = QStringLiteral(R"({
      "format": "trevalo-project", "version": 1,
      "building": {"projectName": "办公楼A座", "buildingType": "officeAndHotel", "floorsServed": "20",
                   "totalPopulation": "1600", "spread": "even"},
      "floorPopulations": [],
      "elevator": {"travel": "80", "floorHeight": "4", "expressZoneSet": false, "expressDistance": "",
                   "doorType": "2CO", "doorWidth": "1000", "advanceOpening": false, "lossPercent": "5",
                   "upPercent": "80", "downPercent": "10", "ratedSpeed": "2.5", "fixedConfiguration": true,
                   "ratedLoad": "1350", "carCount": "4", "machineRoomRequested": true, "finishingWeight": "300"}
    })");
    if (!replacedMember.isEmpty()) {
        const qsizetype at = text.indexOf(replacedMember);
        Q_ASSERT(at >= 0);
        text.replace(at, replacedMember.size(), replacement);
    }
    return text.toUtf8();
}

}  // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryMemberAsWritten();
    void missingMembersReadEmpty_data();
    void missingMembersReadEmpty();
    void refusedFiles_data();
    void refusedFiles();
    void writesTheMemberNames();
    void writtenProjectReadsBackTheSame_data();
    void writtenProjectReadsBackTheSame();
    void fileLimits();
    void failedWriteKeepsTheOldFile();
};

void ProjectFileTest::readsEveryMemberAsWritten()
{
    const project::ReadResult read = project::projectFromJson(fileWith(
        QStringLiteral(R"("floorPopulations": [])"), QStringLiteral(R"("floorPopulations": ["１２", "1,000", ""], "later": {"x": 1})")));
    QVERIFY2(read.project.has_value(), qPrintable(read.reason));
    const project::Project& p = *read.project;
    QCOMPARE(p.inputs.project.projectName, std::string("办公楼A座"));
    QCOMPARE(p.inputs.project.buildingType, std::optional(BuildingType::OfficeAndHotel));
    QCOMPARE(p.inputs.project.floorsServed, std::string("20"));
    QCOMPARE(p.inputs.project.totalPopulation, std::string("1600"));
    QCOMPARE(p.inputs.project.spread, std::optional(PopulationSpread::Even));
    QCOMPARE(p.inputs.floors.floorPopulations, (std::vector<std::string>{"１２", "1,000", ""}));
    const engine::ElevatorParameters& e = p.inputs.elevator;
    QCOMPARE(e.travel, std::string("80"));
    QCOMPARE(e.floorHeight, std::string("4"));
    QCOMPARE(e.expressZoneSet, false);
    QCOMPARE(e.expressDistance, std::string());
    QCOMPARE(e.doorType, std::optional(DoorType::TwoPanelCentre));
    QCOMPARE(e.doorWidth, std::string("1000"));
    QCOMPARE(e.advanceOpening, false);
    QCOMPARE(e.lossPercent, std::string("5"));
    QCOMPARE(e.upPercent, std::string("80"));
    QCOMPARE(e.downPercent, std::string("10"));
    QCOMPARE(e.ratedSpeed, std::string("2.5"));
    QCOMPARE(e.fixedConfiguration, true);
    QCOMPARE(e.ratedLoad, std::string("1350"));
    QCOMPARE(e.carCount, std::string("4"));
    QCOMPARE(e.machineRoomRequested, true);
    QCOMPARE(e.finishingWeight, std::string("300"));
    QVERIFY(p.elevatorEntered);
    QVERIFY(!p.sizing.has_value());
}

void ProjectFileTest::missingMembersReadEmpty_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("elevatorEntered");
    QTest::newRow("only format and version") << QByteArray(R"({"format": "trevalo-project", "version": 1})") << false;
    QTest::newRow("members null") << QByteArray(R"({"format": "trevalo-project", "version": 1, "building": {"projectName": null,
        "buildingType": null, "spread": null}, "floorPopulations": null, "elevator": {"doorType": null, "travel": null,
        "fixedConfiguration": null}, "sizing": null})") << true;
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
    row("cut short", fileWith().left(40), "不是有效的 JSON 文本（第 ");
    row("an array", "[1, 2]", "不是 Trevalo 项目文件（内容不是 JSON 对象）");
    row("no format", R"({"version": 1})", "不是 Trevalo 项目文件（“format”不是 \"trevalo-project\"）");
    row("another format", fileWith(QStringLiteral("trevalo-project"), QStringLiteral("trevalo-sheet")),
        "不是 Trevalo 项目文件（“format”不是 \"trevalo-project\"）");
    row("later version", fileWith(QStringLiteral(R"("version": 1)"), QStringLiteral(R"("version": 2)")),
        "文件版本 2 高于本程序能读取的版本 1");
    row("no version", fileWith(QStringLiteral(R"("version": 1)"), QStringLiteral(R"("versio": 1)")),
        "成员“version”应为正整数");
    row("version as text", fileWith(QStringLiteral(R"("version": 1)"), QStringLiteral(R"("version": "1")")),
        "成员“version”应为正整数");
    row("fractional version", fileWith(QStringLiteral(R"("version": 1)"), QStringLiteral(R"("version": 1.5)")),
        "成员“version”应为正整数");
    row("version zero", fileWith(QStringLiteral(R"("version": 1)"), QStringLiteral(R"("version": 0)")),
        "成员“version”应为正整数");
    row("floors as a number", fileWith(QStringLiteral(R"("floorsServed": "20")"), QStringLiteral(R"("floorsServed": 20)")),
        "成员“building.floorsServed”应为文字（带引号的字符串）");
    row("unknown building type", fileWith(QStringLiteral(R"("officeAndHotel")"), QStringLiteral(R"("hotel")")),
        "成员“building.buildingType”应为 \"residential\"、\"officeAndHotel\"、\"ownerOccupiedOffice\" 或 null");
    row("spread in another case", fileWith(QStringLiteral(R"("spread": "even")"), QStringLiteral(R"("spread": "Even")")),
        "成员“building.spread”应为 \"even\"、\"perFloor\" 或 null");
    row("door type as index", fileWith(QStringLiteral(R"("doorType": "2CO")"), QStringLiteral(R"("doorType": 0)")),
        "成员“elevator.doorType”应为 \"2CO\"、\"2SO\"、\"4CO\" 或 null");
    row("tick as text", fileWith(QStringLiteral(R"("advanceOpening": false)"), QStringLiteral(R"("advanceOpening": "false")")),
        "成员“elevator.advanceOpening”应为 true 或 false");
    row("tick as number", fileWith(QStringLiteral(R"("machineRoomRequested": true)"), QStringLiteral(R"("machineRoomRequested": 1)")),
        "成员“elevator.machineRoomRequested”应为 true 或 false");
    row("building as a list", fileWith(QStringLiteral(R"("building": {)"), QStringLiteral(R"("buildin": {)")).replace(
            "\"floorPopulations\"", "\"building\": [], \"floorPopulations\""),
        "成员“building”应为对象");
    row("floor list as text", fileWith(QStringLiteral(R"("floorPopulations": [])"), QStringLiteral(R"("floorPopulations": "10")")),
        "成员“floorPopulations”应为文字的数组");
    row("floor entry as number", fileWith(QStringLiteral(R"("floorPopulations": [])"), QStringLiteral(R"("floorPopulations": ["10", 20])")),
        "成员“floorPopulations[1]”应为文字（带引号的字符串）");
    row("sizing speeds as numbers", fileWith(QStringLiteral(R"("floorPopulations": [])"),
                                             QStringLiteral(R"("floorPopulations": [], "sizing": {"speeds": [2.5]})")),
        "成员“sizing.speeds[0]”应为文字（带引号的字符串）");
    row("sizing as text", fileWith(QStringLiteral(R"("floorPopulations": [])"),
                                   QStringLiteral(R"("floorPopulations": [], "sizing": "12")")),
        "成员“sizing”应为对象");
    row("first of two wrong members", fileWith(QStringLiteral(R"("travel": "80")"), QStringLiteral(R"("travel": 80)"))
                                          .replace("\"carCount\": \"4\"", "\"carCount\": 4"),
        "成员“elevator.travel”应为文字（带引号的字符串）");
    row("invalid UTF-8", QByteArray(R"({"format": "trevalo-project", "version": 1, "building": {"projectName": ")") + "\xff\xfe" + "\"}}",
        "不是有效的 JSON 文本（第 ");
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

void ProjectFileTest::writesTheMemberNames()
{
    project::Project p;
    p.inputs.project = {"塔楼", BuildingType::OwnerOccupiedOffice, "12", "", PopulationSpread::PerFloor};
    p.inputs.floors.floorPopulations = {"30", ""};
    p.inputs.floors.storedTotal = "30";
    p.inputs.elevator.doorType = DoorType::FourPanelCentre;
    p.inputs.elevator.expressZoneSet = true;
    p.inputs.elevator.ratedSpeed = "１.７５";
    p.sizing = engine::SizingEntries{"12", "30", "", "8", {"2.5"}};
    const QJsonObject root = QJsonDocument::fromJson(project::projectToJson(p)).object();
    QCOMPARE(root.value("format").toString(), QStringLiteral("trevalo-project"));
    QCOMPARE(root.value("version").toInt(), 1);
    const QJsonObject building = root.value("building").toObject();
    QCOMPARE(building.value("projectName").toString(), QStringLiteral("塔楼"));
    QCOMPARE(building.value("buildingType").toString(), QStringLiteral("ownerOccupiedOffice"));
    QCOMPARE(building.value("floorsServed").toString(), QStringLiteral("12"));
    QCOMPARE(building.value("totalPopulation").toString(), QString());
    QCOMPARE(building.value("spread").toString(), QStringLiteral("perFloor"));
    QCOMPARE(root.value("floorPopulations").toArray(), (QJsonArray{"30", ""}));
    const QJsonObject elevator = root.value("elevator").toObject();
    QCOMPARE(elevator.value("doorType").toString(), QStringLiteral("4CO"));
    QCOMPARE(elevator.value("expressZoneSet"), QJsonValue(true));
    QCOMPARE(elevator.value("machineRoomRequested"), QJsonValue(false));
    QCOMPARE(elevator.value("ratedSpeed").toString(), QStringLiteral("１.７５"));
    QCOMPARE(elevator.size(), 16);
    QCOMPARE(root.value("sizing").toObject(),
             (QJsonObject{{"hcPercent", "12"}, {"interval", "30"}, {"awt", ""}, {"maxCars", "8"}, {"speeds", QJsonArray{"2.5"}}}));
    // No choice is written as null; the stored total is not kept.
    p.inputs.project.buildingType.reset();
    p.inputs.project.spread.reset();
    p.inputs.elevator.doorType.reset();
    p.elevatorEntered = false;
    p.sizing.reset();
    const QJsonObject bare = QJsonDocument::fromJson(project::projectToJson(p)).object();
    QVERIFY(bare.value("building").toObject().value("buildingType").isNull());
    QVERIFY(bare.value("building").toObject().value("spread").isNull());
    QVERIFY(!bare.contains("elevator"));
    QVERIFY(!bare.contains("sizing"));
    QVERIFY(!project::projectToJson(p).contains("storedTotal"));
}

void ProjectFileTest::writtenProjectReadsBackTheSame_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("full-width digits") << QStringLiteral("１２３．５");
    QTest::newRow("thousands comma") << QStringLiteral("1,000");
    QTest::newRow("empty") << QString();
    QTest::newRow("quotes and backslash") << QStringLiteral("a\"b\\c");
    QTest::newRow("line feed and tab") << QStringLiteral("1\n2\t3");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000" "12");
    QTest::newRow("hexadecimal") << QStringLiteral("&H1F");
    QTest::newRow("emoji") << QStringLiteral("楼\U0001F3E2");
}

void ProjectFileTest::writtenProjectReadsBackTheSame()
{
    QFETCH(QString, text);
    const std::string typed = text.toStdString();
    project::Project p;
    p.inputs.project = {typed, BuildingType::Residential, typed, typed, PopulationSpread::Even};
    p.inputs.floors.floorPopulations = {typed, typed};
    p.inputs.elevator.travel = typed;
    p.inputs.elevator.doorWidth = typed;
    p.inputs.elevator.finishingWeight = typed;
    p.inputs.elevator.advanceOpening = true;
    p.sizing = engine::SizingEntries{typed, typed, typed, typed, {typed, typed}};
    const project::ReadResult read = project::projectFromJson(project::projectToJson(p));
    QVERIFY2(read.project.has_value(), qPrintable(read.reason));
    const project::Project& q = *read.project;
    QCOMPARE(q.inputs.project.projectName, typed);
    QCOMPARE(q.inputs.project.floorsServed, typed);
    QCOMPARE(q.inputs.project.totalPopulation, typed);
    QCOMPARE(q.inputs.floors.floorPopulations, p.inputs.floors.floorPopulations);
    QCOMPARE(q.inputs.elevator.travel, typed);
    QCOMPARE(q.inputs.elevator.doorWidth, typed);
    QCOMPARE(q.inputs.elevator.finishingWeight, typed);
    QCOMPARE(q.inputs.elevator.advanceOpening, true);
    QVERIFY(q.sizing.has_value());
    QCOMPARE(q.sizing->awt, typed);
    QCOMPARE(q.sizing->speeds, (std::vector<std::string>{typed, typed}));
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

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "tst_project_file.moc"

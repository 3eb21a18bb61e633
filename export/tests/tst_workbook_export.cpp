#include "app/testing/program_driver.h"

#include "export/export_destination.h"
#include "results/load_table_form.h"
#include "results/simulation_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::testing::BuildingEntries)
Q_DECLARE_METATYPE(trevalo::testing::ElevatorEntries)

namespace {

ElevatorEntries withShares(const QString& up, const QString& down, bool decided)
{
    ElevatorEntries entries;
    entries.lossPercent = QStringLiteral("5");
    entries.upPercent = up;
    entries.downPercent = down;
    entries.decided = decided;
    return entries;
}

BuildingEntries buildingOf(const QString& option, QStringList perFloor = {})
{
    BuildingEntries entries;
    entries.buildingOption = option;
    if (!perFloor.isEmpty()) {
        entries.perFloor = true;
        entries.floors = QString::number(perFloor.size());
        entries.floorPopulations = perFloor;
    }
    return entries;
}

// A population text far wider than anything in the fitted range above it.
const QString kLongEntry = QStringLiteral("40 persons on this floor, mostly office staff");

}  // namespace

class tst_WorkbookExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void workbook_data();
    void workbook();
    void sizingWorkbook();
    void simulationWorkbook();
    void failure_data();
    void failure();
    void handOver_data();
    void handOver();

private:
    // The desktop's default application for workbooks: a script exiting with exitCode that
    // records the file it was given, or none at all (exitCode < 0).
    void setHandler(int exitCode);
    // The files the handler was given, waiting for count of them.
    QStringList opened(int count);
    // Notices the analysis gave on the way; none when the result form stands.
    QStringList runToResult(const BuildingEntries& building, const ElevatorEntries& elevator);
    QJsonObject enteredCells(const BuildingEntries& building, const ElevatorEntries& elevator, bool single);
    void checkWorkbook(QJsonObject expected);

    std::unique_ptr<ProgramDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<workbook::ExportRootOverride> m_rootOverride;
    QTemporaryDir m_desktop;
};

// xdg-open outside a desktop session asks xdg-mime for the default application, which it
// finds through these folders, and runs the Exec line of its desktop file.
void tst_WorkbookExport::initTestCase()
{
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "BROWSER", "WAYLAND_DISPLAY"})
        qunsetenv(name);
    qputenv("DISPLAY", ":97");  // only its presence matters: xdg-open then asks for the default application
    QDir(m_desktop.path()).mkpath(QStringLiteral("data/applications"));
    QDir(m_desktop.path()).mkpath(QStringLiteral("config"));
    qputenv("XDG_DATA_HOME", m_desktop.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_DATA_DIRS", m_desktop.filePath(QStringLiteral("none")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_desktop.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", m_desktop.filePath(QStringLiteral("none")).toUtf8());
}

void tst_WorkbookExport::setHandler(int exitCode)
{
    QFile::remove(m_desktop.filePath(QStringLiteral("opened")));
    QFile list(m_desktop.filePath(QStringLiteral("config/mimeapps.list")));
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    if (exitCode < 0)
        return;
    QFile script(m_desktop.filePath(QStringLiteral("handler.sh")));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                     .arg(m_desktop.filePath(QStringLiteral("opened"))).arg(exitCode).toUtf8());
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    QFile desktop(m_desktop.filePath(QStringLiteral("data/applications/trevalo-test.desktop")));
    QVERIFY(desktop.open(QIODevice::WriteOnly | QIODevice::Truncate));
    desktop.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Test\nExec=%1 %f\n").arg(script.fileName()).toUtf8());
    list.write("[Default Applications]\n"
               "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet=trevalo-test.desktop\n"
               "application/vnd.openxmlformats-officedocument.spreadsheetml.template=trevalo-test.desktop\n");
}

QStringList tst_WorkbookExport::opened(int count)
{
    QFile file(m_desktop.filePath(QStringLiteral("opened")));
    QStringList files;
    const auto read = [&] {
        files.clear();
        if (file.open(QIODevice::ReadOnly)) {
            files = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            file.close();
        }
        return files.size() >= count;
    };
    static_cast<void>(QTest::qWaitFor(read, 10000));  // the callers compare what was read
    return files;
}

void tst_WorkbookExport::init()
{
    setHandler(0);
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_rootOverride = std::make_unique<workbook::ExportRootOverride>(m_root->path());
}

void tst_WorkbookExport::cleanup()
{
    QTRY_VERIFY(QApplication::overrideCursor() == nullptr);
    m_driver.reset();
    m_rootOverride.reset();
    m_root.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QStringList tst_WorkbookExport::runToResult(const BuildingEntries& building, const ElevatorEntries& elevator)
{
    if (!m_driver)
        m_driver = std::make_unique<ProgramDriver>();
    NoticeCatcher notices;
    m_driver->runRoad(building, elevator);
    return notices.texts();
}

// The entries as typed and the captions the forms show, where the workbook must show them,
// beside the block's own captions; an empty text: the cell stays empty.
QJsonObject tst_WorkbookExport::enteredCells(const BuildingEntries& building, const ElevatorEntries& elevator,
                                             bool single)
{
    const auto caption = [this](FormId id, const char* name) {
        return m_driver->control<QWidget>(id, QString::fromLatin1(name))->property("text").toString();
    };
    const QString type = building.buildingOption;
    QJsonObject cells{
        {"A1", "项目名称："}, {"B1", "测试项目"}, {"A2", "日期： " + caption(FormId::Form2, "Label1")},
        {"D2", "时间： " + caption(FormId::Form2, "Label7")}, {"A4", "Trevalo——数据"}, {"D4", "Trevalo——结果"},
        {"B5", type == "Option1" ? "住宅" : type == "Option2" ? "办公楼及酒店" : "自用办公楼"},
        {"B6", building.floors},
        {"B7", building.perFloor ? caption(FormId::Form3, "Text2") + " (详见下示)" : building.population},
        {"B8", elevator.travel}, {"B9", elevator.floorHeight}, {"B10", elevator.expressDistance.value_or("无")},
        {"B11", QStringList{"2CO", "2SO", "4CO"}.at(elevator.doorOption) + "……" + elevator.doorWidth},
        {"B12", elevator.advanceOpening ? "有" : "无"}, {"B13", *elevator.lossPercent},
        {"B14", *elevator.upPercent}, {"B15", *elevator.downPercent}, {"B16", elevator.speed},
        {"B17", single ? elevator.ratedLoad : QString()}, {"B18", single ? elevator.cars : QString()}};
    const QStringList labels{"建筑类型", "电梯停留层数", "楼宇总人数", "电梯总行程 (米)", "平均每层高度 (米)",
                             "快速通行区 (米)", "电梯门类型及开启宽度 (毫米)", "电梯预先开门", "折耗率 (%)",
                             "上行百分比 (%)", "下行百分比 (%)", "电梯速度 (米/秒)", "单电梯载重 (KG)", "电梯数量"};
    for (int i = 0; i < labels.size(); ++i)
        cells.insert(QStringLiteral("A%1").arg(5 + i), single || i < 12 ? labels[i] : QString());
    const int listRow = single ? 20 : 18;
    cells.insert(QStringLiteral("A%1").arg(listRow), building.perFloor ? "每层人数资料" : "");
    for (int i = 0; i < building.floorPopulations.size(); ++i) {
        cells.insert(QStringLiteral("A%1").arg(listRow + 1 + i), QStringLiteral("第 %1 层人数").arg(i + 1));
        cells.insert(QStringLiteral("B%1").arg(listRow + 1 + i), building.floorPopulations[i]);
    }
    return cells;
}

void tst_WorkbookExport::checkWorkbook(QJsonObject expected)
{
    const QStringList files = opened(1);
    QCOMPARE(files.size(), 1);
    const QFileInfo file(files.front());
    QVERIFY2(file.exists() && file.absolutePath().startsWith(m_root->path()), qPrintable(file.filePath()));
    const QRegularExpression name(QStringLiteral("^测试项目 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.xltx$"));
    QVERIFY2(name.match(file.fileName()).hasMatch(), qPrintable(file.fileName()));
    QCOMPARE(QDir(file.absolutePath()).entryList(QDir::Files), QStringList{file.fileName()});

    QTemporaryDir scratch;
    QFile json(scratch.filePath(QStringLiteral("expected.json")));
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(QJsonDocument(expected).toJson());
    json.close();
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(CHECK_WORKBOOK_SCRIPT), file.filePath(), json.fileName()});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, check.readAll().constData());
}

// Rows for both result forms: the entries, and whether the load table form first swept a
// residential building (its hidden row 0 then still holds that sweep's figures).
void tst_WorkbookExport::workbook_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<bool>("afterResidentialSweep");

    const ElevatorEntries worked = withShares("30", "20", true);
    QTest::newRow("single: worked example per floor, long entry below the fitted range")
        << buildingOf("Option1", {"50", "50", "50", "50", "50", "50", "50", "50", "50", kLongEntry}) << worked << false;
    ElevatorEntries machineRoom = worked;
    machineRoom.finishingWeight = QStringLiteral("300");
    machineRoom.travel = QStringLiteral("30.0");  // the sheet shows the entry as typed, not the number read
    machineRoom.expressDistance = QStringLiteral("12");
    machineRoom.advanceOpening = true;
    machineRoom.doorOption = 1;
    QTest::newRow("single: office, machine-room load, express zone, advance opening, 2SO")
        << buildingOf("Option2") << machineRoom << false;
    machineRoom.speed = QStringLiteral("1.5");
    machineRoom.doorOption = 2;
    machineRoom.doorWidth = QStringLiteral("2000");
    QTest::newRow("single: owner-occupied, machine-room load below the pit table, 4CO")
        << buildingOf("Option5") << machineRoom << false;
    QTest::newRow("table: residential, up 70 down 30")
        << buildingOf("Option1") << withShares("70", "30", false) << false;
    QTest::newRow("table: office, up 30 down 70, after a residential sweep")
        << buildingOf("Option2") << withShares("30", "70", false) << true;
    QTest::newRow("table: owner-occupied office, 50 and 50, three floors entered")
        << buildingOf("Option5", {"100", "120", kLongEntry}) << withShares("50", "50", false) << false;
}

void tst_WorkbookExport::workbook()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(bool, afterResidentialSweep);

    if (afterResidentialSweep) {
        QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", false)), QStringList());
        m_driver->click(FormId::Form6, QStringLiteral("Command1"));
        m_driver->click(FormId::Form4, QStringLiteral("Command1"));
    }
    QCOMPARE(runToResult(building, elevator), QStringList());
    const bool single = elevator.decided;
    const FormId id = single ? FormId::Form5 : FormId::Form6;
    m_driver->click(id, QStringLiteral("Command4"));
    QCOMPARE(visibleForms(), QStringList{single ? "Form5" : "Form6"});

    QJsonObject cells = enteredCells(building, elevator, single);
    QJsonObject expected{{"listRow", building.perFloor ? (single ? 20 : 18) : 0}};
    // The design guides' targets of each building type, as the conclusion states them.
    const QMap<QString, QStringList> targets{{"Option1", {"HC(T) % ≥ 6 %", "INT ≤ 60 s"}},
                                             {"Option2", {"HC(T) % ≥ 12 %", "INT ≤ 30 s"}},
                                             {"Option5", {"HC(T) % ≥ 15 %", "INT ≤ 30 s"}}};
    expected.insert("targets", QJsonArray::fromStringList(targets.value(building.buildingOption)));
    if (single) {
        const auto* form = m_driver->navigator().formAs<SingleResultForm>(id);
        const QStringList labels{"总行程时间 (秒)", "最长侯机时间 (秒)", "5分钟内单机运载人数", "5分钟内总运载人数",
                                 "5分钟内单机运载人数百分比", "5分钟内总运载人数百分比", "电梯机房的结构荷载 kg",
                                 "井深 m", "井顶缓冲高度 m"};
        for (int i = 0; i < 9; ++i) {
            const bool shown = i < 6 || (i == 6 ? form->structuralLoadRowVisible() : form->pitDepthRowVisible());
            cells.insert(QStringLiteral("D%1").arg(5 + i), shown ? labels[i] : QString());
            cells.insert(QStringLiteral("E%1").arg(5 + i), shown ? form->valueText(i) : QString());
        }
        cells.insert("D15", "计算电梯机房结构荷载");
        cells.insert("E15", elevator.finishingWeight ? "是" : "否");
        cells.insert("D16", "装修重量 (kg)");
        cells.insert("E16", elevator.finishingWeight.value_or(""));
    } else {
        const auto* table = m_driver->navigator().formAs<LoadTableForm>(id);
        if (afterResidentialSweep)
            QCOMPARE(table->cellText(4, 0), QStringLiteral("72.641"));  // left over, not to be exported
        const bool down = elevator.downPercent->toInt() > elevator.upPercent->toInt();
        const QStringList headers{"载重/人数", down ? "DN" : "UP", down ? "UP" : "DN", "RTT (SEC)", "HC (%)",
                                  "HC (PERSONS)", down ? "PS (DN)" : "PS (UP)", "HR", "轿箱最大有效面积(平方米)",
                                  "轿箱最小有效面积(平方米)"};
        // The standard's largest and smallest car areas of each rated load, 675 kg up to 1800 kg.
        const QStringList largest{"1.75", "1.90", "2.05", "2.20", "2.35", "2.50", "2.65", "2.80",
                                  "2.95", "3.10", "3.25", "3.40", "3.55", "3.64", "3.76", "3.88"};
        const QStringList smallest{"1.59", "1.73", "1.87", "2.01", "2.15", "2.29", "2.43", "2.57",
                                   "2.71", "2.85", "2.99", "3.13", "3.25", "3.36", "3.48", "3.59"};
        for (int row = 0; row < 16; ++row) {
            for (int array = 1; array <= 8; ++array)
                cells.insert(QChar('C' + array) + QString::number(6 + row),
                             array > 1 && !table->rowVisible(row) ? QString() : table->cellText(array, row));
            cells.insert(QStringLiteral("L%1").arg(6 + row), largest[row]);
            cells.insert(QStringLiteral("M%1").arg(6 + row), smallest[row]);
            if (row < headers.size())
                cells.insert(QChar('D' + row) + QStringLiteral("5"), headers[row]);
        }
        expected.insert("chartRow", table->rowVisible(0) ? 6 : 7);
    }
    expected.insert("cells", cells);
    checkWorkbook(expected);
}

// Through the sizing form's button: the sheet "选型", A4 landscape at full size, with the targets,
// the answer, the basis, the configurations that meet the targets and the block to sign; then
// "全部试算" with every configuration tried (8 cars x 15 office loads at the one entered speed).
void tst_WorkbookExport::sizingWorkbook()
{
    m_driver = std::make_unique<ProgramDriver>();
    m_driver->enterBuilding(buildingOf("Option2"));
    m_driver->enterElevator(withShares("50", "50", false));
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    m_driver->click(FormId::Form7, QStringLiteral("Command4"));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form7")});
    // Targets in rows 5 to 12, the answer in 14 to 20, the basis in 22 to 29, the table's
    // heading in row 32; the 120 configurations tried in rows 5 to 124 of 全部试算.
    const auto cellsOf = [](std::initializer_list<std::pair<const char*, const char*>> texts) {
        QJsonObject cells;
        for (const auto& [address, text] : texts)
            cells.insert(QString::fromUtf8(address), QString::fromUtf8(text));
        return cells;
    };
    const QJsonObject cells = cellsOf(
        {{"D4", "Trevalo——电梯选型"}, {"D5", "设计目标"}, {"D6", "5分钟总运载能力 HC (%) ≥"}, {"H6", "12"},
         {"I6", "ISO 8100-32:2020：办公楼上行高峰5分钟运载能力不低于12%"}, {"H10", "不限"}, {"H12", "1.75"},
         {"D14", "推荐配置"}, {"D22", "计算依据"}, {"D32", "台数"}});
    const QJsonObject trials = cellsOf({{"A4", "台数"}, {"A5", "1"}, {"B5", "750/10"}, {"A124", "8"},
                                        {"B124", "1800/24"}, {"A125", ""}});
    checkWorkbook({{"headingRow", 32}, {"cells", cells}, {"trials", trials}});
}

// Through the simulation form's button, after the command line's hand-worked list at 1 m/s and
// 300 kg: the entries as typed and as taken, the figures to the decimals the form shows, the one
// replication and the table.
void tst_WorkbookExport::simulationWorkbook()
{
    // An up share of 80 %: the loading limit's default.
    ElevatorEntries slow = withShares("80", "20", true);
    slow.speed = QStringLiteral("1");
    slow.ratedLoad = QStringLiteral("300");
    QCOMPARE(runToResult(buildingOf("Option1"), slow), QStringList());
    m_driver->click(FormId::Form5, QStringLiteral("Simulate"));
    auto* form = m_driver->navigator().formAs<SimulationForm>(FormId::Form8);
    form->setPassengers({{0, 3}, {1, 3}, {3, 5}, {20, 2}});
    m_driver->type(FormId::Form8, QStringLiteral("Text1_3"), QStringLiteral("1"));
    m_driver->click(FormId::Form8, QStringLiteral("Command1"));
    QTRY_VERIFY(!form->isRunning());
    m_driver->click(FormId::Form8, QStringLiteral("Command4"));
    const QJsonObject figures{
        {"停留时间", QJsonArray{"1", "1", "秒（首位乘客上车后保持开门的时间）"}}, {"装载上限", QJsonArray{"（默认）", "80"}},
        {"客流", QJsonArray{"导入的 4 位乘客"}}, {"平均候梯时间 AWT (秒)", QJsonArray{"5.1"}},
        {"候梯时间 P90 (秒)", QJsonArray{"16.8"}}, {"平均到达目的层时间 ATTD (秒)", QJsonArray{"24.0"}},
        {"平均发车间隔 HS (秒)", QJsonArray{"18.4"}}, {"平均往返时间 RTT (秒)", QJsonArray{"36.8"}},
        {"5分钟内上行运载人数 HC (人)", QJsonArray{"—"}}, {"统计乘客 (人)", QJsonArray{"4", ""}},
        {"1", QJsonArray{"4", "5.1", "0.0"}}, {"0–5", QJsonArray{"3", "75.0"}}, {"15–20", QJsonArray{"1", "25.0"}},
        {"≥120", QJsonArray{"0", "0.0"}}};
    checkWorkbook({{"simulation", figures}});
}

void tst_WorkbookExport::failure_data()
{
    QTest::addColumn<bool>("halfway");
    QTest::newRow("the export folder cannot be made") << false;
    QTest::newRow("the workbook outgrows a file size limit mid-write") << true;
}

// The notice, and neither a partial workbook nor its folder left behind; the result form stays
// usable, and no export overwrites another, even within a second.
void tst_WorkbookExport::failure()
{
    QFETCH(bool, halfway);
    QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", false)), QStringList());
    // A folder cannot be made inside a plain file, whoever runs the test.
    QFile blocker(m_root->filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 2048;
    {
        std::optional<workbook::ExportRootOverride> unwritable;
        if (!halfway)
            unwritable.emplace(blocker.fileName() + QStringLiteral("/exports"));
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, halfway ? &small : &previous), 0);
        NoticeCatcher catcher;
        m_driver->click(FormId::Form6, QStringLiteral("Command4"));
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
        QCOMPARE(catcher.texts(), QStringList{QStringLiteral("无法生成Excel表格")});
    }
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("not-a-folder")});

    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    const QStringList files = opened(2);
    QCOMPARE(files.size(), 2);
    QVERIFY(files[0] != files[1] && QFileInfo::exists(files[0]) && QFileInfo::exists(files[1]));
}

void tst_WorkbookExport::handOver_data()
{
    QTest::addColumn<int>("handlerExit");
    QTest::newRow("the handler opens it") << 0;
    QTest::newRow("the handler fails") << 1;
    QTest::newRow("no handler at all") << -1;
}

// The dialog with the saved path appears exactly when xdg-open reports a failure.
void tst_WorkbookExport::handOver()
{
    QFETCH(int, handlerExit);
    QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", true)), QStringList());
    setHandler(handlerExit);
    m_driver->click(FormId::Form5, QStringLiteral("Command4"));
    const QStringList files = QDir(m_root->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(files.size(), 1);
    const QDir folder(m_root->filePath(files.front()));
    const QString path = folder.filePath(folder.entryList(QDir::Files).value(0));
    QVERIFY(path.endsWith(QStringLiteral(".xltx")));
    if (handlerExit >= 0)
        QCOMPARE(opened(1), QStringList{path});
    QTest::qWait(500);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::overrideCursor() == nullptr, 10000);
    auto* dialog = m_driver->form(FormId::Form5)->findChild<QDialog*>(QStringLiteral("unopenedWorkbookDialog"));
    QCOMPARE(dialog != nullptr, handlerExit != 0);
    if (dialog == nullptr)
        return;
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("注意"));
    const auto* pathBox = dialog->findChild<QLineEdit*>();
    QCOMPARE(pathBox->text(), QDir::toNativeSeparators(path));
    QVERIFY(pathBox->isReadOnly() && pathBox->selectedText() == pathBox->text());
    dialog->close();
}

QTEST_MAIN(tst_WorkbookExport)
#include "tst_workbook_export.moc"

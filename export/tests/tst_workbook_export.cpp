#include "expected_sheet.h"
#include "app/testing/program_driver.h"

#include "export/export_destination.h"
#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
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
public slots:
    void openFile(const QUrl& url) { m_opened << url; }

private slots:
    void init();
    void cleanup();

    void singleResultWorkbook_data();
    void singleResultWorkbook();
    void loadTableWorkbook_data();
    void loadTableWorkbook();
    void unwritableFolder();
    void writeFailingHalfway();
    void workbookThatCannotBeOpened();

private:
    // Notices the analysis gave on the way; none when the result form stands.
    QStringList runToResult(const BuildingEntries& building, const ElevatorEntries& elevator);
    void checkWorkbook(const ExpectedSheet& expected, int fitColumns, int chartFirstRow);

    std::unique_ptr<ProgramDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<workbook::ExportRootOverride> m_rootOverride;
    QList<QUrl> m_opened;
};

void tst_WorkbookExport::init()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_rootOverride = std::make_unique<workbook::ExportRootOverride>(m_root->path());
    m_opened.clear();
}

void tst_WorkbookExport::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
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

void tst_WorkbookExport::checkWorkbook(const ExpectedSheet& expected, int fitColumns, int chartFirstRow)
{
    QCOMPARE(m_opened.size(), 1);
    const QFileInfo file(m_opened.front().toLocalFile());
    QVERIFY2(file.exists() && file.absolutePath().startsWith(m_root->path()), qPrintable(file.filePath()));
    const QRegularExpression name(QStringLiteral("^测试项目 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.xlsx$"));
    QVERIFY2(name.match(file.fileName()).hasMatch(), qPrintable(file.fileName()));
    QCOMPARE(QDir(file.absolutePath()).entryList(QDir::Files), QStringList{file.fileName()});

    QTemporaryDir scratch;
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(CHECK_WORKBOOK_SCRIPT), file.filePath(),
                                                     expected.save(scratch.path(), fitColumns, chartFirstRow)});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, check.readAll().constData());
}

void tst_WorkbookExport::singleResultWorkbook_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<bool>("structuralLoad");
    QTest::addColumn<bool>("pitAndHeadroom");

    const ElevatorEntries worked = withShares("30", "20", true);
    QTest::newRow("worked example entered per floor, long entry below the fitted range")
        << buildingOf("Option1", {"50", "50", "50", "50", "50", "50", "50", "50", "50", kLongEntry}) << worked
        << false << true;
    ElevatorEntries machineRoom = worked;
    machineRoom.finishingWeight = QStringLiteral("300");
    machineRoom.travel = QStringLiteral("30.0");  // the sheet shows the entry as typed, not the number read
    machineRoom.expressDistance = QStringLiteral("12");
    machineRoom.advanceOpening = true;
    machineRoom.doorOption = 1;
    QTest::newRow("machine-room load, express zone, advance opening, 2SO")
        << buildingOf("Option2") << machineRoom << true << true;
    ElevatorEntries slow = machineRoom;
    slow.speed = QStringLiteral("1.5");
    slow.doorOption = 2;
    slow.doorWidth = QStringLiteral("2000");
    QTest::newRow("machine-room load below the pit table, 4CO") << buildingOf("Option5") << slow << true << false;
    ElevatorEntries plain = slow;
    plain.finishingWeight.reset();
    QTest::newRow("neither optional group") << buildingOf("Option1") << plain << false << false;
}

void tst_WorkbookExport::singleResultWorkbook()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(bool, structuralLoad);
    QFETCH(bool, pitAndHeadroom);

    QCOMPARE(runToResult(building, elevator), QStringList());
    const auto* form = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(form != nullptr);
    QCOMPARE(form->structuralLoadRowVisible(), structuralLoad);
    QCOMPARE(form->pitDepthRowVisible(), pitAndHeadroom);
    m_driver->click(FormId::Form5, QStringLiteral("Command4"));
    QCOMPARE(visibleForms(), QStringList{"Form5"});

    ExpectedSheet expected;
    expected.addInputBlock(m_driver->navigator(), building, elevator, true, 20);
    expected.addSingleResult(m_driver->navigator());
    checkWorkbook(expected, 5, 0);
}

void tst_WorkbookExport::loadTableWorkbook_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<bool>("afterResidentialSweep");  // on the same form
    QTest::addColumn<bool>("relabelled");
    QTest::addColumn<bool>("rowZeroShown");

    QTest::newRow("residential, up 70 down 30")
        << buildingOf("Option1") << withShares("70", "30", false) << false << false << true;
    QTest::newRow("office, up 30 down 70, row 0 hidden over the residential sweep's figures")
        << buildingOf("Option2") << withShares("30", "70", false) << true << true << false;
    QTest::newRow("owner-occupied office, 50 and 50, three floors entered")
        << buildingOf("Option5", {"100", "120", kLongEntry}) << withShares("50", "50", false) << false << false
        << false;
    QTest::newRow("residential worked sweep, per floor")
        << buildingOf("Option1", {"50", "50", "50", "50", "50", "50", "50", "50", "50", "50"})
        << withShares("30", "20", false) << false << false << true;
}

void tst_WorkbookExport::loadTableWorkbook()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(bool, afterResidentialSweep);
    QFETCH(bool, relabelled);
    QFETCH(bool, rowZeroShown);

    if (afterResidentialSweep) {
        QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", false)), QStringList());
        m_driver->click(FormId::Form6, QStringLiteral("Command1"));
        m_driver->click(FormId::Form4, QStringLiteral("Command1"));
    }
    QCOMPARE(runToResult(building, elevator), QStringList());
    const auto* table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowVisible(0), rowZeroShown);
    if (afterResidentialSweep)
        QCOMPARE(table->cellText(4, 0), QStringLiteral("72.641"));  // left over, not to be exported
    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    QCOMPARE(visibleForms(), QStringList{"Form6"});

    ExpectedSheet expected;
    expected.addInputBlock(m_driver->navigator(), building, elevator, false, 18);
    expected.addLoadTable(m_driver->navigator(), relabelled);
    checkWorkbook(expected, 13, rowZeroShown ? 6 : 7);
}

void tst_WorkbookExport::unwritableFolder()
{
    // A folder cannot be made inside a plain file, whoever runs the test.
    QFile blocker(m_root->filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", false)), QStringList());
    {
        workbook::ExportRootOverride unwritable(blocker.fileName() + QStringLiteral("/exports"));
        NoticeCatcher catcher;
        m_driver->click(FormId::Form6, QStringLiteral("Command4"));
        QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
        QCOMPARE(catcher.texts(), QStringList{QStringLiteral("无法生成Excel表格")});
    }
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("not-a-folder")});

    // The result form stays usable, and no export overwrites another, even within a second.
    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    QCOMPARE(m_opened.size(), 2);
    QVERIFY(m_opened[0] != m_opened[1]);
    QVERIFY(QFileInfo::exists(m_opened[0].toLocalFile()) && QFileInfo::exists(m_opened[1].toLocalFile()));
}

void tst_WorkbookExport::writeFailingHalfway()
{
    QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", false)), QStringList());
    // The export folder is made, then the workbook outgrows a file size limit mid-write.
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 2048;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    NoticeCatcher catcher;
    m_driver->click(FormId::Form6, QStringLiteral("Command4"));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("无法生成Excel表格")});
    QVERIFY(m_opened.isEmpty());
    // Neither the partial workbook nor its folder is left behind.
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(m_driver->form(FormId::Form6)->isVisible());
}

void tst_WorkbookExport::workbookThatCannotBeOpened()
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        QSKIP("only the offscreen platform reliably has no application for workbooks");
    QCOMPARE(runToResult(buildingOf("Option1"), withShares("30", "20", true)), QStringList());

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    NoticeCatcher catcher;
    m_driver->click(FormId::Form5, QStringLiteral("Command4"));
    QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
    // The notice ends with where the workbook was saved.
    const QString text = catcher.texts().value(0);
    const QString path = QDir::fromNativeSeparators(text.mid(text.indexOf(QDir::toNativeSeparators(m_root->path()))));
    QVERIFY2(path.startsWith(m_root->path()) && path.endsWith(".xlsx") && QFileInfo(path).isFile(), qPrintable(text));
    QVERIFY(m_driver->form(FormId::Form5)->isVisible());
}

QTEST_MAIN(tst_WorkbookExport)
#include "tst_workbook_export.moc"

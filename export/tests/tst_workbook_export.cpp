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

BuildingEntries building(const QString& option, QStringList perFloor = {})
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
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void singleResultWorkbook_data();
    void singleResultWorkbook();
    void loadTableWorkbook_data();
    void loadTableWorkbook();
    void hiddenRowZeroLeftFromAnEarlierRun();
    void everyExportIsANewFile();
    void unwritableFolder_data();
    void unwritableFolder();
    void workbookThatCannotBeOpened();

private:
    void runToResult(const BuildingEntries& building, const ElevatorEntries& elevator);
    void exportFrom(FormId id);
    QString openedPath() const;
    void checkWorkbook(const QString& workbook, const ExpectedSheet& expected, int fitColumns,
                       int chartFirstRow);

    std::unique_ptr<ProgramDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<workbook::ExportRootOverride> m_rootOverride;
    QList<QUrl> m_opened;
};

void tst_WorkbookExport::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
}

void tst_WorkbookExport::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void tst_WorkbookExport::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_rootOverride = std::make_unique<workbook::ExportRootOverride>(m_root->path());
    m_opened.clear();
}

void tst_WorkbookExport::cleanup()
{
    m_driver.reset();
    m_rootOverride.reset();
    m_root.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_WorkbookExport::runToResult(const BuildingEntries& building,
                                     const ElevatorEntries& elevator)
{
    m_driver = std::make_unique<ProgramDriver>();
    NoticeCatcher notices;
    m_driver->runRoad(building, elevator);
    QVERIFY2(notices.texts().isEmpty(), qPrintable(notices.texts().join('|')));
}

void tst_WorkbookExport::exportFrom(FormId id)
{
    QWidget* form = m_driver->form(id);
    QVERIFY(form != nullptr && form->isVisible());
    m_driver->click(id, QStringLiteral("Command4"));
}

QString tst_WorkbookExport::openedPath() const
{
    return m_opened.size() == 1 && m_opened.front().isLocalFile() ? m_opened.front().toLocalFile()
                                                                   : QString();
}

void tst_WorkbookExport::checkWorkbook(const QString& workbook, const ExpectedSheet& expected,
                                       int fitColumns, int chartFirstRow)
{
    const QFileInfo file(workbook);
    QVERIFY2(file.exists(), qPrintable(workbook));
    QVERIFY(file.absolutePath().startsWith(m_root->path()));
    QVERIFY2(QRegularExpression(QStringLiteral(
                 "^测试项目 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.xlsx$"))
                 .match(file.fileName())
                 .hasMatch(),
             qPrintable(file.fileName()));
    QCOMPARE(QDir(file.absolutePath()).entryList(QDir::Files), QStringList{file.fileName()});

    QTemporaryDir scratch;
    const QString expectations = expected.save(scratch.path(), fitColumns, chartFirstRow);
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(CHECK_WORKBOOK_SCRIPT), workbook, expectations});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0,
             check.readAll().constData());
}

void tst_WorkbookExport::singleResultWorkbook_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<QStringList>("resultCells");  // E5, E11, E12, E13 as the sheet must hold them

    const ElevatorEntries worked = withShares("30", "20", true);
    QTest::newRow("worked example, pit depth and headroom, even spread")
        << building("Option1") << worked << QStringList{"93.57", "", "1.7", "4.9"};
    QTest::newRow("worked example entered per floor, long entry below the fitted range")
        << building("Option1", {"50", "50", "50", "50", "50", "50", "50", "50", "50", kLongEntry})
        << worked << QStringList{"", "", "1.7", "4.9"};

    ElevatorEntries machineRoom = worked;
    machineRoom.finishingWeight = QStringLiteral("300");
    machineRoom.expressDistance = QStringLiteral("12");
    machineRoom.advanceOpening = true;
    machineRoom.doorOption = 1;
    QTest::newRow("machine-room load, express zone, advance opening, 2SO")
        << building("Option2") << machineRoom << QStringList{"", "17425", "1.7", "4.9"};

    ElevatorEntries slow = machineRoom;
    slow.speed = QStringLiteral("1.5");
    slow.doorOption = 2;
    slow.doorWidth = QStringLiteral("2000");
    QTest::newRow("machine-room load below the pit table, 4CO")
        << building("Option5") << slow << QStringList{"", "17425", "", ""};

    ElevatorEntries plain = slow;
    plain.finishingWeight.reset();
    QTest::newRow("neither optional group") << building("Option1") << plain
                                            << QStringList{"", "", "", ""};
}

void tst_WorkbookExport::singleResultWorkbook()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(QStringList, resultCells);

    runToResult(building, elevator);
    if (QTest::currentTestFailed())
        return;
    exportFrom(FormId::Form5);
    QCOMPARE(visibleForms(), QStringList{"Form5"});

    ExpectedSheet expected;
    expected.addInputBlock(m_driver->navigator(), building, elevator, true, 20);
    expected.addSingleResult(m_driver->navigator());
    const QStringList cells{"E5", "E11", "E12", "E13"};
    for (int i = 0; i < cells.size(); ++i) {
        if (!resultCells[i].isEmpty() || i > 0)
            QCOMPARE(expected.text(cells[i]), resultCells[i]);
    }
    checkWorkbook(openedPath(), expected, 5, 0);
}

void tst_WorkbookExport::loadTableWorkbook_data()
{
    QTest::addColumn<BuildingEntries>("building");
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<bool>("relabelled");
    QTest::addColumn<QStringList>("row6");  // D6 .. M6; "*": any figure

    QTest::newRow("residential, up 70 down 30")
        << building("Option1") << withShares("70", "30", false) << false
        << QStringList{"675/9", "*", "*", "*", "*", "*", "*", "*", "1.75", "1.59"};
    QTest::newRow("office, up 30 down 70, fresh form with row 0 hidden")
        << building("Option2") << withShares("30", "70", false) << true
        << QStringList{"675/9", "", "", "", "", "", "", "", "1.75", "1.59"};
    QTest::newRow("owner-occupied office, 50 and 50, three floors entered")
        << building("Option5", {"100", "120", kLongEntry}) << withShares("50", "50", false) << false
        << QStringList{"675/9", "", "", "", "", "", "", "", "1.75", "1.59"};
    QTest::newRow("residential worked sweep, per floor")
        << building("Option1", {"50", "50", "50", "50", "50", "50", "50", "50", "50", "50"})
        << withShares("30", "20", false) << false
        << QStringList{"675/9", "2.7", "1.8", "72.641", "3.717", "18.585", "2.476", "7.775", "1.75", "1.59"};
}

void tst_WorkbookExport::loadTableWorkbook()
{
    QFETCH(BuildingEntries, building);
    QFETCH(ElevatorEntries, elevator);
    QFETCH(bool, relabelled);
    QFETCH(QStringList, row6);

    runToResult(building, elevator);
    if (QTest::currentTestFailed())
        return;
    exportFrom(FormId::Form6);
    QCOMPARE(visibleForms(), QStringList{"Form6"});

    ExpectedSheet expected;
    expected.addInputBlock(m_driver->navigator(), building, elevator, false, 18);
    expected.addLoadTable(m_driver->navigator(), relabelled);
    for (int k = 0; k < row6.size(); ++k) {
        const QString cell = expected.text(QChar('D' + k) + QStringLiteral("6"));
        if (row6[k] == QStringLiteral("*"))
            QVERIFY(!cell.isEmpty());
        else
            QCOMPARE(cell, row6[k]);
    }
    const bool rowZeroFilled = !row6[1].isEmpty();
    checkWorkbook(openedPath(), expected, 13, rowZeroFilled ? 6 : 7);
}

void tst_WorkbookExport::hiddenRowZeroLeftFromAnEarlierRun()
{
    runToResult(building("Option1"), withShares("30", "20", false));
    if (QTest::currentTestFailed())
        return;
    // Back to the building data form, office instead, and the sweep into the same form.
    m_driver->click(FormId::Form6, QStringLiteral("Command1"));
    m_driver->click(FormId::Form4, QStringLiteral("Command1"));
    NoticeCatcher notices;
    m_driver->runRoad(building("Option2"), withShares("30", "20", false));
    QVERIFY(notices.texts().isEmpty());
    const auto* table = m_driver->navigator().formAs<LoadTableForm>(FormId::Form6);
    QVERIFY(table != nullptr && !table->rowVisible(0));
    QCOMPARE(table->cellText(4, 0), QStringLiteral("72.641"));  // the residential run's figure

    exportFrom(FormId::Form6);
    ExpectedSheet expected;
    expected.addInputBlock(m_driver->navigator(), building("Option2"), withShares("30", "20", false),
                           false, 18);
    expected.addLoadTable(m_driver->navigator(), false);
    for (const char* address : {"E6", "F6", "G6", "H6", "I6", "J6", "K6"})
        QCOMPARE(expected.text(QLatin1String(address)), QString());
    QCOMPARE(expected.text(QStringLiteral("D6")), QStringLiteral("675/9"));
    checkWorkbook(openedPath(), expected, 13, 7);
}

void tst_WorkbookExport::everyExportIsANewFile()
{
    runToResult(building("Option1"), withShares("30", "20", false));
    if (QTest::currentTestFailed())
        return;
    exportFrom(FormId::Form6);
    exportFrom(FormId::Form6);
    QCOMPARE(m_opened.size(), 2);
    QVERIFY(m_opened[0] != m_opened[1]);
    QVERIFY(QFileInfo::exists(m_opened[0].toLocalFile()));
    QVERIFY(QFileInfo::exists(m_opened[1].toLocalFile()));
}

void tst_WorkbookExport::unwritableFolder_data()
{
    QTest::addColumn<bool>("decided");
    QTest::addColumn<FormId>("form");
    QTest::newRow("single result") << true << FormId::Form5;
    QTest::newRow("load table") << false << FormId::Form6;
}

void tst_WorkbookExport::unwritableFolder()
{
    QFETCH(bool, decided);
    QFETCH(FormId, form);

    // A folder cannot be made inside a plain file, whoever runs the test.
    const QString plainFile = m_root->filePath(QStringLiteral("not-a-folder"));
    QFile blocker(plainFile);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    runToResult(building("Option1"), withShares("30", "20", decided));
    if (QTest::currentTestFailed())
        return;
    {
        workbook::ExportRootOverride unwritable(plainFile + QStringLiteral("/exports"));
        NoticeCatcher catcher;
        exportFrom(form);
        QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
        QCOMPARE(catcher.texts(), QStringList{QStringLiteral("无法生成Excel表格")});
    }
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("not-a-folder")});

    // The result form stays usable: the next export succeeds.
    QVERIFY(m_driver->form(form)->isVisible());
    exportFrom(form);
    QVERIFY(QFileInfo::exists(openedPath()));
}

void tst_WorkbookExport::workbookThatCannotBeOpened()
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        QSKIP("only the offscreen platform reliably has no application for workbooks");
    runToResult(building("Option1"), withShares("30", "20", true));
    if (QTest::currentTestFailed())
        return;

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    NoticeCatcher catcher;
    exportFrom(FormId::Form5);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");

    QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
    const QStringList files = QDir(m_root->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(files.size(), 1);
    const QDir folder(m_root->filePath(files.front()));
    const QStringList workbooks = folder.entryList(QDir::Files);
    QCOMPARE(workbooks.size(), 1);
    const QString path = QDir::toNativeSeparators(folder.filePath(workbooks.front()));
    QVERIFY2(catcher.texts().value(0).contains(path), qPrintable(catcher.texts().value(0)));
    QVERIFY(m_driver->form(FormId::Form5)->isVisible());
}

QTEST_MAIN(tst_WorkbookExport)
#include "tst_workbook_export.moc"

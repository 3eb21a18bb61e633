#include "app/project_commands.h"
#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "project/project_file.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

// The building: residential (the worked example: 10 floors, 500 persons, 30 m, 3 m, 2CO
// 900 mm, 1.75 m/s) or an office of 20 floors and 1200 persons, 60 m, 2CO 1000 mm, 2.5 m/s.
std::unique_ptr<ProgramDriver> atParameters(bool office)
{
    auto driver = std::make_unique<ProgramDriver>();
    BuildingEntries building;
    ElevatorEntries elevator;
    elevator.decided = false;
    if (office) {
        building.buildingOption = QStringLiteral("Option2");
        building.floors = QStringLiteral("20");
        building.population = QStringLiteral("1200");
        elevator.travel = QStringLiteral("60");
        elevator.doorWidth = QStringLiteral("1000");
        elevator.speed = QStringLiteral("2.5");
    }
    driver->enterBuilding(building);
    driver->enterElevator(elevator);
    return driver;
}

QTableView* table(ProgramDriver& driver) { return driver.control<QTableView>(FormId::Form7, QStringLiteral("Table1")); }

QString cell(ProgramDriver& driver, int row, int column)
{
    QTableView* view = table(driver);
    return view->model()->index(row, column).data().toString();
}

QStringList rowTexts(ProgramDriver& driver, int row)
{
    QStringList texts;
    for (int column = 0; column < table(driver)->model()->columnCount(); ++column)
        texts << cell(driver, row, column);
    return texts;
}

// The worked example (residential, 10 floors, 500 persons, 1000 kg x 2 cars at 1.75 m/s):
// its group carries 8.336 % of the population in five minutes at an interval of 46.785 s.
QByteArray workedProject(const QByteArray& sizingMember)
{
    return R"({"format": "trevalo-project", "version": 1,
        "building": {"projectName": "选型目标", "buildingType": "residential", "floorsServed": "10",
                     "totalPopulation": "500", "spread": "even"},
        "elevator": {"travel": "30", "floorHeight": "3", "doorType": "2CO", "doorWidth": "900",
                     "lossPercent": "5", "upPercent": "30", "downPercent": "20", "ratedSpeed": "1.75",
                     "fixedConfiguration": true, "ratedLoad": "1000", "carCount": "2"})" +
           sizingMember + "}";
}

ProjectSession& sessionOf(ProgramDriver& driver) { return *ProjectSession::of(driver.navigator()); }

}  // namespace

class TestSizingForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void adoptingARowLandsOnTheSingleResult_data();
    void adoptingARowLandsOnTheSingleResult();
    void aTargetChangedReranksAtOnce();
    void aFailedCheckKeepsTheParametersForm();
    void backReturnsToTheParametersUnchanged();
    void aNewBuildingTypeStartsFromItsPresets();
    void everySpeedTooSlowForTheFireLiftIsShownOnTheForm();
    // A project's sizing entries: the form starts from them and saves them back, and the single
    // result is judged against their targets.
    void resultIsJudgedAgainstTheProjectsTargets_data();
    void resultIsJudgedAgainstTheProjectsTargets();
    void sizingFormStartsFromTheProjectAndIsSaved();

private:
    QString write(const QByteArray& content, const QString& name)
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() ? file.fileName() : QString();
    }

    QTemporaryDir m_folder;
    std::unique_ptr<ProgramDriver> m_driver;
};

void TestSizingForm::cleanup()
{
    QVERIFY(dropProgram(m_driver));
}

// The rows and the single result's captions come from a throwaway model of the published
// formulas, run once (not part of the project): the residential presets (6 %, 60 s) first
// list 2 x 675 kg; the office presets (12 %, 30 s) 6 x 1050 kg, then 7 x 750 kg.
void TestSizingForm::adoptingARowLandsOnTheSingleResult_data()
{
    QTest::addColumn<bool>("office");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cars");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QStringList>("captions");  // Label7(0) .. Label7(5), (7), (8)
    QTest::addColumn<QString>("configuration");
    QTest::newRow("residential first row") << false << 0 << "2" << "675/9"
                                           << QStringList{"72.641", "36.32", "18.585", "37.169", "3.717", "7.434",
                                                          "1.7", "4.9"}
                                           << "2 台 × 675 kg（9 人），1.75 m/s，2CO 900 mm";
    QTest::newRow("office second row") << true << 1 << "7" << "750/10"
                                       << QStringList{"135.979", "19.426", "22.062", "154.436", "1.839", "12.87",
                                                      "2.5", "5.2"}
                                       << "7 台 × 750 kg（10 人），2.5 m/s，2CO 1000 mm";
}

void TestSizingForm::adoptingARowLandsOnTheSingleResult()
{
    QFETCH(bool, office);
    QFETCH(int, row);
    QFETCH(QString, cars);
    QFETCH(QString, load);
    QFETCH(QStringList, captions);
    QFETCH(QString, configuration);
    m_driver = atParameters(office);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form7")});
    // The office's 60 m of travel asks for a fire lift of 800 kg; without it the lists below hold.
    m_driver->type(FormId::Form7, QStringLiteral("Text1_5"), QString());
    QCOMPARE(cell(*m_driver, row, 0), cars);
    QCOMPARE(cell(*m_driver, row, 1), load);
    QTableView* view = table(*m_driver);
    const QRect rowRect = view->visualRect(view->model()->index(row, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect.center());
    m_driver->click(FormId::Form7, QStringLiteral("Command2"));

    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form5")});
    auto* result = qobject_cast<SingleResultForm*>(m_driver->form(FormId::Form5));
    QVERIFY(result != nullptr);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(result->valueText(i), captions[i]);
    QVERIFY(result->pitDepthRowVisible());
    QCOMPARE(result->valueText(7), captions[6]);
    QCOMPARE(result->valueText(8), captions[7]);
    QCOMPARE(result->configurationText(), configuration);
    // The parameters form holds the adopted configuration, as if typed.
    QVERIFY(m_driver->control<QCheckBox>(FormId::Form4, QStringLiteral("Check3"))->isChecked());
    QCOMPARE(m_driver->control<QComboBox>(FormId::Form4, QStringLiteral("Combo3"))->currentText(), load.section('/', 0, 0));
    QCOMPARE(m_driver->control<QLineEdit>(FormId::Form4, QStringLiteral("TEXT1_7"))->text(), cars);
}

void TestSizingForm::aTargetChangedReranksAtOnce()
{
    m_driver = atParameters(true);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    // 60 m of office travel is above the fire-lift height: 800 kg at least, from the code.
    const auto source = [this](const char* name) {
        return m_driver->control<QLabel>(FormId::Form7, QString::fromLatin1(name))->text();
    };
    QCOMPARE(m_driver->control<QLineEdit>(FormId::Form7, QStringLiteral("Text1_5"))->text(), QStringLiteral("800"));
    QVERIFY2(source("Source1_5").startsWith(QStringLiteral("GB 50016-2014")), qPrintable(source("Source1_5")));
    QCOMPARE(cell(*m_driver, 0, 1), QStringLiteral("1050/14"));
    m_driver->type(FormId::Form7, QStringLiteral("Text1_5"), QString());
    QCOMPARE(source("Source1_5"), QStringLiteral("用户设定"));
    QCOMPARE(cell(*m_driver, 0, 0), QStringLiteral("6"));
    // One millionth above 6 x 1050 kg's 12.190748 %: the first row moves to seven cars, and the
    // explanation names what six cars of 750 kg miss. (Figures from the throwaway model.)
    const QString guide = source("Source1_0");
    m_driver->type(FormId::Form7, QStringLiteral("Text1_0"), QStringLiteral("12.190749"));
    QCOMPARE(source("Source1_0"), QStringLiteral("用户设定"));
    QVERIFY(guide != source("Source1_0"));
    // Written like the result forms' figures, with an office's interval grade (19.426 s: 优).
    QCOMPARE(rowTexts(*m_driver, 0),
             (QStringList{"7", "750/10", "2.5", "135.979", "19.426", "12.87", "8.099", "优"}));
    const QString why = m_driver->control<QLabel>(FormId::Form7, QStringLiteral("Label2"))->text();
    QVERIFY2(why.contains(QStringLiteral("6 台 750/10")) && why.contains(QStringLiteral("HC 11.031%")), qPrintable(why));
    // Three cars at most: nothing serves, the closest are listed with their margins.
    m_driver->type(FormId::Form7, QStringLiteral("Text1_3"), QStringLiteral("3"));
    const QString summary = m_driver->control<QLabel>(FormId::Form7, QStringLiteral("Label1"))->text();
    QVERIFY2(summary.contains(QStringLiteral("没有满足全部目标的配置")), qPrintable(summary));
    QCOMPARE(table(*m_driver)->model()->rowCount(), 5);
    QCOMPARE(table(*m_driver)->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("HC 差距"));
    QCOMPARE(rowTexts(*m_driver, 0), (QStringList{"3", "750/10", "2.5", "135.979", "45.326", "5.516", "18.897", "差",
                                                  "不足 −6.675 %", "不足 −15.326 秒"}));
    // At the size the form opens at, 980 x 620, every text of the list shows whole, the
    // margins' too, with no column scrolled out of sight.
    QWidget* form = m_driver->form(FormId::Form7);
    form->resize(980, 620);
    QTableView* view = table(*m_driver);
    QTRY_VERIFY(view->width() > 900);
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        QVERIFY2(view->columnViewportPosition(column) + view->columnWidth(column) <= view->viewport()->width(),
                 qPrintable(QString::number(column)));
        const QString header = view->model()->headerData(column, Qt::Horizontal).toString();
        int widest = view->horizontalHeader()->fontMetrics().horizontalAdvance(header);
        for (int row = 0; row < view->model()->rowCount(); ++row)
            widest = std::max(widest, view->fontMetrics().horizontalAdvance(cell(*m_driver, row, column)));
        QVERIFY2(view->columnWidth(column) > widest, qPrintable(header));
    }
    QVERIFY(m_driver->control<QLabel>(FormId::Form7, QStringLiteral("Label2"))->isHidden());
    // No speed ticked: the form says its entries are refused and nothing can be adopted.
    m_driver->click(FormId::Form7, QStringLiteral("Check1_4"));
    QCOMPARE(table(*m_driver)->model()->rowCount(), 0);
    QVERIFY(!m_driver->control<QPushButton>(FormId::Form7, QStringLiteral("Command2"))->isEnabled());
}

void TestSizingForm::aFailedCheckKeepsTheParametersForm()
{
    m_driver = atParameters(false);
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_0"), QString());
    NoticeCatcher catcher;
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("请完整输入数据")});
    QCOMPARE(catcher.informativeTexts(), QStringList{QStringLiteral("请输入行程")});
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
    QVERIFY(m_driver->form(FormId::Form7) == nullptr);
}

void TestSizingForm::backReturnsToTheParametersUnchanged()
{
    m_driver = atParameters(false);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    m_driver->click(FormId::Form7, QStringLiteral("Command1"));
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form4")});
    QVERIFY(!m_driver->control<QCheckBox>(FormId::Form4, QStringLiteral("Check3"))->isChecked());
    QCOMPARE(m_driver->control<QComboBox>(FormId::Form4, QStringLiteral("Combo1"))->currentText(), QStringLiteral("1.75"));
    // The sizing form keeps its entries for the next visit.
    m_driver->type(FormId::Form4, QStringLiteral("Combo1"), QStringLiteral("2.5"));
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QVERIFY(m_driver->control<QCheckBox>(FormId::Form7, QStringLiteral("Check1_2"))->isChecked());
}

void TestSizingForm::aNewBuildingTypeStartsFromItsPresets()
{
    m_driver = atParameters(false);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    m_driver->type(FormId::Form7, QStringLiteral("Text1_0"), QStringLiteral("7"));
    m_driver->click(FormId::Form7, QStringLiteral("Command1"));
    m_driver->click(FormId::Form4, QStringLiteral("Command1"));  // back to the building data
    BuildingEntries owner;
    owner.buildingOption = QStringLiteral("Option5");
    m_driver->enterBuilding(owner);
    ElevatorEntries elevator;
    elevator.decided = false;
    m_driver->enterElevator(elevator);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(m_driver->control<QLineEdit>(FormId::Form7, QStringLiteral("Text1_0"))->text(), QStringLiteral("15"));
    QCOMPARE(m_driver->control<QLineEdit>(FormId::Form7, QStringLiteral("Text1_1"))->text(), QStringLiteral("30"));
    const auto* form = qobject_cast<SizingForm*>(m_driver->form(FormId::Form7));
    QVERIFY(form->outcome().has_value());
}

// 60 m of travel at 1 m/s takes over 60 s, too slow for the office's fire lift: the form still
// opens, with the reason where the speeds are chosen, and a faster speed gives the list.
void TestSizingForm::everySpeedTooSlowForTheFireLiftIsShownOnTheForm()
{
    m_driver = atParameters(true);
    m_driver->type(FormId::Form4, QStringLiteral("Combo1"), QStringLiteral("1"));
    NoticeCatcher catcher;
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(catcher.texts(), QStringList());
    QCOMPARE(visibleForms(), QStringList{QStringLiteral("Form7")});
    const auto* form = qobject_cast<SizingForm*>(m_driver->form(FormId::Form7));
    QVERIFY(!form->outcome().has_value());
    QVERIFY(m_driver->control<QLabel>(FormId::Form7, QStringLiteral("Label1"))->text().contains(
        QStringLiteral("所选速度均不能满足消防电梯")));
    for (QCheckBox* box : m_driver->form(FormId::Form7)->findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("2.5"))
            m_driver->clickButton(box);
    QVERIFY(form->outcome().has_value());
    QVERIFY(table(*m_driver)->model()->rowCount() > 0);
}

void TestSizingForm::resultIsJudgedAgainstTheProjectsTargets_data()
{
    QTest::addColumn<QByteArray>("sizing");
    QTest::addColumn<QString>("intervalMark");
    QTest::addColumn<QString>("shareMark");
    const QString met = QStringLiteral("满足");
    const QString missed = QStringLiteral("不满足");
    QTest::newRow("no sizing: the residential presets, 6 % and 60 s") << QByteArray() << met << met;
    QTest::newRow("share target above 8.336 %")
        << QByteArray(R"(, "sizing": {"hcPercent": "9", "interval": "60", "awt": "", "maxCars": "8", "speeds": ["1.75"]})")
        << met << missed;
    QTest::newRow("interval target below 46.785 s")
        << QByteArray(R"(, "sizing": {"hcPercent": "8.3", "interval": "46.7", "maxCars": "8", "speeds": ["1.75"]})")
        << missed << met;
    QTest::newRow("entries the search refuses leave the presets")
        << QByteArray(R"(, "sizing": {"hcPercent": "9", "interval": "40", "maxCars": "17", "speeds": ["1.75"]})")
        << met << met;
}

void TestSizingForm::resultIsJudgedAgainstTheProjectsTargets()
{
    QFETCH(QByteArray, sizing);
    QFETCH(QString, intervalMark);
    QFETCH(QString, shareMark);
    const QString path = write(workedProject(sizing), QStringLiteral("targets.trevalo"));
    QVERIFY(!path.isEmpty());
    m_driver = std::make_unique<ProgramDriver>();
    QVERIFY(openProjectFile(sessionOf(*m_driver), path, nullptr));
    m_driver->pressAnalysisOk();
    const auto* result = m_driver->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(result != nullptr && result->isVisible());
    QCOMPARE(result->verdictMark(0), intervalMark);
    QCOMPARE(result->verdictMark(1), shareMark);
}

void TestSizingForm::sizingFormStartsFromTheProjectAndIsSaved()
{
    const QString path = write(
        workedProject(R"(, "sizing": {"hcPercent": "7.5", "interval": "50", "awt": "25", "maxCars": "3", "speeds": ["1.75", "2.5"]})"),
        QStringLiteral("sized.trevalo"));
    m_driver = std::make_unique<ProgramDriver>();
    QVERIFY(openProjectFile(sessionOf(*m_driver), path, nullptr));
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    const auto text = [this](const char* name) {
        return m_driver->control<QLineEdit>(FormId::Form7, QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("Text1_0"), QStringLiteral("7.5"));
    QCOMPARE(text("Text1_2"), QStringLiteral("25"));
    QCOMPARE(text("Text1_3"), QStringLiteral("3"));

    // What the form holds when the project is saved is what the file keeps.
    m_driver->type(FormId::Form7, QStringLiteral("Text1_0"), QStringLiteral("8"));
    const QString copy = m_folder.filePath(QStringLiteral("copy.trevalo"));
    QVERIFY(saveProjectFile(sessionOf(*m_driver), copy, nullptr));
    const auto saved = project::readProjectFile(copy).project->sizing;
    QVERIFY(saved.has_value());
    QCOMPARE(saved->hcPercent, std::string("8"));
    QCOMPARE(saved->awt, std::string("25"));
    QCOMPARE(saved->speeds, (std::vector<std::string>{"1.75", "2.5"}));

    // A project without sizing entries closes the form; it opens again on the presets.
    QVERIFY(openProjectFile(sessionOf(*m_driver), write(workedProject({}), QStringLiteral("plain.trevalo")), nullptr));
    QCOMPARE(m_driver->form(FormId::Form7), nullptr);
    m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(text("Text1_0"), QStringLiteral("6"));
    QCOMPARE(text("Text1_1"), QStringLiteral("60"));
    QCOMPARE(text("Text1_2"), QString());
}

QTEST_MAIN(TestSizingForm)
#include "tst_sizing_form.moc"

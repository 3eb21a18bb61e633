#include "app/project_commands.h"
#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "project/project_file.h"
#include "results/single_result_form.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

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

// A project's sizing entries: the sizing form starts from them, saves them back, and the
// single result and its workbook are judged against their targets.
class ProjectSizingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void resultIsJudgedAgainstTheProjectsTargets_data();
    void resultIsJudgedAgainstTheProjectsTargets();
    void sizingFormStartsFromTheProjectAndIsSaved();

private:
    QString write(const QByteArray& content, const QString& name);

    QTemporaryDir m_folder;
    std::unique_ptr<ProgramDriver> m_program;
};

void ProjectSizingTest::cleanup() { QVERIFY(dropProgram(m_program)); }

QString ProjectSizingTest::write(const QByteArray& content, const QString& name)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void ProjectSizingTest::resultIsJudgedAgainstTheProjectsTargets_data()
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

void ProjectSizingTest::resultIsJudgedAgainstTheProjectsTargets()
{
    QFETCH(QByteArray, sizing);
    QFETCH(QString, intervalMark);
    QFETCH(QString, shareMark);
    const QString path = write(workedProject(sizing), QStringLiteral("targets.trevalo"));
    QVERIFY(!path.isEmpty());
    m_program = std::make_unique<ProgramDriver>();
    QVERIFY(openProjectFile(sessionOf(*m_program), path, nullptr));
    m_program->pressAnalysisOk();
    const auto* result = m_program->navigator().formAs<SingleResultForm>(FormId::Form5);
    QVERIFY(result != nullptr && result->isVisible());
    QCOMPARE(result->verdictMark(0), intervalMark);
    QCOMPARE(result->verdictMark(1), shareMark);
}

void ProjectSizingTest::sizingFormStartsFromTheProjectAndIsSaved()
{
    const QString path = write(
        workedProject(R"(, "sizing": {"hcPercent": "7.5", "interval": "50", "awt": "25", "maxCars": "3", "speeds": ["1.75", "2.5"]})"),
        QStringLiteral("sized.trevalo"));
    m_program = std::make_unique<ProgramDriver>();
    QVERIFY(openProjectFile(sessionOf(*m_program), path, nullptr));
    m_program->click(FormId::Form4, QStringLiteral("Command4"));
    const auto text = [this](const char* name) {
        return m_program->control<QLineEdit>(FormId::Form7, QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("Text1_0"), QStringLiteral("7.5"));
    QCOMPARE(text("Text1_2"), QStringLiteral("25"));
    QCOMPARE(text("Text1_3"), QStringLiteral("3"));

    // What the form holds when the project is saved is what the file keeps.
    m_program->type(FormId::Form7, QStringLiteral("Text1_0"), QStringLiteral("8"));
    const QString copy = m_folder.filePath(QStringLiteral("copy.trevalo"));
    QVERIFY(saveProjectFile(sessionOf(*m_program), copy, nullptr));
    const auto saved = project::readProjectFile(copy).project->sizing;
    QVERIFY(saved.has_value());
    QCOMPARE(saved->hcPercent, std::string("8"));
    QCOMPARE(saved->awt, std::string("25"));
    QCOMPARE(saved->speeds, (std::vector<std::string>{"1.75", "2.5"}));

    // A project without sizing entries closes the form; it opens again on the presets.
    QVERIFY(openProjectFile(sessionOf(*m_program), write(workedProject({}), QStringLiteral("plain.trevalo")), nullptr));
    QCOMPARE(m_program->form(FormId::Form7), nullptr);
    m_program->click(FormId::Form4, QStringLiteral("Command4"));
    QCOMPARE(text("Text1_0"), QStringLiteral("6"));
    QCOMPARE(text("Text1_1"), QStringLiteral("60"));
    QCOMPARE(text("Text1_2"), QString());
}

QTEST_MAIN(ProjectSizingTest)
#include "tst_project_sizing.moc"

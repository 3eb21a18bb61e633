#include "command_line_runs.h"

#include <QTest>

using namespace commandline;

class SizeCommandTest : public QObject {
    Q_OBJECT
private slots:
    void sizePrintsTheSearch_data();
    void sizePrintsTheSearch();

private:
    QTemporaryDir m_folder;
};

void SizeCommandTest::sizePrintsTheSearch_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected");  // the output's start, up to the "…"
    // On the worked example's building, from a throwaway model of the search (not part of
    // the project): every configuration's figures from the published formulas, ranked.
    Entries e;
    QTest::newRow("presets: 6 %, 60 s, 8 cars at the entered speed") << projectFile(e) << 0 << QByteArray(
        "{\"format\": \"trevalo-result\", \"version\": 1, \"met\": true,\n"
        " \"targets\": {\"hcPercent\": 6, \"interval\": 60, \"awt\": null, \"maxCars\": 8, \"speeds\": [1.75]},\n"
        " \"candidates\": [\n"
        "   {\"cars\": 2, \"load\": 675, \"persons\": 9, \"speed\": 1.75,\n"
        "    \"rtt\": \"72.641\", \"interval\": \"36.32\", \"hcPercent\": \"7.434\", \"awt\": \"14.528\", "
        "\"figures\": {\"rtt\": 72.64…");
    e.sizing = sizing("20", "20", "", "2", strings({"1.75"}));
    QTest::newRow("nothing meets them: the closest with their margins") << projectFile(e) << 0 << QByteArray(
        "{\"format\": \"trevalo-result\", \"version\": 1, \"met\": false,\n"
        " \"targets\": {\"hcPercent\": 20, \"interval\": 20, \"awt\": null, \"maxCars\": 2, \"speeds\": [1.75]},\n"
        " \"candidates\": [\n"
        "   {\"cars\": 2, \"load\": 675, \"persons\": 9, \"speed\": 1.75,\n"
        "    \"rtt\": \"72.641\", \"interval\": \"36.32\", \"hcPercent\": \"7.434\", \"awt\": \"14.528\", "
        "\"margins\": {\"hcPercent\": \"-12.566\", \"interval\": \"-16.32\"}, \"figures\": {\"rtt\": 72.64…");
    e.sizing = sizing("8", "45", "", "17", strings({"1.75"}));
    QTest::newRow("more than 16 cars") << projectFile(e) << 2
                                       << QByteArray("{\"format\": \"trevalo-result\", \"version\": 1, \"result\": \"notice\", \"notice\": \"输入数据有误！\", "
                                                     "\"entry\": \"sizing.maxCars\", …");
}

void SizeCommandTest::sizePrintsTheSearch()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);
    const Run run = trevalo({QStringLiteral("--size"), writeFile(m_folder, file)});
    QCOMPARE(run.status, status);
    const QByteArray ellipsis("…");
    QVERIFY2(run.out.startsWith(expected.chopped(ellipsis.size())), run.out.constData());
    const QJsonObject printed = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(printed.value("format"), QJsonValue("trevalo-result"));
    QCOMPARE(printed.value("version"), QJsonValue(1));
    // Each figure as a number is the one its text rounds.
    for (const QJsonValue& candidate : printed.value("candidates").toArray()) {
        const QJsonObject texts = candidate.toObject();
        const QJsonObject numbers = texts.value("figures").toObject();
        for (const char* key : {"rtt", "interval", "hcPercent", "awt"}) {
            const QJsonValue text = texts.value(key);
            QVERIFY2(text.isNull() ? numbers.value(key).isNull()
                                   : qAbs(numbers.value(key).toDouble() - text.toString().toDouble()) <= 0.0005,
                     key);
        }
    }
}

QTEST_GUILESS_MAIN(SizeCommandTest)
#include "tst_size_command.moc"

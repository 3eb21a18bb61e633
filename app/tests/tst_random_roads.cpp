#include "app/testing/program_driver.h"
#include "app/tests/random_entries.h"
#include "app/tests/road_oracle.h"
#include "app/tests/road_steps.h"

#include <QApplication>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

constexpr int kDefaultSteps = 250;

// Seeds to add from the environment: TREVALO_RANDOM_SEED=<number> replays a seed,
// TREVALO_RANDOM_SEED=fresh draws a new one (run that row alone with the argument
// roads:TREVALO_RANDOM_SEED); TREVALO_RANDOM_STEPS sets the number of steps per seed,
// TREVALO_RANDOM_VERBOSE prints every step.
std::optional<quint64> seedFromEnvironment()
{
    const QByteArray given = qgetenv("TREVALO_RANDOM_SEED").trimmed();
    if (given.isEmpty())
        return std::nullopt;
    if (given == "fresh")
        return QRandomGenerator::system()->generate64();
    bool ok = false;
    const quint64 seed = given.toULongLong(&ok);
    if (!ok)
        qFatal("TREVALO_RANDOM_SEED must be a number or 'fresh', not '%s'", given.constData());
    return seed;
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns at every window raise and size hint; hundreds of those
// would bury the report of a failing step.
void quietOffscreenHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

int stepsFromEnvironment()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("TREVALO_RANDOM_STEPS", &ok);
    return ok && steps > 0 ? steps : kDefaultSteps;
}

}  // namespace

// Random roads through the whole program, driven by clicks and typing: after every step
// exactly the expected form shows, a refusal keeps the form as it was, every shown figure
// is a plain decimal number, and an end leaves no window behind.
class tst_RandomRoads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void roads_data();
    void roads();
};

void tst_RandomRoads::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietOffscreenHandler);
}

void tst_RandomRoads::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void tst_RandomRoads::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_RandomRoads::roads_data()
{
    QTest::addColumn<quint64>("seed");
    for (const quint64 seed : {quint64{1}, quint64{2}, quint64{3}, quint64{20261206}})
        QTest::addRow("seed %llu", seed) << seed;
    if (const std::optional<quint64> seed = seedFromEnvironment())
        QTest::newRow("TREVALO_RANDOM_SEED") << *seed;  // the seed is printed as the row runs
}

void tst_RandomRoads::roads()
{
    QFETCH(quint64, seed);
    const int steps = stepsFromEnvironment();
    qInfo("random roads: seed %llu, %d steps (replay with TREVALO_RANDOM_SEED=%llu)", seed, steps, seed);

    RoadWalker walker(seed);
    for (int step = 1; step <= steps; ++step) {
        walker.takeStep(step);
        if (QTest::currentTestFailed()) {
            qWarning("seed %llu failed at step %d after:\n%s", seed, step, qPrintable(walker.recentActions()));
            return;
        }
    }
    walker.finish();
    if (QTest::currentTestFailed()) {
        qWarning("seed %llu failed at the final end after:\n%s", seed, qPrintable(walker.recentActions()));
        return;
    }
    qInfo("seed %llu: %d roads, %d analyses (%d single, %d table), %d notices, %d exports", seed, walker.roads(),
          walker.analyses(), walker.singleResults(), walker.loadTables(), walker.notices(), walker.exports());
}

QTEST_MAIN(tst_RandomRoads)
#include "tst_random_roads.moc"

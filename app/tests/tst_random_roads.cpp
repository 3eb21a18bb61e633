#include "app/tests/road_walker.h"

#include <QApplication>
#include <QTest>

using namespace trevalo::testing;

namespace {

constexpr int kSteps = 250;

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns at every window raise; hundreds of those would bury the
// report of a failing step.
void quietOffscreenHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg || !message.startsWith(QStringLiteral("This plugin does not support")))
        previousHandler(type, context, message);
}

}  // namespace

// Seeded random roads through the whole program, driven by clicks and typing.
class tst_RandomRoads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietOffscreenHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void roads_data()
    {
        QTest::addColumn<quint64>("seed");
        for (const quint64 seed : {quint64{1}, quint64{2}, quint64{3}, quint64{20261206}})
            QTest::addRow("seed %llu", seed) << seed;
        // TREVALO_RANDOM_SEED=<number> replays a seed, TREVALO_RANDOM_SEED=fresh draws a new one.
        const QByteArray given = qgetenv("TREVALO_RANDOM_SEED");
        bool ok = false;
        const quint64 seed = given == "fresh" ? QRandomGenerator::system()->generate64() : given.toULongLong(&ok);
        if (given == "fresh" || ok)
            QTest::newRow("TREVALO_RANDOM_SEED") << seed;
        else if (!given.isEmpty())
            qFatal("TREVALO_RANDOM_SEED must be a number or 'fresh', not '%s'", given.constData());
    }

    void roads()
    {
        QFETCH(quint64, seed);
        qInfo("random roads: seed %llu, %d steps (replay with TREVALO_RANDOM_SEED=%llu)", seed, kSteps, seed);
        RoadWalker walker(seed);
        for (int step = 1; step <= kSteps + 1 && !QTest::currentTestFailed(); ++step)
            step <= kSteps ? walker.takeStep(step) : walker.finish();
        if (QTest::currentTestFailed())
            qWarning("seed %llu failed after:\n%s", seed, qPrintable(walker.recentActions()));
        else
            qInfo() << "seed" << seed << "tally" << walker.tally();
    }
};

QTEST_MAIN(tst_RandomRoads)
#include "tst_random_roads.moc"

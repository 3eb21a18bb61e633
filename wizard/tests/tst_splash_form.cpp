#include "wizard_fixture.h"

#include "wizard/splash_form.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

using trevalo::FormId;
using trevalo::SplashForm;

class tst_SplashForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void switchesOnSixthTickExactlyOnce();

private:
    trevalo::test::WizardFixture m_wizard;
};

void tst_SplashForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SplashForm::switchesOnSixthTickExactlyOnce()
{
    QElapsedTimer clock;
    clock.start();
    m_wizard.navigator->show(FormId::Form1);
    QPointer<SplashForm> splash = m_wizard.navigator->formAs<SplashForm>(FormId::Form1);
    QVERIFY(splash);
    // The picture is loaded and the title shows in full.
    QCOMPARE(m_wizard.control<QLabel>(FormId::Form1, "Picture1")->pixmap().size(), QSize(179, 109));
    const QLabel* title = m_wizard.control<QLabel>(FormId::Form1, "Label1");
    QVERIFY(title->width() >= title->sizeHint().width() && splash->rect().contains(title->geometry()));

    // What the splash looks like at the moment the building data form is loaded.
    int buildingDataLoads = 0;
    int ticksAtSwitch = -1;
    bool timerRunningAtSwitch = true;
    qint64 elapsedAtSwitch = -1;
    connect(m_wizard.navigator.get(), &trevalo::Navigator::formLoaded, this, [&](FormId id) {
        buildingDataLoads += id == FormId::Form2 ? 1 : 0;
        if (id != FormId::Form2 || !splash)
            return;
        ticksAtSwitch = splash->tickCount();
        timerRunningAtSwitch = splash->timerRunning();
        elapsedAtSwitch = clock.elapsed();
    });

    QTRY_VERIFY_WITH_TIMEOUT(m_wizard.shown(FormId::Form2), 6000);
    QCOMPARE(ticksAtSwitch, SplashForm::kLastCountedTick);
    QVERIFY(!timerRunningAtSwitch);
    QVERIFY2(elapsedAtSwitch >= 6 * SplashForm::kTickMilliseconds - 50, qPrintable(QString::number(elapsedAtSwitch)));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
    QTest::qWait(500);
    QCOMPARE(buildingDataLoads, 1);
}

QTEST_MAIN(tst_SplashForm)
#include "tst_splash_form.moc"

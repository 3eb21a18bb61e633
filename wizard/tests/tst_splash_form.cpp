#include "wizard_fixture.h"

#include "wizard/splash_form.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using trevalo::FormId;
using trevalo::SplashForm;

class tst_SplashForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void look();
    void switchesOnSixthTickExactlyOnce();
    void clicksAndKeysDoNothing();

private:
    int loadsOf(const QSignalSpy& loads, FormId id) const;

    trevalo::test::WizardFixture m_wizard;
};

void tst_SplashForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

int tst_SplashForm::loadsOf(const QSignalSpy& loads, FormId id) const
{
    int count = 0;
    for (const QList<QVariant>& load : loads)
        count += load.at(0).value<FormId>() == id ? 1 : 0;
    return count;
}

void tst_SplashForm::look()
{
    m_wizard.navigator->show(FormId::Form1);
    QWidget* form = m_wizard.form(FormId::Form1);
    QCOMPARE(form->windowTitle(), QStringLiteral("Trevalo"));
    QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));

    auto* picture = m_wizard.control<QLabel>(FormId::Form1, "Picture1");
    QCOMPARE(picture->pixmap().size(), QSize(179, 109));
    QCOMPARE(picture->size(), QSize(179, 109));

    auto* title = m_wizard.control<QLabel>(FormId::Form1, "Label1");
    QCOMPARE(title->text(), QStringLiteral("Trevalo1.02"));
    QCOMPARE(title->font().pointSizeF(), 26.25);
    QVERIFY(title->font().bold());
    QVERIFY(title->font().italic());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    QVERIFY(title->y() > picture->y() + picture->height() - 1);
    // The whole caption fits on the form.
    QVERIFY(title->width() >= title->sizeHint().width());
    QVERIFY(form->rect().contains(title->geometry()));

    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 200);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QVERIFY(timer->isActive());
}

void tst_SplashForm::switchesOnSixthTickExactlyOnce()
{
    QSignalSpy loads(m_wizard.navigator.get(), &trevalo::Navigator::formLoaded);
    QElapsedTimer clock;
    clock.start();
    m_wizard.navigator->show(FormId::Form1);
    QPointer<SplashForm> splash = m_wizard.navigator->formAs<SplashForm>(FormId::Form1);
    QVERIFY(splash);

    // What the splash looks like at the moment the building data form is loaded.
    int ticksAtSwitch = -1;
    bool timerRunningAtSwitch = true;
    qint64 elapsedAtSwitch = -1;
    connect(m_wizard.navigator.get(), &trevalo::Navigator::formLoaded, this, [&](FormId id) {
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

    QCOMPARE(m_wizard.form(FormId::Form1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(splash.isNull());
    QTest::qWait(500);
    QCOMPARE(loadsOf(loads, FormId::Form2), 1);
    QCOMPARE(loadsOf(loads, FormId::Form1), 1);
}

void tst_SplashForm::clicksAndKeysDoNothing()
{
    m_wizard.navigator->show(FormId::Form1);
    auto* splash = m_wizard.navigator->formAs<SplashForm>(FormId::Form1);
    QTest::mouseClick(splash, Qt::LeftButton);
    QTest::mouseClick(splash->findChild<QWidget*>("Picture1"), Qt::LeftButton);
    QTest::keyClick(splash, Qt::Key_Escape);
    QTest::keyClick(splash, Qt::Key_Return);
    QTest::keyClick(splash, Qt::Key_Space);
    QCOMPARE(m_wizard.form(FormId::Form2), nullptr);
    QVERIFY(splash->isVisible());
    QVERIFY(splash->timerRunning());
    QCOMPARE(splash->tickCount(), 0);
}

QTEST_MAIN(tst_SplashForm)
#include "tst_splash_form.moc"

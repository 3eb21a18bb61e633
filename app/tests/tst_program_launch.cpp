#include "wizard/launch.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QWidget* shownForm(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

}  // namespace

// The program as main starts it: splash, then the building data form, and an exit that
// leaves nothing behind (the assembly is dropped as the event loop ends).
class tst_ProgramLaunch : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheSplashAndEndsClean();
};

void tst_ProgramLaunch::startsWithTheSplashAndEndsClean()
{
    trevalo::launch();
    QVERIFY(shownForm(QStringLiteral("Form1")) != nullptr);
    QVERIFY(!QApplication::windowIcon().isNull());
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.trevalo.Trevalo"));
    QVERIFY(QFontDatabase::writingSystems(QApplication::font().family()).contains(QFontDatabase::SimplifiedChinese));
    // Qt's own texts are Chinese: a message box's OK button reads as in Qt's zh_CN catalogue.
    QCOMPARE(QMessageBox().addButton(QMessageBox::Ok)->text(), QStringLiteral("确定"));

    QTimer::singleShot(0, this, [] {
        // The splash hands over to the building data form by itself.
        if (!QTest::qWaitFor([] { return shownForm(QStringLiteral("Form2")) != nullptr; }, 5000)) {
            QCoreApplication::exit(2);
            return;
        }
        QVERIFY(shownForm(QStringLiteral("Form1")) == nullptr);
        auto* exit = shownForm(QStringLiteral("Form2"))->findChild<QPushButton*>(QStringLiteral("Command2"));
        QTest::mouseClick(exit, Qt::LeftButton);
    });
    const QObject guard;  // the exit did not end the event loop; the timer goes with the guard
    QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(tst_ProgramLaunch)
#include "tst_program_launch.moc"

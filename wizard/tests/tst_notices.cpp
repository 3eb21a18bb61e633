#include "notice_catcher.h"

#include "wizard/fonts.h"
#include "wizard/notices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <QWidget>
#include <QtTest>

using trevalo::engine::Notice;

class tst_Notices : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void box_data();
    void box();
    void sameNoticeTwiceShowsTwoBoxes();
    void applicationFontDrawsNoticeTexts();
};

void tst_Notices::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Notices::box_data()
{
    QTest::addColumn<Notice>("notice");
    QTest::addColumn<QString>("text");

    QTest::newRow("floors out of range") << Notice::FloorsOutOfRange << QStringLiteral("楼层数超出范围！");
    QTest::newRow("incomplete input") << Notice::IncompleteInput << QStringLiteral("请完整输入数据");
    QTest::newRow("input error") << Notice::InputError << QStringLiteral("输入数据有误！");
    QTest::newRow("door width") << Notice::DoorWidthNonStandard << QStringLiteral("电梯门开启宽度不符合标准");
}

void tst_Notices::box()
{
    QFETCH(Notice, notice);
    QFETCH(QString, text);

    QWidget owner;
    owner.show();
    trevalo::test::NoticeCatcher catcher;
    trevalo::showNotice(notice, &owner);

    QCOMPARE(catcher.seen().size(), 1);
    const auto& seen = catcher.seen().first();
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.title, QStringLiteral("注意"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttonCount, 1);
    QVERIFY(seen.okButton);
    // Full-width exclamation marks, no blanks.
    QVERIFY(!text.contains(QLatin1Char('!')));
    QVERIFY(!text.contains(QLatin1Char(' ')));
    QCOMPARE(trevalo::noticeText(notice), text);
}

void tst_Notices::sameNoticeTwiceShowsTwoBoxes()
{
    trevalo::test::NoticeCatcher catcher;
    trevalo::showNotice(Notice::InputError, nullptr);
    trevalo::showNotice(Notice::InputError, nullptr);
    QCOMPARE(catcher.texts(), (QStringList{QStringLiteral("输入数据有误！"), QStringLiteral("输入数据有误！")}));
}

void tst_Notices::applicationFontDrawsNoticeTexts()
{
    trevalo::useCjkFont(*qApp);
    // The face actually matched must carry the glyphs itself, not borrow them.
    const QString family = QFontInfo(QApplication::font()).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese), qPrintable(family));
    const QFontMetrics metrics(QApplication::font());
    for (Notice notice : {Notice::FloorsOutOfRange, Notice::IncompleteInput, Notice::InputError,
                          Notice::DoorWidthNonStandard}) {
        for (QChar character : trevalo::noticeText(notice))
            QVERIFY2(metrics.inFont(character), qPrintable(QString(character)));
    }
}

QTEST_MAIN(tst_Notices)
#include "tst_notices.moc"

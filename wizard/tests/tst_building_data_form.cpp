#include "wizard_fixture.h"

#include "wizard/notices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

using trevalo::FormId;
using trevalo::engine::Notice;

class tst_BuildingDataForm : public QObject {
    Q_OBJECT

private slots:
    void init() { m_wizard.start(); }
    void cleanup();

    void okOutcome_data();
    void okOutcome();
    void returnRefreshesTheClock();
    void noticesDrawnInAChineseFace();

private:
    trevalo::test::WizardFixture m_wizard;
};

void tst_BuildingDataForm::cleanup()
{
    m_wizard.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_BuildingDataForm::okOutcome_data()
{
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QString>("population");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QString>("notice");  // empty: no notice
    QTest::addColumn<int>("next");        // the form shown after OK; 2 when refused

    const QString outOfRange = QStringLiteral("楼层数超出范围！");
    const QString incomplete = QStringLiteral("请完整输入数据");
    QTest::newRow("200 floors even") << "Option1" << "200" << "500" << "Option3" << "" << 4;
    QTest::newRow("201 floors even") << "Option1" << "201" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("200.5 rounds to 200") << "Option1" << "200.5" << "500" << "Option3" << "" << 4;
    QTest::newRow("200.6 rounds to 201") << "Option1" << "200.6" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("129 floors per floor") << "Option1" << "129" << "500" << "Option4" << "" << 3;
    QTest::newRow("130 floors per floor") << "Option1" << "130" << "500" << "Option4" << outOfRange << 2;
    QTest::newRow("129.5 per floor rounds to 130") << "Option1" << "129.5" << "500" << "Option4" << outOfRange << 2;
    QTest::newRow("128.5 per floor rounds to 128") << "Option1" << "128.5" << "500" << "Option4" << "" << 3;
    QTest::newRow("incomplete beats out of range") << "Option1" << "500" << "" << "Option3" << incomplete << 2;
    QTest::newRow("no building type") << "" << "10" << "500" << "Option3" << incomplete << 2;
    QTest::newRow("no spread") << "Option2" << "10" << "500" << "" << incomplete << 2;
    QTest::newRow("empty floors") << "Option2" << "" << "500" << "Option3" << incomplete << 2;
    QTest::newRow("blank population is filled") << "Option2" << "10" << " " << "Option3" << "" << 4;
    // Wrapped to 16 bits, 40000 would pass as -25536; clamped, -40000 would pass as -32768.
    QTest::newRow("40000 beyond 16 bits") << "Option1" << "40000" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("-40000 beyond 16 bits") << "Option1" << "-40000" << "500" << "Option3" << outOfRange << 2;
    QTest::newRow("letters read as 0") << "Option1" << "abc" << "500" << "Option4" << "" << 3;
    QTest::newRow("0 floors") << "Option5" << "0" << "500" << "Option3" << "" << 4;
    QTest::newRow("-3 floors") << "Option1" << "-3" << "500" << "Option4" << "" << 3;
}

void tst_BuildingDataForm::okOutcome()
{
    QFETCH(QString, building);
    QFETCH(QString, floors);
    QFETCH(QString, population);
    QFETCH(QString, spread);
    QFETCH(QString, notice);
    QFETCH(int, next);

    m_wizard.fillBuildingData(qPrintable(building), floors, population, qPrintable(spread));
    // Enter anywhere on the form presses OK; every other road clicks it.
    QTest::keyClick(m_wizard.control(FormId::Form2, "Text1"), Qt::Key_Enter, Qt::KeypadModifier);

    QCOMPARE(m_wizard.notices->texts(), notice.isEmpty() ? QStringList{} : QStringList{notice});
    QCOMPARE(m_wizard.shown(FormId::Form2), next == 2);
    QCOMPARE(m_wizard.shown(FormId::Form3), next == 3);
    QCOMPARE(m_wizard.shown(FormId::Form4), next == 4);
    // A refusal loads no other form; the entries stay as typed either way.
    QVERIFY(next != 2 || (m_wizard.form(FormId::Form3) == nullptr && m_wizard.form(FormId::Form4) == nullptr));
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "N1")->text(), floors);
    QCOMPARE(m_wizard.control<QLineEdit>(FormId::Form2, "Text1")->text(), population);
}

void tst_BuildingDataForm::returnRefreshesTheClock()
{
    m_wizard.fillBuildingData("Option2", "20", "800", "Option3");
    auto* date = m_wizard.control<QLabel>(FormId::Form2, "Label1");
    auto* time = m_wizard.control<QLabel>(FormId::Form2, "Label7");
    m_wizard.click(FormId::Form2, "Command1");
    date->setText(QStringLiteral("stale"));
    time->setText(QStringLiteral("stale"));

    m_wizard.click(FormId::Form4, "Command1");
    QVERIFY(m_wizard.shown(FormId::Form2));
    QCOMPARE(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(time->text() != QStringLiteral("stale"));
}

void tst_BuildingDataForm::noticesDrawnInAChineseFace()
{
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

QTEST_MAIN(tst_BuildingDataForm)
#include "tst_building_data_form.moc"

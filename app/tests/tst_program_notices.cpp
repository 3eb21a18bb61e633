#include "app/testing/program_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::testing::ElevatorEntries)

namespace {

// Every named control's text, current item, check state and visibility, to see that a refusal
// keeps the form as it was.
QMap<QString, QString> snapshot(const QWidget& form)
{
    QMap<QString, QString> state;
    for (const QWidget* control : form.findChildren<QWidget*>(QRegularExpression(QStringLiteral("."))))
        state[control->objectName()] = QStringList{control->property("text").toString(),
                                                   control->property("currentText").toString(),
                                                   control->property("checked").toString(),
                                                   control->isHidden() ? "hidden" : "shown"}
                                           .join(QLatin1Char('|'));
    return state;
}

}  // namespace

class tst_ProgramNotices : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void analysisRefusals_data();
    void analysisRefusals();
    void floorsOutOfRange();

private:
    std::unique_ptr<ProgramDriver> m_driver;
};

void tst_ProgramNotices::cleanup()
{
    m_driver.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ProgramNotices::analysisRefusals_data()
{
    QTest::addColumn<ElevatorEntries>("elevator");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("doorWidthCleared");

    // One row for each notice, each refusing on a different control of the form.
    ElevatorEntries noDoorType;
    noDoorType.doorOption = -1;
    QTest::newRow("no door type") << noDoorType << QStringLiteral("请完整输入数据") << false;
    ElevatorEntries beyondTravel;
    beyondTravel.expressDistance = QStringLiteral("40");
    QTest::newRow("express distance beyond the travel") << beyondTravel << QStringLiteral("输入数据有误！") << false;
    ElevatorEntries fourPanel;
    fourPanel.doorOption = 2;
    fourPanel.doorWidth = QStringLiteral("1100");
    QTest::newRow("4CO halves 1100 mm below the standard") << fourPanel << QStringLiteral("电梯门开启宽度不符合标准") << true;
}

void tst_ProgramNotices::analysisRefusals()
{
    QFETCH(ElevatorEntries, elevator);
    QFETCH(QString, notice);
    QFETCH(bool, doorWidthCleared);

    m_driver = std::make_unique<ProgramDriver>();
    m_driver->enterBuilding({});
    m_driver->enterElevator(elevator);
    QWidget* parameters = m_driver->form(FormId::Form4);
    QMap<QString, QString> before = snapshot(*parameters);

    NoticeCatcher catcher;
    m_driver->pressAnalysisOk();

    QCOMPARE(catcher.texts(), QStringList{notice});
    QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
    QMap<QString, QString> after = snapshot(*parameters);
    if (doorWidthCleared) {
        auto* combo = m_driver->control<QComboBox>(FormId::Form4, QStringLiteral("Combo2"));
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(parameters->focusWidget() == combo || parameters->focusWidget() == combo->lineEdit());
        before.remove(QStringLiteral("Combo2"));
        after.remove(QStringLiteral("Combo2"));
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

void tst_ProgramNotices::floorsOutOfRange()
{
    m_driver = std::make_unique<ProgramDriver>();
    BuildingEntries building;
    building.floors = QStringLiteral("201");
    NoticeCatcher catcher;
    m_driver->enterBuilding(building);
    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("楼层数超出范围！")});
    QCOMPARE(visibleForms(), QStringList{"Form2"});
    QVERIFY(m_driver->navigator().form(FormId::Form4) == nullptr);
}

QTEST_MAIN(tst_ProgramNotices)
#include "tst_program_notices.moc"

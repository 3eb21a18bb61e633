#include "app/testing/program_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::testing::ElevatorEntries)

namespace {

// Every entry, choice and visibility of a form's controls, to see that a refusal keeps them.
QMap<QString, QString> snapshot(const QWidget& form)
{
    QMap<QString, QString> state;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        QString value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            value = edit->text();
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            value = combo->currentText();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            value = button->isChecked() ? "checked" : "unchecked";
        else
            continue;
        if (!control->objectName().isEmpty())
            state[control->objectName()] = value + (control->isHidden() ? " hidden" : " shown");
    }
    return state;
}

}  // namespace

class tst_ProgramNotices : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void analysisRefusals_data();
    void analysisRefusals();
    void sameNoticeTwice();
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

    const QString incomplete = QStringLiteral("请完整输入数据");
    const QString inputError = QStringLiteral("输入数据有误！");
    const QString doorWidth = QStringLiteral("电梯门开启宽度不符合标准");

    ElevatorEntries entries;
    entries.travel = QString();
    QTest::newRow("travel empty") << entries << incomplete << false;

    entries = {};
    entries.doorOption = -1;
    QTest::newRow("no door type") << entries << incomplete << false;

    entries = {};
    entries.cars = QString();
    QTest::newRow("decided load without a number of cars") << entries << incomplete << false;

    entries = {};
    entries.finishingWeight = QString();
    QTest::newRow("machine-room load without finishing weight") << entries << incomplete << false;

    entries = {};
    entries.speed = QStringLiteral("abc");
    QTest::newRow("speed without digits") << entries << inputError << false;

    entries = {};
    entries.cars = QStringLiteral("0");
    QTest::newRow("no cars") << entries << inputError << false;

    entries = {};
    entries.expressDistance = QStringLiteral("40");
    QTest::newRow("express distance beyond the travel") << entries << inputError << false;

    entries = {};
    entries.doorWidth = QStringLiteral("799");
    QTest::newRow("door narrower than 800 mm") << entries << doorWidth << true;

    entries = {};
    entries.doorOption = 2;
    entries.doorWidth = QStringLiteral("1100");
    QTest::newRow("4CO halves 1100 mm below the standard") << entries << doorWidth << true;

    entries = {};
    entries.decided = false;
    entries.doorWidth = QStringLiteral("1501");
    QTest::newRow("door wider than 1500 mm, load sweep") << entries << doorWidth << true;
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
    const QMap<QString, QString> before = snapshot(*parameters);

    NoticeCatcher catcher;
    m_driver->pressAnalysisOk();

    QCOMPARE(catcher.texts(), QStringList{notice});
    QCOMPARE(catcher.titles(), QStringList{QStringLiteral("注意")});
    QCOMPARE(visibleForms(), QStringList{"Form4"});
    QVERIFY(m_driver->navigator().form(FormId::Form5) == nullptr);
    QVERIFY(m_driver->navigator().form(FormId::Form6) == nullptr);

    QMap<QString, QString> expected = before;
    if (doorWidthCleared) {
        expected[QStringLiteral("Combo2")] = QStringLiteral(" shown");
        auto* combo = m_driver->control<QComboBox>(FormId::Form4, QStringLiteral("Combo2"));
        QVERIFY(parameters->focusWidget() == combo || parameters->focusWidget() == combo->lineEdit());
    }
    const QMap<QString, QString> after = snapshot(*parameters);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

// A second OK on the unchanged form gives a second box; nothing is remembered.
void tst_ProgramNotices::sameNoticeTwice()
{
    m_driver = std::make_unique<ProgramDriver>();
    m_driver->enterBuilding({});
    ElevatorEntries entries;
    entries.speed = QStringLiteral("0");
    m_driver->enterElevator(entries);
    NoticeCatcher catcher;
    m_driver->pressAnalysisOk();
    m_driver->pressAnalysisOk();
    QCOMPARE(catcher.texts(), QStringList(2, QStringLiteral("输入数据有误！")));
    // Corrected, the same form goes on to its result.
    m_driver->type(FormId::Form4, QStringLiteral("Combo1"), QStringLiteral("1.75"));
    m_driver->pressAnalysisOk();
    QCOMPARE(catcher.texts().size(), 2);
    QCOMPARE(visibleForms(), QStringList{"Form5"});
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

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
    // Each row refuses on a different control of the elevator parameters form.
    const auto row = [](const char* name, void (*change)(ElevatorEntries&), const QString& notice, bool cleared) {
        ElevatorEntries entries;
        change(entries);
        QTest::newRow(name) << entries << notice << cleared;
    };
    row("no door type", [](ElevatorEntries& e) { e.doorOption = -1; }, incomplete, false);
    row("machine-room load without finishing weight", [](ElevatorEntries& e) { e.finishingWeight = QString(); },
        incomplete, false);
    row("speed without digits", [](ElevatorEntries& e) { e.speed = QStringLiteral("abc"); }, inputError, false);
    row("express distance beyond the travel", [](ElevatorEntries& e) { e.expressDistance = QStringLiteral("40"); },
        inputError, false);
    row("4CO halves 1100 mm below the standard", [](ElevatorEntries& e) {
        e.doorOption = 2;
        e.doorWidth = QStringLiteral("1100");
    }, QStringLiteral("电梯门开启宽度不符合标准"), true);
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

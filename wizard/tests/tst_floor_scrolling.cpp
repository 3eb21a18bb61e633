#include "app/testing/program_driver.h"

#include "wizard/floor_population_form.h"
#include "wizard/twips.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using trevalo::FloorPopulationForm;
using trevalo::FormId;

// With 129 floors only about 21 rows fit the panel: the rows must come to the user, whether
// focus moves, the wheel turns or the thumb is dragged.
class tst_FloorScrolling : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void focusedRowStaysInView_data();
    void focusedRowStaysInView();
    void rowsFollowWheelAndThumb_data();
    void rowsFollowWheelAndThumb();

private:
    QWidget* panel() const { return m_form->findChild<QWidget*>(QStringLiteral("Frame3")); }

    std::unique_ptr<trevalo::testing::ProgramDriver> m_driver;
    FloorPopulationForm* m_form = nullptr;
};

void tst_FloorScrolling::init()
{
    m_driver = std::make_unique<trevalo::testing::ProgramDriver>();
    trevalo::testing::BuildingEntries building;
    building.floors = QStringLiteral("129");
    building.population = QStringLiteral("1000");
    building.perFloor = true;
    m_driver->enterBuilding(building);
    m_form = m_driver->navigator().formAs<FloorPopulationForm>(FormId::Form3);
    QVERIFY(m_form != nullptr && m_form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void tst_FloorScrolling::cleanup()
{
    QVERIFY(trevalo::testing::dropProgram(m_driver));
}

void tst_FloorScrolling::focusedRowStaysInView_data()
{
    QTest::addColumn<int>("forward");       // Tab presses from row 0
    QTest::addColumn<int>("back");          // then Shift+Tab presses
    QTest::addColumn<bool>("scrollAway");   // then the panel is scrolled to the top and a digit typed
    QTest::addColumn<int>("row");

    QTest::newRow("focus starts in the first row") << 0 << 0 << true << 0;
    QTest::newRow("Tab down to row 40") << 40 << 0 << false << 40;
    QTest::newRow("Shift+Tab from the last floor up to row 28") << 128 << 100 << false << 28;
    QTest::newRow("typing brings a scrolled-away row back") << 40 << 0 << true << 40;
}

void tst_FloorScrolling::focusedRowStaysInView()
{
    QFETCH(int, forward);
    QFETCH(int, back);
    QFETCH(bool, scrollAway);
    QFETCH(int, row);

    for (int i = 0; i < forward; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (int i = 0; i < back; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    if (scrollAway) {
        m_form->scrollBar()->setValue(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        QCOMPARE(m_form->floorEntry(row)->text(), QStringLiteral("7"));
    }
    QLineEdit* entry = m_form->floorEntry(row);
    QCOMPARE(QApplication::focusWidget(), entry);
    const QWidget* viewport = panel()->parentWidget();
    QVERIFY(viewport->rect().contains(QRect(entry->mapTo(viewport, QPoint(0, 0)), entry->size())));
}

void tst_FloorScrolling::rowsFollowWheelAndThumb_data()
{
    QTest::addColumn<QString>("wheelOver");  // empty: the thumb is dragged and still held
    QTest::newRow("wheel over a floor entry") << QStringLiteral("Text1_4");
    QTest::newRow("wheel over a floor label") << QStringLiteral("Label1_9");
    QTest::newRow("thumb dragged, not yet released") << QString();
}

void tst_FloorScrolling::rowsFollowWheelAndThumb()
{
    QFETCH(QString, wheelOver);
    QScrollBar* scroll = m_form->scrollBar();
    if (auto* widget = m_form->findChild<QWidget*>(wheelOver); !wheelOver.isEmpty()) {
        QWheelEvent wheel(QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);  // as from the window system: it travels up to the panel
        qApp->notify(widget, &wheel);
    } else {
        QTest::mousePress(scroll, Qt::LeftButton, {}, QPoint(scroll->width() / 2, 25));
        const QPointF dragged(scroll->width() / 2, 175);
        QMouseEvent drag(QEvent::MouseMove, dragged, scroll->mapToGlobal(dragged), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(scroll, &drag);
        QVERIFY(scroll->isSliderDown());
    }
    QVERIFY(scroll->value() > 0);
    QCOMPARE(panel()->y(), trevalo::twipsToPixels(-scroll->value()));
    if (scroll->isSliderDown())
        QTest::mouseRelease(scroll, Qt::LeftButton, {}, QPoint(scroll->width() / 2, 175));
}

QTEST_MAIN(tst_FloorScrolling)
#include "tst_floor_scrolling.moc"

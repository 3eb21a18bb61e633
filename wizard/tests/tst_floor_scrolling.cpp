#include "app/testing/program_driver.h"

#include "wizard/floor_population_form.h"
#include "wizard/twips.h"

#include <QLabel>
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

    void focusStartsInTheFirstRow();
    void focusedRowStaysInView_data();
    void focusedRowStaysInView();
    void wheelOverThePanelScrolls_data();
    void wheelOverThePanelScrolls();
    void rowsFollowTheDraggedThumb();

private:
    QWidget* viewport() const { return m_form->findChild<QWidget*>(QStringLiteral("Frame2")); }
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

void tst_FloorScrolling::focusStartsInTheFirstRow()
{
    QCOMPARE(QApplication::focusWidget(), m_form->floorEntry(0));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("25"));
    QCOMPARE(m_form->floorEntry(0)->text(), QStringLiteral("25"));
}

void tst_FloorScrolling::focusedRowStaysInView_data()
{
    QTest::addColumn<int>("forward");       // Tab presses from row 0
    QTest::addColumn<int>("back");          // then Shift+Tab presses
    QTest::addColumn<bool>("scrollAway");   // then the panel is scrolled to the top and a digit typed
    QTest::addColumn<int>("row");

    QTest::newRow("Tab down to row 40") << 40 << 0 << false << 40;
    QTest::newRow("Tab to the last floor") << 128 << 0 << false << 128;
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
    const QRect inViewport(entry->mapTo(viewport(), QPoint(0, 0)), entry->size());
    QVERIFY2(viewport()->rect().contains(inViewport),
             qPrintable(QStringLiteral("row %1 at y %2").arg(row).arg(inViewport.y())));
}

void tst_FloorScrolling::wheelOverThePanelScrolls_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("over a floor entry") << QStringLiteral("Text1_4");
    QTest::newRow("over a floor label") << QStringLiteral("Label1_9");
    QTest::newRow("over the frame caption") << QStringLiteral("Frame1");
}

void tst_FloorScrolling::wheelOverThePanelScrolls()
{
    QFETCH(QString, target);
    auto* widget = m_form->findChild<QWidget*>(target);
    QVERIFY(widget != nullptr);
    const QPointF at(4, 4);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);  // as from the window system: it travels up to the panel
    qApp->notify(widget, &wheel);
    QVERIFY(m_form->scrollBar()->value() > 0);
    QCOMPARE(panel()->y(), trevalo::twipsToPixels(-m_form->scrollBar()->value()));
}

void tst_FloorScrolling::rowsFollowTheDraggedThumb()
{
    QScrollBar* scroll = m_form->scrollBar();
    const QPoint thumb = QPoint(scroll->width() / 2, 25);
    QTest::mousePress(scroll, Qt::LeftButton, Qt::NoModifier, thumb);
    QMouseEvent drag(QEvent::MouseMove, QPointF(thumb + QPoint(0, 150)), scroll->mapToGlobal(QPointF(thumb + QPoint(0, 150))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(scroll, &drag);
    QVERIFY(scroll->isSliderDown());
    QVERIFY(scroll->value() > 0);
    QCOMPARE(panel()->y(), trevalo::twipsToPixels(-scroll->value()));
    QTest::mouseRelease(scroll, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(0, 150));
}

QTEST_MAIN(tst_FloorScrolling)
#include "tst_floor_scrolling.moc"

#include "results/load_table_form.h"
#include "results/simulation_form.h"
#include "results/single_result_form.h"
#include "results/sizing_form.h"
#include "wizard/building_data_form.h"
#include "wizard/elevator_parameters_form.h"
#include "wizard/form_placement.h"
#include "wizard/navigator.h"

#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include <memory>

using namespace trevalo;

// Forms larger than the screen's free area, as at 2x scaling, must still show their title bar
// and let every command button be reached; forms that fit open centred at their design size.
class tst_FormFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void placement_data();
    void placement();
    void resizableForms_data();
    void resizableForms();
};

namespace {

std::unique_ptr<QWidget> makeForm(const QString& name, Navigator& navigator)
{
    if (name == "Form2")
        return std::make_unique<BuildingDataForm>(navigator);
    if (name == "Form4")
        return std::make_unique<ElevatorParametersForm>(navigator);
    if (name == "Form5")
        return std::make_unique<SingleResultForm>();
    if (name == "Form7")
        return std::make_unique<SizingForm>();
    if (name == "Form8")
        return std::make_unique<SimulationForm>();
    return std::make_unique<LoadTableForm>();
}

const QMargins kDecoration(1, 24, 1, 1);  // a thin frame and a title bar

}  // namespace

void tst_FormFit::placement_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QSize>("size");  // the window's size where not held; empty: as laid out

    // 960 x 540 is 1920 x 1080 at 2x; the load table is 8955 x 8610 twips, 597 x 574 pixels.
    const QSize laidOut;
    QTest::newRow("load table taller than 2x full HD") << "Form6" << QRect(0, 0, 960, 540) << true << laidOut;
    QTest::newRow("load table fits 1366x768") << "Form6" << QRect(0, 0, 1366, 768) << false << laidOut;
    QTest::newRow("single result fits 2x full HD") << "Form5" << QRect(0, 0, 960, 540) << false << laidOut;
    QTest::newRow("single result narrower than the area") << "Form5" << QRect(50, 30, 300, 500) << true << laidOut;
    QTest::newRow("laid-out building data in a small area") << "Form2" << QRect(20, 10, 250, 180) << true << laidOut;
    // The sizing and simulation forms open at 980 x 620 and 860 x 900 and may shrink to fit:
    // the area less the decoration, down to the least their layouts need.
    QTest::newRow("sizing shrunk into 2x full HD") << "Form7" << QRect(0, 0, 960, 540) << false << QSize(958, 515);
    QTest::newRow("sizing fits 1366x768") << "Form7" << QRect(0, 0, 1366, 768) << false << QSize(980, 620);
    QTest::newRow("simulation taller than 1280x900 at 2x") << "Form8" << QRect(0, 0, 640, 450) << true << laidOut;
    QTest::newRow("simulation taller than 1366x768") << "Form8" << QRect(0, 0, 1366, 768) << true << laidOut;
    QTest::newRow("elevator parameters in a short area") << "Form4" << QRect(0, 40, 1366, 300) << true << laidOut;
}

void tst_FormFit::placement()
{
    QFETCH(QString, form);
    QFETCH(QRect, available);
    QFETCH(bool, held);
    QFETCH(QSize, size);

    Navigator navigator;
    std::unique_ptr<QWidget> window = makeForm(form, navigator);
    if (!size.isValid()) {
        window->adjustSize();
        size = window->size();
    }
    placeOnScreen(*window, available, kDecoration);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    auto* area = window->findChild<QScrollArea*>();
    QCOMPARE(area != nullptr, held);
    if (!held) {
        QCOMPARE(window->size(), size);
        // A window that fills the area is centred with its decoration, which a window not yet
        // shown lacks; one that fits is centred on its own size.
        const bool fills = size == available.size().shrunkBy(kDecoration);
        const QSize outer = fills ? size.grownBy(kDecoration) : size;
        QCOMPARE(window->pos(), QPoint(available.x() + (available.width() - outer.width()) / 2,
                                       available.y() + (available.height() - outer.height()) / 2));
        return;
    }
    const QRect outer(window->pos(), window->size().grownBy(kDecoration));
    QVERIFY(available.contains(outer));
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>(QRegularExpression("^Command\\d$"));
    for (QPushButton* button : buttons) {
        area->ensureWidgetVisible(button);
        const QRect shown(button->mapTo(window.get(), QPoint(0, 0)), button->size());
        QVERIFY2(window->rect().contains(shown), qPrintable(button->objectName()));
    }
}

// The sizing and simulation forms give a larger window to their list and chart, and can be
// maximised.
void tst_FormFit::resizableForms_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("grows");  // the control that takes the room
    QTest::newRow("sizing list") << "Form7" << "Table1";
    QTest::newRow("simulation chart") << "Form8" << "Histogram";
}

void tst_FormFit::resizableForms()
{
    QFETCH(QString, form);
    QFETCH(QString, grows);
    Navigator navigator;
    std::unique_ptr<QWidget> window = makeForm(form, navigator);
    placeOnScreen(*window, QRect(0, 0, 1600, 1000), kDecoration);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto* control = window->findChild<QWidget*>(grows);
    QVERIFY(control != nullptr);
    // The simulation form's two charts share the height between them.
    const auto chartsHeight = [&window, control] {
        const auto* floors = window->findChild<QWidget*>(QStringLiteral("FloorChart"));
        return control->height() + (floors != nullptr ? floors->height() : 0);
    };
    const QSize before = control->size();
    const int beforeHeight = chartsHeight();
    const QSize opened = window->size();
    window->resize(opened + QSize(300, 200));
    QTRY_COMPARE(control->width(), before.width() + 300);
    QVERIFY(chartsHeight() >= beforeHeight + 200);
    // Narrower than it opens, down to the least its layout needs; never too short for its contents.
    QVERIFY(window->minimumSize().width() < opened.width());
    QVERIFY(window->minimumSize().height() <= opened.height());
}

QTEST_MAIN(tst_FormFit)
#include "tst_form_fit.moc"

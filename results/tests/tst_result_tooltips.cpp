#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include "results/shown_numbers.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <random>

using trevalo::LoadTableForm;
using trevalo::SingleResultForm;

// Every figure explains itself on hover: the single result's values by their formula and
// numbers, the load table's headers by the Chinese name of their figure.
class tst_ResultTooltips : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void singleResult_data();
    void singleResult();
    void loadTableHeaders_data();
    void loadTableHeaders();
    void targetVerdict_data();
    void targetVerdict();
    void notesLine();
    void figuresReadAsQtWritesThem();
};

// The worked example: residential, 10 floors, 500 persons, 1000 kg (975 kg, 13 persons
// evaluated), 2 cars, 1.75 m/s; the parts of the round trip time are the published worked
// figures, the rest worked by hand: P = 3.9 + 2.6 = 6.5, HC(P) = 300 x 6.5 / 93.570058 = 20.840,
// HC(T) = 2 x 20.840 = 41.680, 100 x 20.840 / 500 = 4.168, 100 x 41.680 / 500 = 8.336.
void tst_ResultTooltips::singleResult_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("round trip time") << 0
        << "RTT = 飞行时间 + 开关门时间 + 乘客出入时间 + 损失时间 = 51.565 + 25.946 + 14.059 + 2.000 = 93.570 秒";
    QTest::newRow("longest wait") << 1 << "HS = RTT / L（电梯数量）= 93.570 / 2 = 46.785 秒";
    QTest::newRow("one car's capacity") << 2 << "HC(P) = 300 × P / RTT（P：每趟乘客数）= 300 × 6.500 / 93.570 = 20.840 人";
    QTest::newRow("the group's capacity") << 3 << "HC(T) = L × HC(P) = 2 × 20.840 = 41.680 人";
    QTest::newRow("one car's share") << 4 << "HC(P)% = 100 × HC(P) / U（总人数）= 100 × 20.840 / 500.000 = 4.168 %";
    QTest::newRow("the group's share") << 5 << "HC(T)% = 100 × HC(T) / U（总人数）= 100 × 41.680 / 500.000 = 8.336 %";
    QTest::newRow("structural load") << 6 << "电梯机房的结构荷载：由额定载重、装修重量、电梯总行程和钢丝绳数（4 根）决定";
    QTest::newRow("pit depth") << 7 << "井深：按额定速度 1.75 M/S 查表";
    QTest::newRow("headroom") << 8 << "井顶缓冲高度：按额定速度 1.75 M/S 查表";
}

void tst_ResultTooltips::singleResult()
{
    QFETCH(int, index);
    QFETCH(QString, tooltip);
    trevalo::engine::SingleResult result;
    result.figures = {93.570058, 46.785029, 20.8399999, 41.6799998, 4.168, 8.336, 2};
    result.steps.flightTime = 51.56469f;
    result.steps.doorTimeTotal = 25.9456965;
    result.steps.transferTime = 14.0594162;
    result.steps.lossTime = 2.0002556;
    result.steps.totalPassengers = 6.5;
    result.steps.population = 500;
    result.steps.ratedSpeed = 1.75;
    result.machineRoom.ropeCount = 4;
    result.structuralLoadShown = result.pitAndHeadroomShown = true;

    SingleResultForm form;
    form.showFigures(result);
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label7_%1").arg(index))->toolTip(), tooltip);
}

// The names of the figures under each header, as the table defines them.
void tst_ResultTooltips::loadTableHeaders_data()
{
    QTest::addColumn<bool>("relabelled");  // down traffic above up traffic
    QTest::addColumn<QStringList>("tooltips");
    const QStringList usual{"额定载重（kg）/ 人数", "每趟上行乘客数", "每趟下行乘客数", "总行程时间（秒）",
                            "5分钟运载能力占总人数百分比", "5分钟单机运载人数", "上行可能停站数", "最高返回层"};
    QStringList swapped = usual;
    swapped[1] = usual[2];
    swapped[2] = usual[1];
    swapped[6] = "下行可能停站数";
    QTest::newRow("up traffic ahead") << false << usual;
    QTest::newRow("down traffic ahead") << true << swapped;
}

void tst_ResultTooltips::loadTableHeaders()
{
    QFETCH(bool, relabelled);
    QFETCH(QStringList, tooltips);
    LoadTableForm form;
    trevalo::engine::LoadTable table;
    table.directionRelabelled = relabelled;
    form.showTable(table);
    for (int i = 0; i < LoadTableForm::kColumns; ++i)
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label17_%1").arg(i))->toolTip(), tooltips[i]);
}

// The verdict is the caller's; the form shows it as a mark, a tooltip and a colour on the
// captions of the interval (Label2) and the group's percentage (Label6_0). The figures are the
// worked example's (HS 46.785 s, HC(T)% 8.336 %); the margins worked by hand.
void tst_ResultTooltips::targetVerdict_data()
{
    QTest::addColumn<bool>("judged");
    QTest::addColumn<double>("hcTarget");
    QTest::addColumn<double>("intervalTarget");
    QTest::addColumn<QStringList>("marks");     // beside HS, beside HC(T)%
    QTest::addColumn<QStringList>("tooltips");  // of Label2, of Label6_0
    QTest::newRow("residential targets, both met")
        << true << 6.0 << 60.0 << QStringList{"满足", "满足"}
        << QStringList{"设计目标：HS ≤ 60 秒（间隔来源）\n满足，裕量 13.215 秒",
                       "设计目标：HC(T)% ≥ 6 %（运载来源）\n满足，裕量 2.336 %"};
    QTest::newRow("office targets, both missed")
        << true << 12.0 << 30.0 << QStringList{"不满足", "不满足"}
        << QStringList{"设计目标：HS ≤ 30 秒（间隔来源）\n不满足，裕量 -16.785 秒",
                       "设计目标：HC(T)% ≥ 12 %（运载来源）\n不满足，裕量 -3.664 %"};
    QTest::newRow("capacity met, interval missed")
        << true << 8.0 << 45.0 << QStringList{"不满足", "满足"}
        << QStringList{"设计目标：HS ≤ 45 秒（间隔来源）\n不满足，裕量 -1.785 秒",
                       "设计目标：HC(T)% ≥ 8 %（运载来源）\n满足，裕量 0.336 %"};
    QTest::newRow("no targets") << false << 0.0 << 0.0 << QStringList{"", ""} << QStringList{"", ""};
}

void tst_ResultTooltips::targetVerdict()
{
    QFETCH(bool, judged);
    QFETCH(double, hcTarget);
    QFETCH(double, intervalTarget);
    QFETCH(QStringList, marks);
    QFETCH(QStringList, tooltips);
    trevalo::engine::SingleResult result;
    result.figures = {93.570058, 46.785029, 20.8399999, 41.6799998, 4.168, 8.336, 2};
    result.valueTexts = {"93.57", "46.785", "20.84", "41.68", "4.168", "8.336", "", "", ""};
    SingleResultForm form;
    form.showFigures(result);
    // An earlier verdict leaves nothing behind.
    form.showTargetVerdict(trevalo::engine::TargetVerdict{{1, 1, std::nullopt}, {"a", "b"}, {}, std::nullopt});
    std::optional<trevalo::engine::TargetVerdict> verdict;
    if (judged) {
        trevalo::engine::TargetCheck check;
        check.hcMet = 8.336 >= hcTarget;
        check.hcMargin = 8.336 - hcTarget;
        check.intervalMet = 46.785029 <= intervalTarget;
        check.intervalMargin = intervalTarget - 46.785029;
        verdict = trevalo::engine::TargetVerdict{{hcTarget, intervalTarget, std::nullopt}, {"运载来源", "间隔来源"}, check, std::nullopt};
    }
    form.showTargetVerdict(verdict);
    form.show();
    const std::array<QLabel*, 2> captions{form.findChild<QLabel*>(QStringLiteral("Label2")),
                                          form.findChild<QLabel*>(QStringLiteral("Label6_0"))};
    const std::array<QLabel*, 2> values{form.findChild<QLabel*>(QStringLiteral("Label7_1")),
                                        form.findChild<QLabel*>(QStringLiteral("Label7_5"))};
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        QCOMPARE(form.verdictMark(i), marks[i]);
        QCOMPARE(captions[at]->toolTip(), tooltips[i]);
        // Missed targets turn their caption from the designed light green to light red.
        const QColor colour = captions[at]->palette().color(QPalette::Window);
        QCOMPARE(colour, marks[i] == "不满足" ? QColor(255, 204, 204) : QColor(192, 255, 192));
        if (marks[i].isEmpty())
            continue;
        // The mark stands on its value's line, right of it and inside the form.
        const QLabel* mark = form.findChild<QLabel*>(i == 0 ? QStringLiteral("VerdictHS") : QStringLiteral("VerdictHCT"));
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->y(), values[at]->y());
        QVERIFY(mark->x() > values[at]->geometry().right());
        QVERIFY(form.rect().contains(mark->geometry()));
    }
}

// A note stands on a line of its own below every button, inside the grown form, and goes with
// the next result that has none.
void tst_ResultTooltips::notesLine()
{
    trevalo::engine::SingleResult result;
    result.valueTexts = {"1", "2", "3", "4", "5", "6", "", "", ""};
    SingleResultForm form;
    form.showFigures(result);
    const QSize designed = form.size();
    result.notes = {"首层至第一服务层的距离按 904 m 计，请核对行程、层高和层数"};
    form.showFigures(result);
    form.show();
    QCOMPARE(form.notesText(), QStringLiteral("注意：首层至第一服务层的距离按 904 m 计，请核对行程、层高和层数"));
    const QLabel* line = form.findChild<QLabel*>(QStringLiteral("Notes"));
    QVERIFY(form.rect().contains(line->geometry()));
    QVERIFY(form.height() > designed.height());
    for (const QPushButton* button : form.findChildren<QPushButton*>())
        QVERIFY2(line->y() > button->geometry().bottom(), qPrintable(button->objectName()));
    result.notes.clear();
    form.showFigures(result);
    QCOMPARE(form.notesText(), QString());
    QCOMPARE(form.size(), designed);
}

// The forms show figures as Qt wrote them before they took the engine's text: exact binary
// ties (multiples of 1/16) away from zero, everything else correctly rounded.
void tst_ResultTooltips::figuresReadAsQtWritesThem()
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> any(0, 5000);
    std::uniform_int_distribution<int> sixteenths(0, 80000);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 ? any(random) : sixteenths(random) / 16.0;
        const int decimals = i % 4;
        QCOMPARE(trevalo::shownFigure(value, decimals), QString::number(value, 'f', decimals));
    }
}

QTEST_MAIN(tst_ResultTooltips)
#include "tst_result_tooltips.moc"

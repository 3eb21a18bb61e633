#include "results/load_table_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using trevalo::LoadTableForm;
using trevalo::engine::LoadTable;
using trevalo::engine::LoadTableRow;

namespace {

// A sweep outcome as the analysis hands it over: office sweeps leave row 0 unevaluated.
LoadTable sweep(bool residential, bool relabelled, const std::string& tag)
{
    LoadTable table;
    table.rowZeroShown = residential;
    table.directionRelabelled = relabelled;
    for (std::size_t r = residential ? 0 : 1; r < table.rows.size(); ++r) {
        table.rows[r] = LoadTableRow{};
        for (std::size_t c = 0; c < table.cellTexts[r].size(); ++c)
            table.cellTexts[r][c] = tag + std::to_string(r) + "." + std::to_string(c);
    }
    return table;
}

QString keyOf(int row) { return QStringLiteral("%1/%2").arg(675 + 75 * row).arg(9 + row); }

}  // namespace

class tst_LoadTableForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void designState();
    void headers_data();
    void headers();
    void placeholders_data();
    void placeholders();
    void runsOnOneForm_data();
    void runsOnOneForm();
    void cellsFitTheirColumns();
    void buttons_data();
    void buttons();

private:
    std::unique_ptr<LoadTableForm> m_form;
};

void tst_LoadTableForm::cleanup()
{
    m_form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_LoadTableForm::designState()
{
    m_form = std::make_unique<LoadTableForm>();
    QCOMPARE(m_form->objectName(), QStringLiteral("Form6"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Trevalo——结果"));
    QCOMPARE(m_form->size(), QSize(597, 574));  // 8955 x 8610 twips
    QCOMPARE(m_form->findChildren<QLabel*>().size(), 8 + 8 * 16);
    QCOMPARE(m_form->findChildren<QPushButton*>().size(), 4);
    for (int row = 0; row < LoadTableForm::kRows; ++row)
        QVERIFY(m_form->rowVisible(row));
    for (QPushButton* button : m_form->findChildren<QPushButton*>())
        QVERIFY(!button->isDefault() && !button->autoDefault());
}

void tst_LoadTableForm::headers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("load/persons") << 0 << "载重/人数" << 600 << "";
    QTest::newRow("up") << 1 << "UP" << 1680 << "";
    QTest::newRow("down") << 2 << "DN" << 2520 << "";
    QTest::newRow("round trip") << 3 << "RTT(SEC)" << 3420 << "总行程时间";
    QTest::newRow("percent") << 4 << "HC(%)" << 4410 << "5分钟内运载人数百分比";
    QTest::newRow("persons") << 5 << "HC(PERSONS)" << 5490 << "5分钟内运载人数";
    QTest::newRow("stops") << 6 << "PS(UP)" << 6750 << "";
    QTest::newRow("reversal") << 7 << "HR" << 7800 << "";
}

void tst_LoadTableForm::headers()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(QString, toolTip);
    m_form = std::make_unique<LoadTableForm>();
    const auto* header = m_form->findChild<QLabel*>(QStringLiteral("Label17_%1").arg(index));
    QVERIFY(header != nullptr);
    QCOMPARE(m_form->headerText(index), caption);
    QCOMPARE(header->pos(), QPoint(left / 15, 480 / 15));
    QCOMPARE(header->toolTip(), toolTip);
    QVERIFY(!header->autoFillBackground());
    // The column below the header stands at its left edge.
    const auto* top = m_form->findChild<QLabel*>(QStringLiteral("Label%1_0").arg(index + 1));
    QVERIFY(top != nullptr);
    QCOMPARE(top->x(), left / 15);
}

void tst_LoadTableForm::placeholders_data()
{
    QTest::addColumn<int>("array");
    for (int array = 1; array <= 8; ++array)
        QTest::addRow("Label%d", array) << array;
}

void tst_LoadTableForm::placeholders()
{
    QFETCH(int, array);
    m_form = std::make_unique<LoadTableForm>();
    for (int row = 0; row < LoadTableForm::kRows; ++row) {
        QString expected;
        if (array == 1)
            expected = keyOf(row);
        else if (row > 0)
            expected = QStringLiteral("Label%1").arg(array);
        QCOMPARE(m_form->cellText(array, row), expected);
        const auto* cell = m_form->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(array).arg(row));
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->text(), expected);
        QCOMPARE(cell->autoFillBackground(), array != 1);
        if (array != 1)
            QCOMPARE(cell->backgroundRole(), QPalette::HighlightedText);
    }
}

void tst_LoadTableForm::runsOnOneForm_data()
{
    QTest::addColumn<bool>("firstResidential");
    QTest::addColumn<bool>("firstRelabelled");
    QTest::addColumn<bool>("secondResidential");
    QTest::addColumn<bool>("secondRelabelled");
    QTest::newRow("residential after office") << false << true << true << false;
    QTest::newRow("office after residential") << true << false << false << true;
    QTest::newRow("relabelled after plain, both residential") << true << false << true << true;
    QTest::newRow("plain after relabelled, both office") << false << true << false << false;
}

void tst_LoadTableForm::runsOnOneForm()
{
    QFETCH(bool, firstResidential);
    QFETCH(bool, firstRelabelled);
    QFETCH(bool, secondResidential);
    QFETCH(bool, secondRelabelled);
    m_form = std::make_unique<LoadTableForm>();
    m_form->showTable(sweep(firstResidential, firstRelabelled, "a"));
    QCOMPARE(m_form->rowVisible(0), firstResidential);
    m_form->showTable(sweep(secondResidential, secondRelabelled, "b"));

    QCOMPARE(m_form->headerText(1), QString(secondRelabelled ? "DN" : "UP"));
    QCOMPARE(m_form->headerText(2), QString(secondRelabelled ? "UP" : "DN"));
    QCOMPARE(m_form->headerText(6), QString(secondRelabelled ? "PS(DN)" : "PS(UP)"));
    for (int index : {0, 3, 4, 5, 7})
        QCOMPARE(m_form->headerText(index), LoadTableForm().headerText(index));

    QCOMPARE(m_form->rowVisible(0), secondResidential);
    for (int array = 1; array <= 8; ++array) {
        const auto* cell = m_form->findChild<QLabel*>(QStringLiteral("Label%1_0").arg(array));
        QCOMPARE(cell->isHidden(), !secondResidential);
    }
    for (int row = 1; row < LoadTableForm::kRows; ++row)
        QVERIFY(m_form->rowVisible(row));

    // Cells keep their figure columns whatever the headers say; the keys never change.
    for (int row = 0; row < LoadTableForm::kRows; ++row) {
        QCOMPARE(m_form->cellText(1, row), keyOf(row));
        const bool evaluatedNow = secondResidential || row > 0;
        const bool evaluatedBefore = firstResidential || row > 0;
        for (int array = 2; array <= 8; ++array) {
            QString expected;
            if (evaluatedNow)
                expected = QStringLiteral("b%1.%2").arg(row).arg(array - 2);
            else if (evaluatedBefore)
                expected = QStringLiteral("a%1.%2").arg(row).arg(array - 2);
            QCOMPARE(m_form->cellText(array, row), expected);
        }
    }
}

void tst_LoadTableForm::cellsFitTheirColumns()
{
    m_form = std::make_unique<LoadTableForm>();
    // The widest figures a sweep gives: passengers up to 24, round trip times in the hundreds of
    // seconds, reversal floors up to 200.
    LoadTable wide = sweep(true, true, "");
    for (auto& row : wide.cellTexts)
        row = {"19.125", "19.125", "999.999", "99.999", "99.999", "19.999", "199.999"};
    m_form->showTable(wide);
    const auto labels = m_form->findChildren<QLabel*>();
    for (const QLabel* a : labels) {
        QVERIFY2(a->width() >= a->sizeHint().width(), qPrintable(a->objectName()));
        QVERIFY2(a->height() >= a->sizeHint().height(), qPrintable(a->objectName()));
        QVERIFY2(m_form->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (const QLabel* b : labels)
            if (a != b)
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
    }
}

void tst_LoadTableForm::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("signalIndex");
    QTest::newRow("back") << "Command1" << "上一步" << 0;
    QTest::newRow("recalculate") << "Command2" << "重新计算" << 1;
    QTest::newRow("end") << "Command3" << "结束" << 2;
    QTest::newRow("export") << "Command4" << "生成Excel表格" << 3;
}

void tst_LoadTableForm::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, signalIndex);
    m_form = std::make_unique<LoadTableForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

    QSignalSpy back(m_form.get(), &LoadTableForm::backRequested);
    QSignalSpy recalculate(m_form.get(), &LoadTableForm::recalculateRequested);
    QSignalSpy end(m_form.get(), &LoadTableForm::endRequested);
    QSignalSpy exportSpy(m_form.get(), &LoadTableForm::exportRequested);
    QSignalSpy* spies[] = {&back, &recalculate, &end, &exportSpy};

    auto* button = m_form->findChild<QPushButton*>(name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(spies[i]->count(), i == signalIndex ? 1 : 0);
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(tst_LoadTableForm)
#include "tst_load_table_form.moc"

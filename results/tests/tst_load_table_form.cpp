#include "results/load_table_form.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using trevalo::LoadTableForm;
using trevalo::engine::LoadTable;

namespace {

// A sweep outcome as the analysis hands it over: office sweeps leave row 0 unevaluated.
LoadTable sweep(bool residential, bool relabelled, const std::string& tag)
{
    LoadTable table;
    table.rowZeroShown = residential;
    table.directionRelabelled = relabelled;
    for (std::size_t r = residential ? 0 : 1; r < table.rows.size(); ++r) {
        table.rows[r].emplace();
        for (std::size_t c = 0; c < table.cellTexts[r].size(); ++c)
            table.cellTexts[r][c] = tag + std::to_string(r) + "." + std::to_string(c);
    }
    return table;
}

}  // namespace

class tst_LoadTableForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void runsOnOneForm_data();
    void runsOnOneForm();
    void cellsFitTheirColumns();

private:
    std::unique_ptr<LoadTableForm> m_form;
};

void tst_LoadTableForm::cleanup()
{
    m_form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
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
    m_form->showTable(sweep(secondResidential, secondRelabelled, "b"));

    QCOMPARE(m_form->headerText(1), QString(secondRelabelled ? "DN" : "UP"));
    QCOMPARE(m_form->headerText(2), QString(secondRelabelled ? "UP" : "DN"));
    QCOMPARE(m_form->headerText(6), QString(secondRelabelled ? "PS(DN)" : "PS(UP)"));
    const auto rowZero = m_form->findChildren<QLabel*>(QRegularExpression("^Label[1-8]_0$"));
    QCOMPARE(rowZero.size(), LoadTableForm::kColumns);
    for (const QLabel* cell : rowZero)
        QCOMPARE(cell->isHidden(), !secondResidential);

    for (int row = 0; row < LoadTableForm::kRows; ++row) {
        QCOMPARE(m_form->rowVisible(row), row > 0 || secondResidential);
        // Cells keep their figure columns whatever the headers say; a row not evaluated
        // now keeps what an earlier run wrote.
        const QString run = row > 0 || secondResidential ? "b" : firstResidential ? "a" : "";
        for (int array = 2; array <= LoadTableForm::kColumns; ++array)
            QCOMPARE(m_form->cellText(array, row),
                     run.isEmpty() ? QString() : QStringLiteral("%1%2.%3").arg(run).arg(row).arg(array - 2));
    }
}

// No text is clipped or covered, even with the widest figures a sweep gives.
void tst_LoadTableForm::cellsFitTheirColumns()
{
    m_form = std::make_unique<LoadTableForm>();
    LoadTable wide = sweep(true, true, "");
    for (auto& row : wide.cellTexts)
        row = {"19.125", "19.125", "999.999", "99.999", "99.999", "19.999", "199.999"};
    m_form->showTable(wide);
    for (const QLabel* a : m_form->findChildren<QLabel*>())
        QVERIFY2(a->width() >= a->sizeHint().width() && a->height() >= a->sizeHint().height(),
                 qPrintable(a->objectName()));
    const QList<QWidget*> widgets = m_form->findChildren<QWidget*>();  // labels and buttons
    for (const QWidget* a : widgets) {
        QVERIFY2(m_form->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (const QWidget* b : widgets)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " / " + b->objectName()));
    }
}

QTEST_MAIN(tst_LoadTableForm)
#include "tst_load_table_form.moc"

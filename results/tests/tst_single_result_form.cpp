#include "results/single_result_form.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

using trevalo::SingleResultForm;
using trevalo::engine::SingleResult;

namespace {

SingleResult outcome(bool structuralLoad, bool pitAndHeadroom, const QString& tag)
{
    SingleResult result;
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i)
        result.valueTexts[i] = QStringLiteral("%1.%2").arg(tag).arg(i).toStdString();
    result.structuralLoadShown = structuralLoad;
    result.pitAndHeadroomShown = pitAndHeadroom;
    return result;
}

}  // namespace

class tst_SingleResultForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void optionalRows_data();
    void optionalRows();
    void valuesStandBesideTheirCaptionsUnclipped();

private:
    std::unique_ptr<SingleResultForm> m_form;
};

void tst_SingleResultForm::cleanup()
{
    m_form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SingleResultForm::optionalRows_data()
{
    QTest::addColumn<bool>("structuralLoad");
    QTest::addColumn<bool>("pitAndHeadroom");
    QTest::newRow("neither") << false << false;
    QTest::newRow("structural load only") << true << false;
    QTest::newRow("pit and headroom only") << false << true;
    QTest::newRow("both") << true << true;
}

// Each combination follows every combination on the same form, so visibility must be
// set in both directions on every run.
void tst_SingleResultForm::optionalRows()
{
    QFETCH(bool, structuralLoad);
    QFETCH(bool, pitAndHeadroom);
    const QStringList loadRow{"Label6_1", "Label7_6"};
    const QStringList pitRows{"Label6_2", "Label6_3", "Label7_7", "Label7_8"};
    m_form = std::make_unique<SingleResultForm>();
    for (const bool earlierLoad : {false, true}) {
        for (const bool earlierPit : {false, true}) {
            m_form->showFigures(outcome(earlierLoad, earlierPit, "earlier"));
            m_form->showFigures(outcome(structuralLoad, pitAndHeadroom, "now"));

            QCOMPARE(m_form->structuralLoadRowVisible(), structuralLoad);
            QCOMPARE(m_form->pitDepthRowVisible(), pitAndHeadroom);
            for (const QLabel* label : m_form->findChildren<QLabel*>()) {
                const QString name = label->objectName();
                const bool hidden =
                    (loadRow.contains(name) && !structuralLoad) || (pitRows.contains(name) && !pitAndHeadroom);
                QVERIFY2(label->isHidden() == hidden, qPrintable(name));
                if (name.startsWith("Label7_") && !hidden)
                    QCOMPARE(label->text(), "now." + name.mid(7));
            }
        }
    }
}

// Each value label stands on the line of the caption that names it, right of it, and no
// text is clipped or covered, even with the widest figures.
void tst_SingleResultForm::valuesStandBesideTheirCaptionsUnclipped()
{
    m_form = std::make_unique<SingleResultForm>();
    m_form->showFigures(outcome(true, true, "123456.78"));

    for (int i = 0; i < SingleResultForm::kValueCount; ++i) {
        const QString name = i < 5 ? QStringLiteral("Label%1").arg(i + 1) : QStringLiteral("Label6_%1").arg(i - 5);
        const auto* caption = m_form->findChild<QLabel*>(name);
        const auto* value = m_form->findChild<QLabel*>(QStringLiteral("Label7_%1").arg(i));
        QVERIFY2(caption && value && caption->y() == value->y() && caption->geometry().right() < value->x(),
                 qPrintable(name));
    }
    for (const QLabel* label : m_form->findChildren<QLabel*>())
        QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                 qPrintable(label->objectName()));
    const QList<QWidget*> widgets = m_form->findChildren<QWidget*>();  // labels and buttons
    for (const QWidget* a : widgets) {
        QVERIFY2(m_form->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (const QWidget* b : widgets)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " / " + b->objectName()));
    }
}

QTEST_MAIN(tst_SingleResultForm)
#include "tst_single_result_form.moc"

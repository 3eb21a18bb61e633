#include "results/single_result_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using trevalo::SingleResultForm;
using trevalo::engine::SingleResult;

namespace {

SingleResult outcome(bool structuralLoad, bool pitAndHeadroom, const char* tag)
{
    SingleResult result;
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i)
        result.valueTexts[i] = std::string(tag) + "." + std::to_string(i);
    if (!structuralLoad)
        result.valueTexts[6].clear();
    if (!pitAndHeadroom) {
        result.valueTexts[7].clear();
        result.valueTexts[8].clear();
    }
    result.structuralLoadShown = structuralLoad;
    result.pitAndHeadroomShown = pitAndHeadroom;
    return result;
}

QLabel* label(const QWidget& form, const QString& name)
{
    auto* found = form.findChild<QLabel*>(name);
    if (found == nullptr)
        qFatal("no label %s", qPrintable(name));
    return found;
}

}  // namespace

class tst_SingleResultForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void designState();
    void captions_data();
    void captions();
    void optionalRows_data();
    void optionalRows();
    void valueLabelsStandOnTheirLines_data();
    void valueLabelsStandOnTheirLines();
    void textFitsAndCaptionsClearTheirValues();
    void buttons_data();
    void buttons();

private:
    std::unique_ptr<SingleResultForm> m_form;
};

void tst_SingleResultForm::cleanup()
{
    m_form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SingleResultForm::designState()
{
    m_form = std::make_unique<SingleResultForm>();
    QCOMPARE(m_form->objectName(), QStringLiteral("Form5"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Trevalo——结果"));
    QCOMPARE(m_form->size(), QSize(384, 288));  // 5760 x 4320 twips
    for (int i = 0; i < SingleResultForm::kValueCount; ++i)
        QVERIFY2(m_form->valueText(i).isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(m_form->findChildren<QLabel*>().size(), 5 + 4 + 9);
    for (QPushButton* button : m_form->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void tst_SingleResultForm::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");
    QTest::newRow("round trip time") << "Label1" << " 总行程时间 (秒) RTT " << 360;
    QTest::newRow("waiting time") << "Label2" << " 最长侯机时间 (秒) HS " << 720;
    QTest::newRow("car capacity") << "Label3" << " 5分钟内单机运载人数 HC (P) " << 1080;
    QTest::newRow("group capacity") << "Label4" << " 5分钟内总运载人数 HC (T) " << 1440;
    QTest::newRow("car percent") << "Label5" << " 5分钟内单机运载人数百分比 HC (P) % " << 1800;
    QTest::newRow("group percent") << "Label6_0" << " 5分钟内总运载人数百分比 HC (T) % " << 2160;
    QTest::newRow("pit depth") << "Label6_2" << " 井深 m " << 2520;
    QTest::newRow("headroom") << "Label6_3" << " 井顶缓冲高度 m " << 2880;
    QTest::newRow("structural load, bottom line") << "Label6_1" << " 电梯机房的结构荷载 kg " << 3240;
}

void tst_SingleResultForm::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);
    m_form = std::make_unique<SingleResultForm>();
    const QLabel* found = label(*m_form, name);
    QCOMPARE(found->text(), caption);
    QCOMPARE(found->pos(), QPoint(600 / 15, top / 15));
    // Light green caption background, window text colour.
    QCOMPARE(found->palette().color(found->backgroundRole()), QColor(192, 255, 192));
    QVERIFY(found->autoFillBackground());
    QCOMPARE(found->foregroundRole(), QPalette::Text);
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

// Every combination is shown after each of the other combinations on the same form, so
// visibility must be set in both directions on every run.
void tst_SingleResultForm::optionalRows()
{
    QFETCH(bool, structuralLoad);
    QFETCH(bool, pitAndHeadroom);
    m_form = std::make_unique<SingleResultForm>();
    for (const bool earlierLoad : {false, true}) {
        for (const bool earlierPit : {false, true}) {
            m_form->showFigures(outcome(earlierLoad, earlierPit, "earlier"));
            m_form->showFigures(outcome(structuralLoad, pitAndHeadroom, "now"));

            QCOMPARE(m_form->structuralLoadRowVisible(), structuralLoad);
            QCOMPARE(m_form->pitDepthRowVisible(), pitAndHeadroom);
            QCOMPARE(label(*m_form, "Label6_1")->isHidden(), !structuralLoad);
            QCOMPARE(label(*m_form, "Label7_6")->isHidden(), !structuralLoad);
            for (const char* name : {"Label6_2", "Label6_3", "Label7_7", "Label7_8"})
                QCOMPARE(label(*m_form, name)->isHidden(), !pitAndHeadroom);
            for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6_0", "Label7_0",
                                     "Label7_1", "Label7_2", "Label7_3", "Label7_4", "Label7_5"})
                QVERIFY2(!label(*m_form, name)->isHidden(), name);

            for (int i = 0; i <= 5; ++i)
                QCOMPARE(m_form->valueText(i), QStringLiteral("now.%1").arg(i));
            if (structuralLoad)
                QCOMPARE(m_form->valueText(6), QStringLiteral("now.6"));
            if (pitAndHeadroom) {
                QCOMPARE(m_form->valueText(7), QStringLiteral("now.7"));
                QCOMPARE(m_form->valueText(8), QStringLiteral("now.8"));
            }
            QCOMPARE(m_form->valueText(6), label(*m_form, "Label7_6")->text());
        }
    }
}

void tst_SingleResultForm::valueLabelsStandOnTheirLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("top");
    const int tops[] = {360, 720, 1080, 1440, 1800, 2160, 3240, 2520, 2880};
    for (int i = 0; i < 9; ++i)
        QTest::addRow("Label7(%d)", i) << i << tops[i];
}

void tst_SingleResultForm::valueLabelsStandOnTheirLines()
{
    QFETCH(int, index);
    QFETCH(int, top);
    m_form = std::make_unique<SingleResultForm>();
    m_form->showFigures(outcome(true, true, "12345.678"));
    const QLabel* value = label(*m_form, QStringLiteral("Label7_%1").arg(index));
    QCOMPARE(value->pos(), QPoint(4200 / 15, top / 15));
    QCOMPARE(value->backgroundRole(), QPalette::Base);
    QCOMPARE(value->foregroundRole(), QPalette::Text);
    // Hiding the optional rows moves nothing.
    m_form->showFigures(outcome(false, false, "1"));
    QCOMPARE(value->pos(), QPoint(4200 / 15, top / 15));
}

void tst_SingleResultForm::textFitsAndCaptionsClearTheirValues()
{
    m_form = std::make_unique<SingleResultForm>();
    SingleResult wide = outcome(true, true, "");
    for (std::string& text : wide.valueTexts)
        text = "123456.789";
    m_form->showFigures(wide);
    for (const QLabel* found : m_form->findChildren<QLabel*>()) {
        QVERIFY2(found->width() >= found->sizeHint().width(), qPrintable(found->objectName()));
        QVERIFY2(found->height() >= found->sizeHint().height(), qPrintable(found->objectName()));
        QVERIFY2(found->height() >= 14, qPrintable(found->objectName()));
        QVERIFY2(m_form->rect().contains(found->geometry()), qPrintable(found->objectName()));
        if (found->x() == 600 / 15)  // a caption ends before the value column starts
            QVERIFY2(found->geometry().right() < 4200 / 15, qPrintable(found->objectName()));
    }
    // Lines 24 px apart: no label reaches into the next line.
    for (const QLabel* a : m_form->findChildren<QLabel*>())
        for (const QLabel* b : m_form->findChildren<QLabel*>())
            if (a != b)
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
}

void tst_SingleResultForm::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("signalIndex");
    QTest::newRow("back") << "Command1" << "上一步" << 0;
    QTest::newRow("recalculate") << "Command2" << "重新计算" << 1;
    QTest::newRow("end") << "Command3" << "结束" << 2;
    QTest::newRow("export") << "Command4" << "生成Excel表格" << 3;
}

void tst_SingleResultForm::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, signalIndex);
    m_form = std::make_unique<SingleResultForm>();
    m_form->showFigures(outcome(true, true, "x"));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

    QSignalSpy back(m_form.get(), &SingleResultForm::backRequested);
    QSignalSpy recalculate(m_form.get(), &SingleResultForm::recalculateRequested);
    QSignalSpy end(m_form.get(), &SingleResultForm::endRequested);
    QSignalSpy exportSpy(m_form.get(), &SingleResultForm::exportRequested);
    QSignalSpy* spies[] = {&back, &recalculate, &end, &exportSpy};

    auto* button = m_form->findChild<QPushButton*>(name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(spies[i]->count(), i == signalIndex ? 1 : 0);
    // The form changes nothing of its own on a click.
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->valueText(0), QStringLiteral("x.0"));
}

QTEST_MAIN(tst_SingleResultForm)
#include "tst_single_result_form.moc"

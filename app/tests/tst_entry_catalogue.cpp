#include "app/testing/program_driver.h"
#include "engine/entry_ids.h"
#include "project/project_json.h"
#include "wizard/entry_marks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

Q_DECLARE_METATYPE(trevalo::FormId)

// Every entry the checks can name reaches a control on the real forms, where its refusal is
// marked, and a member of the project file the program writes.
class tst_EntryCatalogue : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ProgramDriver> m_driver;
    QJsonObject m_written;

private slots:
    void initTestCase()
    {
        m_driver = std::make_unique<ProgramDriver>();
        BuildingEntries building;
        building.perFloor = true;
        building.floorPopulations = QStringList(10, QStringLiteral("50"));
        m_driver->runRoad(building, {});
        m_driver->navigator().load(FormId::Form7);
        m_driver->navigator().load(FormId::Form8);

        project::Project full;
        full.elevatorEntered = true;
        full.sizing = engine::SizingEntries{};
        // The traffic entries are written only when typed.
        full.simulation = engine::SimulationEntries{.incomingPercent = "45", .outgoingPercent = "45",
                                                    .interfloorPercent = "10", .traffic = "lunch", .awtTarget = "40"};
        m_written = QJsonDocument::fromJson(project::projectToJson(full)).object();
    }
    void cleanupTestCase() { QVERIFY(dropProgram(m_driver)); }

    void everyEntryReachesItsControlAndMember_data()
    {
        // Each part of the project is typed on a form of its own.
        const QHash<QString, FormId> formOfPart{{QStringLiteral("building"), FormId::Form2},
                                                {QStringLiteral("floorPopulations"), FormId::Form3},
                                                {QStringLiteral("elevator"), FormId::Form4},
                                                {QStringLiteral("sizing"), FormId::Form7},
                                                {QStringLiteral("simulation"), FormId::Form8}};
        QTest::addColumn<int>("entry");
        QTest::addColumn<FormId>("form");
        for (const engine::EntryInfo& info : engine::kEntryCatalogue) {
            const QString path = QString::fromLatin1(info.path.data(), static_cast<qsizetype>(info.path.size()));
            QTest::newRow(qPrintable(path)) << static_cast<int>(info.id)
                                            << formOfPart.value(path.section(QLatin1Char('.'), 0, 0), FormId::Form1);
        }
    }
    void everyEntryReachesItsControlAndMember()
    {
        QFETCH(int, entry);
        QFETCH(FormId, form);
        const auto id = static_cast<engine::EntryId>(entry);
        const EntryControl where = entryControl(id);
        QCOMPARE(where.form, form);
        QWidget* owner = m_driver->navigator().form(where.form);
        QVERIFY(owner != nullptr);
        const QWidget* control = owner->findChild<QWidget*>(where.objectName);
        QVERIFY2(control != nullptr, qPrintable(where.objectName));

        const std::string_view dotted = engine::entryInfo(id).path;
        const QStringList path =
            QString::fromLatin1(dotted.data(), static_cast<qsizetype>(dotted.size())).split(QLatin1Char('.'));
        QJsonObject parent = m_written;
        for (qsizetype i = 0; i + 1 < path.size(); ++i)
            parent = parent.value(path[i]).toObject();
        QVERIFY2(parent.contains(path.last()), qPrintable(path.join(QLatin1Char('.'))));
        // A box is ticked, a choice is an option, a text is typed.
        const QJsonValue member = parent.value(path.last());
        if (member.isBool())
            QVERIFY(qobject_cast<const QCheckBox*>(control) != nullptr);
        else if (member.isNull())
            QVERIFY(qobject_cast<const QRadioButton*>(control) != nullptr);
        else if (member.isString())
            QVERIFY(qobject_cast<const QLineEdit*>(control) != nullptr || qobject_cast<const QComboBox*>(control) != nullptr);
    }

    // A floor row is marked on its own entry of the floor population form.
    void floorRowReachesItsEntry()
    {
        const auto where = entryControl(engine::EntryRef::floorRow(9));
        QVERIFY(where.has_value());
        QCOMPARE(where->form, FormId::Form3);
        QCOMPARE(where->objectName, QStringLiteral("Text1_9"));
        QCOMPARE(engine::EntryRef::floorRow(9).path(), std::string("floorPopulations[9]"));
        QVERIFY(!entryControl(engine::EntryRef{}).has_value());
    }
};

QTEST_MAIN(tst_EntryCatalogue)
#include "tst_entry_catalogue.moc"

#include "app/project_commands.h"
#include "app/project_memory.h"
#include "app/project_session.h"
#include "app/testing/program_driver.h"
#include "project/project_file.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace trevalo;
using namespace trevalo::testing;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ProjectKeepingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void titleMarksUnsavedChanges();
    void fileCommands_data();
    void fileCommands();
    void entriesOfAnUnsavedRunAreOffered();
    void recentProjectsAreOffered();
    void programsRunningAtOnceKeepApart();
    void visitingAFormChangesNothing_data();
    void visitingAFormChangesNothing();
    void discardedEntriesComeBack_data();
    void discardedEntriesComeBack();

private:
    ProjectSession& session() { return *ProjectSession::of(m_driver->navigator()); }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    // A program with the worked example entered and kept in the project name, then the car
    // count changed; remembering its entries for the next run when told to.
    void startEdited(const QString& name, bool remember = false);
    void press(FormId id, QKeyCombination keys);
    static void forget()
    {
        QSettings(QStringLiteral("Trevalo"), QStringLiteral("trevalo")).clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }

    // Answers each file dialog with the next name (empty: cancel) and each popup menu by
    // choosing the action captioned m_menuChoice; notes what each offered.
    void answer();

    QTemporaryDir m_folder;
    std::unique_ptr<ProgramDriver> m_driver;
    QStringList m_dialogAnswers;
    QString m_menuChoice;
    QStringList m_asked;
    QTimer m_answerer;
};

void ProjectKeepingTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    forget();  // what a run stopped short left
    connect(&m_answerer, &QTimer::timeout, this, &ProjectKeepingTest::answer);
    m_answerer.start(10);
}

void ProjectKeepingTest::cleanup()
{
    QVERIFY(dropProgram(m_driver));
    forget();
    m_asked.clear();
    for (const QString& name : QDir(m_folder.path()).entryList(QDir::Files))
        QFile::remove(path(name));
}

void ProjectKeepingTest::answer()
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr && dialog->isActiveWindow()) {
        // Every dialog starts in the folder last used and lists project files only.
        const bool usual = dialog->directory() == QDir(m_folder.path()) &&
                           dialog->nameFilters() == QStringList{QStringLiteral("Trevalo 项目 (*.trevalo)")};
        m_asked << dialog->windowTitle() + (usual ? QStringLiteral(" ") : QStringLiteral(" elsewhere ")) +
                       QFileInfo(dialog->selectedFiles().value(0)).fileName();
        const QString name = m_dialogAnswers.isEmpty() ? QString() : m_dialogAnswers.takeFirst();
        if (name.isEmpty())
            return dialog->reject();
        // Typed as the user would: with the name box focused, the file listed as selected
        // gives way to the typed name.
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->setFocus();
        edit->setText(path(name));
        static_cast<QDialog*>(dialog)->accept();
    }
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QStringList offered;
        for (QAction* action : menu->actions())
            offered << action->text() + (action->toolTip() == action->text() ? QString() : ' ' + action->toolTip());
        m_asked << offered.join(QLatin1Char('|'));
        for (QAction* action : menu->actions())
            if (action->text() == m_menuChoice)
                return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        menu->close();
    }
}

void ProjectKeepingTest::startEdited(const QString& name, bool remember)
{
    m_driver = std::make_unique<ProgramDriver>();
    if (remember)
        rememberProjects(session());
    session().setLastFolder(m_folder.path());
    m_driver->enterBuilding({});
    m_driver->enterElevator({});
    // Saved, then opened as the user opens a project.
    if (!name.isEmpty())
        QVERIFY(saveProjectFile(session(), path(name), nullptr) && openProjectFile(session(), path(name), nullptr));
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_7"), QStringLiteral("3"));
}

void ProjectKeepingTest::press(FormId id, QKeyCombination keys)
{
    QWidget* form = m_driver->form(id);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, keys.key(), keys.keyboardModifiers());
}

void ProjectKeepingTest::unsavedChangesAreAskedAbout_data()
{
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("answer");
    for (const char* way : {"终止退出", "结束", "close box", "打开项目"}) {
        QTest::addRow("%s, 保存", way) << true << way << "保存";
        QTest::addRow("%s, 不保存", way) << true << way << "不保存";
        QTest::addRow("%s, 取消", way) << true << way << "取消";
    }
    for (const char* way : {"终止退出", "close box"}) {
        QTest::addRow("without a file, %s, 保存", way) << false << way << "保存";
        QTest::addRow("without a file, %s, 不保存", way) << false << way << "不保存";
        QTest::addRow("without a file, %s, 取消", way) << false << way << "取消";
    }
    QTest::addRow("without a file, 打开项目, 取消") << false << "打开项目" << "取消";
}

void ProjectKeepingTest::unsavedChangesAreAskedAbout()
{
    QFETCH(bool, hasFile);
    QFETCH(QString, way);
    QFETCH(QString, answer);
    QStringList buttons;
    NoticeCatcher catcher([&buttons](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            buttons << button->text();
    });
    catcher.answerWith(answer);
    const QString file = hasFile ? QStringLiteral("keep.trevalo") : QStringLiteral("new.trevalo");
    startEdited(hasFile ? file : QString(), !hasFile);
    const QString recovery = hasFile ? QString() : ProjectMemory::of(session())->recoveryPath();
    if (!hasFile)
        QTRY_VERIFY(QFile::exists(recovery));
    const QByteArray saved = contentOf(path(file));
    if (way == QStringLiteral("结束"))
        m_driver->pressAnalysisOk();
    if (way == QStringLiteral("打开项目"))
        m_driver->navigator().show(FormId::Form2);
    const QByteArray edited = session().currentJson();
    const QStringList before = visibleForms();
    // A save is asked where (without a file); a project to open is not chosen.
    if (way != QStringLiteral("打开项目"))
        m_dialogAnswers = {file};

    if (way == QStringLiteral("终止退出"))
        m_driver->click(FormId::Form4, QStringLiteral("Command3"));
    else if (way == QStringLiteral("结束"))
        m_driver->click(FormId::Form5, QStringLiteral("Command3"));
    else if (way == QStringLiteral("close box"))
        m_driver->form(FormId::Form4)->close();
    else
        m_driver->click(FormId::Form2, QStringLiteral("OpenProject"));

    const QString question = hasFile ? QStringLiteral("项目“keep.trevalo”已修改。是否保存修改？")
                                     : QStringLiteral("项目“测试项目”尚未保存。是否保存？");
    QCOMPARE(catcher.texts(), QStringList{question});
    QCOMPARE(catcher.titles(), QStringList{QStringLiteral("Trevalo")});
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"不保存", "保存", "取消"}));
    QCOMPARE(contentOf(path(file)), answer == QStringLiteral("保存") ? edited : saved);
    const QString saveAsked = hasFile || answer != QStringLiteral("保存") ? QString() : QStringLiteral("保存项目 测试项目.trevalo");
    m_asked.removeAll(saveAsked);
    const bool wentOn = visibleForms().isEmpty() || m_asked == QStringList{QStringLiteral("打开项目 ")};
    QCOMPARE(wentOn, answer != QStringLiteral("取消"));
    if (!wentOn) {
        QCOMPARE(visibleForms(), before);
        QCOMPARE(m_asked, QStringList());
    }
    if (!hasFile) {
        // The work stays kept for the next run until it is given up or saved.
        ProjectMemory::of(session())->finish();
        QCOMPARE(QFile::exists(recovery), answer == QStringLiteral("取消"));
    }
}

void ProjectKeepingTest::titleMarksUnsavedChanges()
{
    startEdited(QStringLiteral("saved.trevalo"));
    QWidget* form = m_driver->form(FormId::Form4);
    QTRY_COMPARE(shownTitle(*form), QStringLiteral("saved.trevalo* - Trevalo"));
    // Typed back as saved, the entries are unchanged again.
    m_driver->type(FormId::Form4, QStringLiteral("TEXT1_7"), QStringLiteral("2"));
    QTRY_COMPARE(shownTitle(*form), QStringLiteral("saved.trevalo - Trevalo"));
}

void ProjectKeepingTest::fileCommands_data()
{
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("command");     // keys, or the button's name
    QTest::addColumn<QStringList>("chosen");  // in each file dialog; empty: cancelled
    QTest::addColumn<QString>("replace");     // the answer to 文件已存在, when it is asked
    QTest::addColumn<QStringList>("asked");   // each file dialog's title and suggested name
    QTest::addColumn<QString>("writtenTo");
    const int form2 = int(FormId::Form2), form4 = int(FormId::Form4), form5 = int(FormId::Form5);
    const QStringList ownAsked{"保存项目 own.trevalo"}, newAsked{"保存项目 测试项目.trevalo"}, opened{"打开项目 "};
    QTest::newRow("Ctrl+S writes the project's own file without asking")
        << true << form4 << "Ctrl+S" << QStringList{} << "" << QStringList{} << "own.trevalo";
    QTest::newRow("保存项目… of the single result writes it too")
        << true << form5 << "SaveProject" << QStringList{} << "" << QStringList{} << "own.trevalo";
    QTest::newRow("Ctrl+S without a file asks where, suggesting the project name")
        << false << form5 << "Ctrl+S" << QStringList{"new.trevalo"} << "" << newAsked << "new.trevalo";
    QTest::newRow("保存项目… of the parameters without a file asks")
        << false << form4 << "SaveProject" << QStringList{""} << "" << newAsked << "";
    QTest::newRow("Ctrl+S of the building data without a file asks")
        << false << form2 << "Ctrl+S" << QStringList{""} << "" << newAsked << "";
    QTest::newRow("Ctrl+Shift+S asks even with a file")
        << true << form4 << "Ctrl+Shift+S" << QStringList{"new.trevalo"} << "" << ownAsked << "new.trevalo";
    QTest::newRow("Save As onto the own file replaces it without a question")
        << true << form5 << "Ctrl+Shift+S" << QStringList{"own.trevalo"} << "" << ownAsked << "own.trevalo";
    QTest::newRow("Save As onto another file replaces it when told to")
        << true << form4 << "Ctrl+Shift+S" << QStringList{"other.trevalo"} << "替换" << ownAsked << "other.trevalo";
    QTest::newRow("Save As onto another file not replaced asks again")
        << true << form4 << "Ctrl+Shift+S" << QStringList{"other.trevalo", ""} << "取消"
        << QStringList{"保存项目 own.trevalo", "保存项目 other.trevalo"} << "";
    // A project without a file is unsaved work: given up (不保存) before another is chosen.
    QTest::newRow("Ctrl+O of the single result asks which file")
        << false << form5 << "Ctrl+O" << QStringList{""} << "不保存" << opened << "";
    QTest::newRow("Ctrl+O of the parameters asks") << false << form4 << "Ctrl+O" << QStringList{""} << "不保存" << opened << "";
    QTest::newRow("打开项目… asks") << false << form2 << "OpenProject" << QStringList{""} << "不保存" << opened << "";
}

void ProjectKeepingTest::fileCommands()
{
    QFETCH(bool, hasFile);
    QFETCH(int, form);
    QFETCH(QString, command);
    QFETCH(QStringList, chosen);
    QFETCH(QString, replace);
    QFETCH(QStringList, asked);
    QFETCH(QString, writtenTo);
    QFile other(path(QStringLiteral("other.trevalo")));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("{}") == 2);
    other.close();
    NoticeCatcher catcher;
    catcher.answerWith(replace);
    startEdited(hasFile ? QStringLiteral("own.trevalo") : QString());
    if (form == int(FormId::Form5))
        m_driver->pressAnalysisOk();
    m_driver->navigator().show(FormId(form));
    const QByteArray edited = session().currentJson();
    m_dialogAnswers = chosen;
    if (command.startsWith(QLatin1String("Ctrl")))
        press(FormId(form), QKeySequence(command)[0]);
    else
        m_driver->click(FormId(form), command);
    QCOMPARE(m_asked, asked);
    QCOMPARE(catcher.texts().size(), replace.isEmpty() ? 0 : 1);
    for (const char* name : {"own.trevalo", "new.trevalo", "other.trevalo"})
        QVERIFY2((contentOf(path(name)) == edited) == (writtenTo == QLatin1String(name)), name);
    if (!writtenTo.isEmpty())
        QCOMPARE(shownTitle(*m_driver->form(FormId(form))).section(' ', 0, 0), writtenTo);
}

void ProjectKeepingTest::entriesOfAnUnsavedRunAreOffered()
{
    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    const QString recovery = ProjectMemory::of(session())->recoveryPath();
    QVERIFY(m_driver->control<QPushButton>(FormId::Form2, QStringLiteral("RecoverInput"))->isHidden());
    m_driver->enterBuilding(BuildingEntries{"Option2", "3", "0", true, {"100", "１２０", ""}});
    m_driver->enterElevator({});
    const QStringList typed = inputEntries(m_driver->navigator());
    QTRY_VERIFY(QFile::exists(recovery));
    // Ended normally, entries without a file stay kept; ended as a crash ends it, as well.
    ProjectMemory::of(session())->finish();
    QVERIFY(dropProgram(m_driver));

    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    m_driver->click(FormId::Form2, QStringLiteral("RecoverInput"));
    QCOMPARE(inputEntries(m_driver->navigator()), typed);
    // Recovered entries are unsaved work until they are in a file.
    QCOMPARE(shownTitle(*m_driver->form(FormId::Form4)), QStringLiteral("Trevalo*"));
    QVERIFY(m_driver->control<QPushButton>(FormId::Form2, QStringLiteral("RecoverInput"))->isHidden());
    // Saved to a file, the entries need no keeping.
    QVERIFY(saveProjectFile(session(), path(QStringLiteral("kept.trevalo")), nullptr));
    QVERIFY(!QFile::exists(recovery));
}

void ProjectKeepingTest::recentProjectsAreOffered()
{
    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    const QString first = path(QStringLiteral("甲.trevalo"));
    const QString second = path(QStringLiteral("乙.trevalo"));
    QVERIFY(saveProjectFile(session(), first, nullptr));
    QVERIFY(saveProjectFile(session(), second, nullptr));
    QVERIFY(QFile::remove(first));
    QVERIFY(dropProgram(m_driver));

    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    QCOMPARE(session().lastFolder(), m_folder.path());
    NoticeCatcher catcher;
    m_menuChoice = QStringLiteral("甲.trevalo");
    m_driver->click(FormId::Form2, QStringLiteral("OpenProject"));
    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("项目文件“%1”已不存在，已从最近项目中移除。").arg(first)});
    m_menuChoice = QStringLiteral("乙.trevalo");
    m_driver->click(FormId::Form2, QStringLiteral("OpenProject"));
    const QString offered = QStringLiteral("打开项目…||乙.trevalo ") + second;
    QCOMPARE(m_asked, (QStringList{offered + QStringLiteral("|甲.trevalo ") + first, offered}));
    QCOMPARE(shownTitle(*m_driver->form(FormId::Form2)), QStringLiteral("乙.trevalo - Trevalo"));
}

// A second program running beside the first keeps its entries in a file of its own, so neither
// overwrites what the other has on screen; once the first has ended, its file is free again.
void ProjectKeepingTest::programsRunningAtOnceKeepApart()
{
    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString first = ProjectMemory::of(session())->recoveryPath();
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("recovery.trevalo"));
    {
        const ProjectMemory beside(session(), dataFolder);
        QCOMPARE(QFileInfo(beside.recoveryPath()).fileName(), QStringLiteral("recovery-2.trevalo"));
        const ProjectMemory third(session(), dataFolder);
        QCOMPARE(QFileInfo(third.recoveryPath()).fileName(), QStringLiteral("recovery-3.trevalo"));
    }
    const ProjectMemory after(session(), dataFolder);
    QCOMPARE(QFileInfo(after.recoveryPath()).fileName(), QStringLiteral("recovery-2.trevalo"));
    // Entries a run left in a later file (it crashed beside another) are offered by the next run.
    QVERIFY(project::writeProjectFile(dataFolder + "/recovery-5.trevalo", session().projectToKeep()).isEmpty());
    const ProjectMemory next(session(), dataFolder);
    QCOMPARE(QFileInfo(next.recoveryPath()).fileName(), QStringLiteral("recovery-5.trevalo"));
}

void ProjectKeepingTest::visitingAFormChangesNothing_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("entry");  // typed into after the visit; empty: only looked at
    QTest::addColumn<bool>("modified");
    const int sizing = int(FormId::Form7), simulation = int(FormId::Form8);
    QTest::newRow("电梯选型 looked at") << sizing << "" << false;
    QTest::newRow("电梯选型 with its HC target typed") << sizing << "Text1_0" << true;
    QTest::newRow("电梯选型 with a least load typed") << sizing << "Text1_5" << true;
    QTest::newRow("交通仿真 looked at") << simulation << "" << false;
    QTest::newRow("交通仿真 with its minutes typed") << simulation << "Text1_1" << true;
}

// A project saved before the sizing or simulation form was reached holds none of its entries;
// the form's presets shown are no change of the user's.
void ProjectKeepingTest::visitingAFormChangesNothing()
{
    QFETCH(int, form);
    QFETCH(QString, entry);
    QFETCH(bool, modified);
    m_driver = std::make_unique<ProgramDriver>();
    m_driver->enterBuilding({});
    m_driver->enterElevator({});
    const QString file = path(QStringLiteral("look.trevalo"));
    QVERIFY(saveProjectFile(session(), file, nullptr) && openProjectFile(session(), file, nullptr));
    const QByteArray saved = contentOf(file);
    QVERIFY(!saved.contains("\"sizing\"") && !saved.contains("\"simulation\""));
    if (FormId(form) == FormId::Form7) {
        m_driver->click(FormId::Form4, QStringLiteral("Command4"));
    } else {
        m_driver->pressAnalysisOk();
        m_driver->click(FormId::Form5, QStringLiteral("Simulate"));
    }
    QVERIFY(m_driver->form(FormId(form))->isVisible());
    if (!entry.isEmpty())
        m_driver->type(FormId(form), entry, QStringLiteral("7"));
    QCOMPARE(session().hasUnsavedChanges(), modified);
    QTRY_COMPARE(shownTitle(*m_driver->form(FormId(form))).contains('*'), modified);
}

void ProjectKeepingTest::discardedEntriesComeBack_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("typed");  // into the form shown afresh; empty: 恢复刚才的输入 pressed
    const int floors = int(FormId::Form3), elevator = int(FormId::Form4);
    QTest::newRow("elevator parameters brought back") << elevator << "";
    QTest::newRow("elevator parameters given up by typing afresh") << elevator << "45";
    QTest::newRow("floor rows brought back") << floors << "";
    QTest::newRow("floor rows given up by typing afresh") << floors << "45";
}

// 上一步 discards the form as designed, but what it held comes back with one click, and is
// kept for the next run at once, until the form shown afresh is changed.
void ProjectKeepingTest::discardedEntriesComeBack()
{
    QFETCH(int, form);
    QFETCH(QString, typed);
    const FormId id = FormId(form);
    m_driver = std::make_unique<ProgramDriver>();
    rememberProjects(session());
    const QString recovery = ProjectMemory::of(session())->recoveryPath();
    m_driver->enterBuilding(BuildingEntries{"Option2", "3", "0", true, {"100", "120", "80"}});
    m_driver->enterElevator({});
    if (id == FormId::Form3) {
        // The floor rows are shown again from the building data form.
        m_driver->click(FormId::Form4, QStringLiteral("Command1"));
        m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    }
    // The floors' stored total is no entry: their OK works it out afresh.
    const auto statesOf = [this, id] {
        QStringList states = controlStates(*m_driver->form(id));
        states.removeIf([](const QString& state) { return state.startsWith(QLatin1String("Form3.Text2 ")); });
        return states;
    };
    const QStringList entered = statesOf();
    const project::Project beforeBack = session().projectToKeep();

    m_driver->click(id, QStringLiteral("Command1"));
    QVERIFY(m_driver->form(id) == nullptr);
    // Kept at once: a crash from here on loses nothing.
    QCOMPARE(project::readProjectFile(recovery).project, std::optional(beforeBack));
    m_driver->click(FormId::Form2, QStringLiteral("Command1"));
    if (id == FormId::Form4)
        m_driver->click(FormId::Form3, QStringLiteral("Command2"));
    auto* restore = m_driver->control<QPushButton>(id, QStringLiteral("RestoreInput"));
    QVERIFY(restore != nullptr && restore->isVisible());
    QVERIFY(statesOf() != entered);
    if (typed.isEmpty()) {
        m_driver->clickButton(restore);
        QCOMPARE(statesOf(), entered);
        QVERIFY(restore->isHidden());
        return;
    }
    m_driver->type(id, id == FormId::Form3 ? QStringLiteral("Text1_0") : QStringLiteral("TEXT1_0"), typed);
    QTRY_VERIFY(restore->isHidden());
    const auto kept = [&] { return project::readProjectFile(recovery).project.value_or(project::Project{}).inputs; };
    if (id == FormId::Form3)
        QTRY_COMPARE(kept().floors.floorPopulations.at(0), typed.toStdString());
    else
        QTRY_COMPARE(kept().elevator.travel, typed.toStdString());
}

QTEST_MAIN(ProjectKeepingTest)
#include "tst_project_keeping.moc"

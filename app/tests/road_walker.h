#pragma once

#include "app/testing/program_driver.h"
#include "app/tests/random_entries.h"

#include <QMap>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace trevalo::workbook {
class ExportRootOverride;
}

namespace trevalo::testing {

class OpenedUrls;

// Walks random roads through the assembled program, one step per call. After every step
// exactly the form the navigation rules lead to shows, a refusal has kept its form as it
// was and every shown figure is a plain number; an end leaves no window. Failures report
// through Qt Test.
class RoadWalker {
public:
    explicit RoadWalker(quint64 seed);
    ~RoadWalker();

    void takeStep(int step);
    void finish();  // ends the road in progress
    QString recentActions() const { return m_log.join('\n'); }
    const QMap<QString, int>& tally() const { return m_counts; }  // analyses, notices, exports, roads

private:
    struct Entry {
        QString name;
        EntryKind kind;
    };

    void stepOnWizardForm();
    void stepOnResult();
    std::vector<Entry> shownEntries() const;
    void fillShownEntries();
    void setTicked(const QString& box, bool ticked);

    // Runs one action under the step's time cap. Message boxes it raises go to raised;
    // without raised, any box fails the step.
    void act(const QString& what, const std::function<void()>& action, QStringList* raised = nullptr);
    void type(const QString& name, const QString& text);
    void click(const QString& name);
    void pressOk(const QString& button);
    void goBack(const QString& button, FormId to, bool unloadsItself);
    void exportWorkbook();
    void endProgram(const QString& what, const std::function<void()>& trigger);

    void checkShowing();
    void checkFigures();
    QWidget* shownForm() const { return m_driver->form(m_showing); }
    bool shows(const QString& name) const;  // on the form showing
    QStringList shownOf(QStringList names) const;
    QString entryText(FormId id, const QString& name) const;
    bool isChecked(FormId id, const QString& name) const;

    RandomEntries m_random;
    std::unique_ptr<ProgramDriver> m_driver;
    NoticeCatcher m_catcher;
    FormId m_showing = FormId::Form2;
    std::set<FormId> m_loaded;
    QTemporaryDir m_exportRoot;
    std::unique_ptr<workbook::ExportRootOverride> m_exportRedirect;
    std::unique_ptr<OpenedUrls> m_opened;
    QStringList m_log;
    int m_step = 0;
    QMap<QString, int> m_counts;
};

}  // namespace trevalo::testing

#pragma once

#include "wizard/fonts.h"
#include "wizard/navigator.h"
#include "wizard/wizard_forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace trevalo::test {

// Closes every modal message box that opens while it lives, recording its text, marked
// unless it is a notice box: title "注意", the information icon and one OK button.
// A box runs its own event loop, so the poll runs inside it.
class NoticeCatcher : public QObject {
public:
    NoticeCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &NoticeCatcher::poll);
        m_timer.start(5);
    }

    const QStringList& texts() const { return m_texts; }

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        const bool notice = box->windowTitle() == QStringLiteral("注意") && box->icon() == QMessageBox::Information &&
                            box->buttons().size() == 1 && ok != nullptr;
        m_texts << (notice ? QString() : QStringLiteral("not a notice box: ")) + box->text();
        if (ok != nullptr)
            ok->click();
        else
            box->reject();
    }

    QTimer m_timer;
    QStringList m_texts;
};

// One navigator with the wizard's forms and a notice catcher per test function;
// reset() leaves no window behind.
struct WizardFixture {
    std::unique_ptr<Navigator> navigator;
    std::unique_ptr<NoticeCatcher> notices;

    void start()
    {
        useCjkFont(*qApp);
        navigator = std::make_unique<Navigator>();
        registerWizardForms(*navigator);
        notices = std::make_unique<NoticeCatcher>();
    }

    void reset()
    {
        navigator.reset();
        notices.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* form(FormId id) const { return navigator->form(id); }
    bool shown(FormId id) const { return form(id) != nullptr && form(id)->isVisible(); }

    template <class T = QWidget>
    T* control(FormId id, const char* name) const
    {
        return form(id) == nullptr ? nullptr : form(id)->findChild<T*>(QString::fromLatin1(name));
    }

    void click(FormId id, const char* name) const
    {
        auto* button = control<QAbstractButton>(id, name);
        QVERIFY2(button != nullptr, name);
        // A check box or option button answers clicks on its indicator and caption
        // only, which need not cover the middle of a widget stretched by a layout.
        const bool indicator = qobject_cast<QPushButton*>(button) == nullptr;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          indicator ? QPoint(8, button->height() / 2) : button->rect().center());
    }

    void type(FormId id, const char* name, const QString& text) const
    {
        auto* box = control<QLineEdit>(id, name);
        QVERIFY2(box != nullptr, name);
        box->clear();
        QTest::keyClicks(box, text);
    }

    // Fills the building data form and leaves it shown; empty option names choose nothing.
    void fillBuildingData(const char* buildingOption, const QString& floors, const QString& population,
                          const char* spreadOption) const
    {
        navigator->show(FormId::Form2);
        if (buildingOption[0] != '\0')
            click(FormId::Form2, buildingOption);
        type(FormId::Form2, "N1", floors);
        type(FormId::Form2, "Text1", population);
        if (spreadOption[0] != '\0')
            click(FormId::Form2, spreadOption);
    }
};

}  // namespace trevalo::test

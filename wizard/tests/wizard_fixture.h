#pragma once

#include "notice_catcher.h"
#include "wizard/fonts.h"
#include "wizard/navigator.h"
#include "wizard/wizard_forms.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace trevalo::test {

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
        QWidget* owner = form(id);
        return owner == nullptr ? nullptr : owner->findChild<T*>(QString::fromLatin1(name));
    }

    void click(FormId id, const char* name) const
    {
        auto* button = control<QAbstractButton>(id, name);
        QVERIFY2(button != nullptr, name);
        // A check box or option button answers clicks on its indicator and caption
        // only, which need not cover the middle of a widget stretched by a layout.
        const bool indicator = qobject_cast<QPushButton*>(button) == nullptr;
        const QPoint where = indicator ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
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

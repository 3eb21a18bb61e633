#include "wizard/entry_marks.h"

#include "wizard/navigator.h"
#include "wizard/notices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>


namespace trevalo {

namespace {

constexpr const char* kMarked = "trevaloRefusedEntry";
constexpr const char* kPlainToolTip = "trevaloPlainToolTip";

FormId formOf(engine::EntrySection section)
{
    switch (section) {
    case engine::EntrySection::Building: return FormId::Form2;
    case engine::EntrySection::FloorPopulations: return FormId::Form3;
    case engine::EntrySection::Elevator: return FormId::Form4;
    case engine::EntrySection::Sizing: return FormId::Form7;
    case engine::EntrySection::Simulation: return FormId::Form8;
    }
    return FormId::Form1;
}

void unmark(QWidget* control)
{
    if (!control->property(kMarked).toBool())
        return;
    control->setProperty(kMarked, false);
    control->setStyleSheet(QString());
    control->setToolTip(control->property(kPlainToolTip).toString());
}

}  // namespace

EntryControl entryControl(engine::EntryId entry)
{
    const engine::EntryInfo& info = engine::entryInfo(entry);
    return EntryControl{formOf(info.section),
                        QString::fromLatin1(info.control.data(), static_cast<qsizetype>(info.control.size()))};
}

std::optional<EntryControl> entryControl(const engine::EntryRef& entry)
{
    if (!entry.id())
        return std::nullopt;
    // A floor row: row i of the floor population form.
    if (const auto row = entry.row())
        return EntryControl{FormId::Form3, QStringLiteral("Text1_%1").arg(*row)};
    return entryControl(*entry.id());
}

bool isMarkedRefused(const QWidget& control) { return control.property(kMarked).toBool(); }

void clearRefusedMark(QWidget& control) { unmark(&control); }

void markRefusedEntry(QWidget& control, const QString& reason, bool focus)
{
    if (!isMarkedRefused(control))
        control.setProperty(kPlainToolTip, control.toolTip());
    control.setProperty(kMarked, true);
    // A frame of its own, scoped to this control, so its children keep their look.
    control.setStyleSheet(QStringLiteral("#%1 { border: 2px solid #c62828; }").arg(control.objectName()));
    control.setToolTip(reason);
    QWidget* target = &control;
    // The mark goes at the first edit; a programmatic change (a default, an emptied width) is
    // no edit of the user's.
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo != nullptr && combo->lineEdit() != nullptr) {
        target = combo->lineEdit();
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, &control, [&control] { unmark(&control); },
                         Qt::SingleShotConnection);
        QObject::connect(combo, &QComboBox::activated, &control, [&control] { unmark(&control); },
                         Qt::SingleShotConnection);
    } else if (auto* line = qobject_cast<QLineEdit*>(&control)) {
        QObject::connect(line, &QLineEdit::textEdited, &control, [&control] { unmark(&control); },
                         Qt::SingleShotConnection);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        // Any option of the group is the edit: the group's other buttons share the parent.
        for (auto* sibling : control.parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            if (sibling->group() == button->group())
                QObject::connect(sibling, &QAbstractButton::clicked, &control, [&control] { unmark(&control); },
                                 Qt::SingleShotConnection);
        }
    }
    if (focus) {
        control.setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(target))
            line->selectAll();
    }
}

void showRefusalAndMark(const Navigator& navigator, const engine::Refusal& refusal, QWidget* noticeParent)
{
    showNotice(refusal.notice, noticeParent, QString::fromStdString(refusal.reason));
    const auto where = entryControl(refusal.entry);
    if (!where)
        return;
    QWidget* form = navigator.form(where->form);
    if (form == nullptr)
        return;
    auto* control = form->findChild<QWidget*>(where->objectName);
    if (control == nullptr)
        return;
    markRefusedEntry(*control, QString::fromStdString(refusal.reason), form->isVisible());
}

}  // namespace trevalo

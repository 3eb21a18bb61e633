#include "wizard/entry_marks.h"

#include "wizard/navigator.h"
#include "wizard/notices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <string_view>

namespace trevalo {

namespace {

constexpr const char* kMarked = "trevaloRefusedEntry";
constexpr const char* kPlainToolTip = "trevaloPlainToolTip";

struct NamedControl {
    std::string_view entry;
    FormId form;
    const char* objectName;
};

constexpr std::array<NamedControl, 26> kControls{{
    {"building.projectName", FormId::Form2, "Text2"},
    {"building.buildingType", FormId::Form2, "Option1"},
    {"building.floorsServed", FormId::Form2, "N1"},
    {"building.totalPopulation", FormId::Form2, "Text1"},
    {"building.spread", FormId::Form2, "Option3"},
    {"floorPopulations", FormId::Form3, "Text1_0"},
    {"elevator.travel", FormId::Form4, "TEXT1_0"},
    {"elevator.floorHeight", FormId::Form4, "TEXT1_1"},
    {"elevator.expressDistance", FormId::Form4, "TEXT1_2"},
    {"elevator.lossPercent", FormId::Form4, "TEXT1_3"},
    {"elevator.upPercent", FormId::Form4, "TEXT1_4"},
    {"elevator.downPercent", FormId::Form4, "TEXT1_5"},
    {"elevator.carCount", FormId::Form4, "TEXT1_7"},
    {"elevator.doorType", FormId::Form4, "Option1_0"},
    {"elevator.doorWidth", FormId::Form4, "Combo2"},
    {"elevator.ratedSpeed", FormId::Form4, "Combo1"},
    {"elevator.ratedLoad", FormId::Form4, "Combo3"},
    {"elevator.fixedConfiguration", FormId::Form4, "Check3"},
    {"elevator.finishingWeight", FormId::Form4, "Text2"},
    {"simulation.demandPercent", FormId::Form8, "Text1_0"},
    {"simulation.minutes", FormId::Form8, "Text1_1"},
    {"simulation.loadingLimit", FormId::Form8, "Text1_2"},
    {"simulation.dwell", FormId::Form8, "Text1_3"},
    {"simulation.replications", FormId::Form8, "Text1_4"},
    {"simulation.seed", FormId::Form8, "Text1_5"},
    {"simulation.passengers", FormId::Form8, "PassengerList"},
}};

void unmark(QWidget* control)
{
    if (!control->property(kMarked).toBool())
        return;
    control->setProperty(kMarked, false);
    control->setStyleSheet(QString());
    control->setToolTip(control->property(kPlainToolTip).toString());
}

}  // namespace

std::optional<EntryControl> entryControl(const std::string& entry)
{
    // A floor row: "floorPopulations[i]" is row i of the floor population form.
    constexpr std::string_view kFloorRow = "floorPopulations[";
    if (entry.starts_with(kFloorRow) && entry.ends_with(']')) {
        const std::string index = entry.substr(kFloorRow.size(), entry.size() - kFloorRow.size() - 1);
        bool ok = false;
        const int row = QString::fromStdString(index).toInt(&ok);
        if (!ok || row < 0)
            return std::nullopt;
        return EntryControl{FormId::Form3, QStringLiteral("Text1_%1").arg(row)};
    }
    for (const NamedControl& control : kControls)
        if (control.entry == entry)
            return EntryControl{control.form, QString::fromLatin1(control.objectName)};
    return std::nullopt;
}

bool isMarkedRefused(const QWidget& control) { return control.property(kMarked).toBool(); }

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

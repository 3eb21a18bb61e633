#pragma once

#include "engine/analysis.h"
#include "wizard/form_id.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace trevalo {

class Navigator;

// Where an entry is typed: its form and its control's name, by the project file's name of
// the entry ("elevator.upPercent" is TEXT1(4) of Form4). Empty for a name no control holds.
struct EntryControl {
    FormId form;
    QString objectName;
};
std::optional<EntryControl> entryControl(const std::string& entry);

// Marks a refused entry's control: a red frame and the reason as its tooltip, until the user
// edits it. With `focus` the control takes the focus and its text is selected.
void markRefusedEntry(QWidget& control, const QString& reason, bool focus);
// Whether the control carries that mark now.
bool isMarkedRefused(const QWidget& control);

// A refusal as the forms show it: its notice over noticeParent, then the refused entry marked
// on whichever loaded form holds it (focused when that form is the one shown).
void showRefusalAndMark(const Navigator& navigator, const engine::Refusal& refusal, QWidget* noticeParent);

}  // namespace trevalo

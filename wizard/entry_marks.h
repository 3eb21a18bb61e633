#pragma once

#include "engine/entry_ids.h"
#include "engine/refusal.h"
#include "wizard/form_id.h"

#include <QString>

#include <optional>

class QWidget;

namespace trevalo {

class Navigator;

// Where an entry is typed: its form and its control's name (the up share is TEXT1(4) of
// Form4, floor row i is Text1(i) of Form3). Empty for a refusal that names no entry.
struct EntryControl {
    FormId form;
    QString objectName;
};
EntryControl entryControl(engine::EntryId entry);
std::optional<EntryControl> entryControl(const engine::EntryRef& entry);

// Marks a refused entry's control: a red frame and the reason as its tooltip, until the user
// edits it. With `focus` the control takes the focus and its text is selected.
void markRefusedEntry(QWidget& control, const QString& reason, bool focus);
// Takes the mark away where no edit will: a passenger list read anew, or checked and run.
void clearRefusedMark(QWidget& control);
// Whether the control carries that mark now.
bool isMarkedRefused(const QWidget& control);

// A refusal as the forms show it: its notice over noticeParent, then the refused entry marked
// on whichever loaded form holds it (focused when that form is the one shown).
void showRefusalAndMark(const Navigator& navigator, const engine::Refusal& refusal, QWidget* noticeParent);

}  // namespace trevalo

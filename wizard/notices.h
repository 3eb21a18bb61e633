#pragma once

#include "engine/notice.h"

#include <QString>

class QWidget;

namespace trevalo {

// Shows the notice as a modal information box titled "注意" with one OK button
// and returns when the user has closed it. A reason (which entry, which limit) goes under the
// notice's fixed text, so the user reads it without hovering over the marked entry.
void showNotice(engine::Notice notice, QWidget* parent, const QString& reason = {});

}  // namespace trevalo

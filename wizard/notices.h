#pragma once

#include "engine/notice.h"

#include <QString>

class QWidget;

namespace trevalo {

// The fixed one-line text of a notice; no notice names a field or a value.
QString noticeText(engine::Notice notice);

// Shows the notice as a modal information box titled "注意" with one OK button
// and returns when the user has closed it.
void showNotice(engine::Notice notice, QWidget* parent);

}  // namespace trevalo

#pragma once

#include "engine/notice.h"

#include <QString>

#include <functional>

class QWidget;

namespace trevalo {

// The fixed one-line text of a notice; no notice names a field or a value.
QString noticeText(engine::Notice notice);

// Shows the notice as a modal information box titled "注意" with one OK button
// and returns when the user has closed it. A reason (which entry, which limit) goes under the
// notice's fixed text, so the user reads it without hovering over the marked entry.
void showNotice(engine::Notice notice, QWidget* parent, const QString& reason = {});

// While one lives, showNotice hands each notice to its receiver instead of showing a box,
// for a run that has no one to close the box (the command line). Restores the previous
// receiver when it goes.
class NoticeRedirect {
public:
    explicit NoticeRedirect(std::function<void(engine::Notice)> receiver);
    ~NoticeRedirect();
    NoticeRedirect(const NoticeRedirect&) = delete;
    NoticeRedirect& operator=(const NoticeRedirect&) = delete;

private:
    std::function<void(engine::Notice)> m_previous;
};

}  // namespace trevalo

#include "wizard/notices.h"

#include <QLabel>
#include <QMessageBox>

namespace trevalo {

void showNotice(engine::Notice notice, QWidget* parent, const QString& reason)
{
    const std::string_view text = engine::noticeText(notice);
    QMessageBox box(QMessageBox::Information, QStringLiteral("注意"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("notice"));
    box.setInformativeText(reason);
    // A reason is one short line; the box's narrow default would break it before its number.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setWordWrap(false);
    box.exec();
}

}  // namespace trevalo

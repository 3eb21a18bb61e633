#include "wizard/notices.h"

#include <QLabel>
#include <QMessageBox>

#include <utility>

namespace trevalo {

namespace {

std::function<void(engine::Notice)>& noticeReceiver()
{
    static std::function<void(engine::Notice)> receiver;
    return receiver;
}

}  // namespace

QString noticeText(engine::Notice notice)
{
    switch (notice) {
    case engine::Notice::FloorsOutOfRange:
        return QStringLiteral("楼层数超出范围！");
    case engine::Notice::IncompleteInput:
        return QStringLiteral("请完整输入数据");
    case engine::Notice::InputError:
        return QStringLiteral("输入数据有误！");
    case engine::Notice::DoorWidthNonStandard:
        return QStringLiteral("电梯门开启宽度不符合标准");
    }
    return {};
}

void showNotice(engine::Notice notice, QWidget* parent, const QString& reason)
{
    if (noticeReceiver()) {
        noticeReceiver()(notice);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("注意"), noticeText(notice), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("notice"));
    box.setInformativeText(reason);
    // A reason is one short line; the box's narrow default would break it before its number.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setWordWrap(false);
    box.exec();
}

NoticeRedirect::NoticeRedirect(std::function<void(engine::Notice)> receiver)
    : m_previous(std::exchange(noticeReceiver(), std::move(receiver)))
{
}

NoticeRedirect::~NoticeRedirect()
{
    noticeReceiver() = std::move(m_previous);
}

}  // namespace trevalo

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace trevalo::test {

// Closes every modal message box that opens while it lives, recording what it
// showed. A notice box runs its own event loop, so the poll runs inside it.
class NoticeCatcher : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        bool okButton = false;
    };

    NoticeCatcher()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &NoticeCatcher::poll);
        m_timer.start();
    }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList texts() const
    {
        QStringList texts;
        for (const Seen& notice : m_seen)
            texts << notice.text;
        return texts;
    }
    void clear() { m_seen.clear(); }

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        Seen notice;
        notice.title = box->windowTitle();
        notice.text = box->text();
        notice.icon = box->icon();
        notice.buttonCount = static_cast<int>(box->buttons().size());
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        notice.okButton = ok != nullptr;
        m_seen.append(notice);
        if (ok != nullptr)
            ok->click();
        else
            box->reject();
    }

    QTimer m_timer;
    QList<Seen> m_seen;
};

}  // namespace trevalo::test

#pragma once

#include <QString>

class QWidget;

namespace trevalo {

// Hands the file to the desktop's default application with xdg-open and judges the
// hand-over by xdg-open's own exit status, without blocking: a failure to start or a
// non-zero exit shows a dialog with the saved path over parentForMessages; exit 0, or
// still running after a few seconds (an application kept in the foreground), is success.
// A wait cursor stands until the hand-over is judged.
void openWorkbook(const QString& path, QWidget* parentForMessages);

// Runs another program in xdg-open's place while it lives (tests use it); restores the
// previous one when it goes.
class OpenerOverride {
public:
    explicit OpenerOverride(QString program);
    ~OpenerOverride();
    OpenerOverride(const OpenerOverride&) = delete;
    OpenerOverride& operator=(const OpenerOverride&) = delete;

private:
    QString m_previous;
};

}  // namespace trevalo

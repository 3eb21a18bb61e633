#include "app/workbook_opener.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace trevalo {

namespace {

// An application that xdg-open keeps in the foreground has been handed the file by then.
constexpr int kHandOverMilliseconds = 3000;

QString& openerProgram()
{
    static QString program = QStringLiteral("xdg-open");
    return program;
}

// One xdg-open run. It lives until xdg-open ends, which may be long after it is judged:
// the process must not be killed while it runs the spreadsheet application.
class HandOver : public QObject {
public:
    HandOver(const QString& target, std::function<void(bool opened)> judged)
        : m_judged(std::move(judged))
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
            judge(status == QProcess::NormalExit && exitCode == 0);
            deleteLater();
        });
        connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            judge(false);
            deleteLater();
        });
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { judge(true); });
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(openerProgram(), {target});
        m_timer.start(kHandOverMilliseconds);
    }

private:
    void judge(bool opened)
    {
        if (!m_judged)
            return;
        QApplication::restoreOverrideCursor();
        m_timer.stop();
        const auto judged = std::move(m_judged);
        m_judged = nullptr;
        judged(opened);
    }

    std::function<void(bool)> m_judged;
    QProcess m_process;
    QTimer m_timer;
};

void handOver(const QString& target, std::function<void(bool opened)> judged)
{
    new HandOver(target, std::move(judged));
}

void tellUnopened(const QString& text, QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("注意"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Where the workbook was saved, to select and copy, and a way to its folder.
void showSavedPath(const QString& path, QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("unopenedWorkbookDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("注意"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("Excel表格已生成，但无法自动打开。文件保存在："), dialog));
    auto* pathBox = new QLineEdit(QDir::toNativeSeparators(path), dialog);
    pathBox->setReadOnly(true);
    pathBox->setMinimumWidth(pathBox->fontMetrics().horizontalAdvance(pathBox->text()) + 24);
    pathBox->selectAll();
    layout->addWidget(pathBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QPushButton* copy = buttons->addButton(QStringLiteral("复制路径"), QDialogButtonBox::ActionRole);
    QPushButton* folder = buttons->addButton(QStringLiteral("打开所在文件夹"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyPath"));
    folder->setObjectName(QStringLiteral("openFolder"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(copy, &QPushButton::clicked, pathBox, [pathBox] {
        QApplication::clipboard()->setText(pathBox->text());
        pathBox->selectAll();
    });
    const QString folderPath = QFileInfo(path).absolutePath();
    QObject::connect(folder, &QPushButton::clicked, dialog, [folderPath, dialog] {
        handOver(folderPath, [folderPath, target = QPointer<QWidget>(dialog)](bool opened) {
            if (!opened)
                tellUnopened(QStringLiteral("无法打开所在文件夹：\n%1").arg(QDir::toNativeSeparators(folderPath)),
                             target);
        });
    });
    dialog->open();
    pathBox->setFocus();
}

}  // namespace

void openWorkbook(const QString& path, QWidget* parentForMessages)
{
    handOver(path, [path, parent = QPointer<QWidget>(parentForMessages)](bool opened) {
        if (!opened)
            showSavedPath(path, parent);
    });
}

OpenerOverride::OpenerOverride(QString program) : m_previous(openerProgram())
{
    openerProgram() = std::move(program);
}

OpenerOverride::~OpenerOverride()
{
    openerProgram() = m_previous;
}

}  // namespace trevalo

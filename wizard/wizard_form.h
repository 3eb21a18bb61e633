#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace trevalo {

// A top-level form of the wizard: caption "Trevalo", the program's icon, and a
// default button that Enter presses when the focused control leaves the key alone
// (a text box, a combo box, an option button or a check box). A focused command
// button takes Enter itself.
class WizardForm : public QWidget {
    Q_OBJECT
public:
    explicit WizardForm(const QString& objectName, QWidget* parent = nullptr);

    QPushButton* defaultButton() const { return m_defaultButton; }

protected:
    void setDefaultButton(QPushButton* button);
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QPushButton> m_defaultButton;
};

// Creates a label or a text box under its control name.
QLabel* makeLabel(const QString& objectName, const QString& caption, QWidget* parent);
QLineEdit* makeTextBox(const QString& objectName, QWidget* parent);

// Creates a command button that presses on Enter while it has the focus.
QPushButton* makeCommandButton(const QString& objectName, const QString& caption, QWidget* parent);

}  // namespace trevalo

#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <utility>

class QKeyEvent;

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

    // Shows or hides 恢复刚才的输入 on a form that 上一步 discards: its entries come back
    // with one click while the form, shown afresh, is untouched. Forms without it ignore this.
    void offerRestore(bool offered);
    bool restoreOffered() const { return m_restore != nullptr && !m_restore->isHidden(); }

signals:
    void restoreRequested();

protected:
    void setDefaultButton(QPushButton* button);
    void keyPressEvent(QKeyEvent* event) override;
    // The form's 恢复刚才的输入 button, hidden until offered; the form places it.
    QPushButton* makeRestoreButton();
    // Called when the button is shown or hidden, for a form that makes room for it.
    virtual void restoreOfferChanged(bool /*offered*/) {}

private:
    QPointer<QPushButton> m_defaultButton;
    QPushButton* m_restore = nullptr;
};

// Creates a control under its control name, passing the rest to its constructor.
template <class Control, class... Arguments>
Control* makeNamed(const QString& objectName, Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)...);
    control->setObjectName(objectName);
    return control;
}

// Creates a command button that presses on Enter while it has the focus.
QPushButton* makeCommandButton(const QString& objectName, const QString& caption, QWidget* parent);

}  // namespace trevalo

#include "wizard/wizard_form.h"

#include "wizard/artwork.h"

#include <QKeyEvent>

namespace trevalo {

WizardForm::WizardForm(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Trevalo"));
    setWindowIcon(trevaloIcon());
}

void WizardForm::setDefaultButton(QPushButton* button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

QPushButton* WizardForm::makeRestoreButton()
{
    m_restore = makeCommandButton(QStringLiteral("RestoreInput"), QStringLiteral("恢复刚才的输入"), this);
    m_restore->hide();
    connect(m_restore, &QPushButton::clicked, this, &WizardForm::restoreRequested);
    return m_restore;
}

void WizardForm::offerRestore(bool offered)
{
    if (m_restore == nullptr || restoreOffered() == offered)
        return;
    m_restore->setVisible(offered);
    restoreOfferChanged(offered);
}

void WizardForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_defaultButton && m_defaultButton->isVisible() &&
        m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPushButton* makeCommandButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = makeNamed<QPushButton>(objectName, caption, parent);
    button->setAutoDefault(true);
    return button;
}

}  // namespace trevalo

#include "wizard/navigator.h"

#include "wizard/form_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace trevalo {

Navigator::Navigator(QObject* parent) : QObject(parent) {}

Navigator::~Navigator()
{
    for (auto& [id, form] : m_forms)
        delete form.data();
    for (QPointer<QWidget>& form : m_unloaded)
        delete form.data();
}

void Navigator::registerForm(FormId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

QWidget* Navigator::form(FormId id) const
{
    const auto it = m_forms.find(id);
    return it == m_forms.end() ? nullptr : it->second.data();
}

QWidget* Navigator::load(FormId id)
{
    if (QWidget* loaded = form(id))
        return loaded;
    const auto factory = m_factories.find(id);
    Q_ASSERT_X(factory != m_factories.end(), "Navigator::load", "form without a factory");
    QWidget* created = factory->second(*this);
    m_forms[id] = created;
    created->installEventFilter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        placeOnScreen(*created, screen->availableGeometry(), windowDecoration());
    emit formLoaded(id, created);
    return created;
}

void Navigator::show(FormId id)
{
    QWidget* shown = load(id);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void Navigator::hide(FormId id)
{
    if (QWidget* loaded = form(id))
        loaded->hide();
}

void Navigator::unload(FormId id)
{
    const auto it = m_forms.find(id);
    if (it == m_forms.end())
        return;
    QPointer<QWidget> dying = it->second;
    m_forms.erase(it);
    if (dying)
        emit formUnloading(id, dying);
    if (dying) {
        // Unload is asked from the form's own click handler, so deletion is deferred;
        // the form leaves the screen and the navigator's books at once.
        dying->hide();
        dying->deleteLater();
        m_unloaded.push_back(dying);
    }
}

void Navigator::end()
{
    if (m_ending || (m_endGuard && !m_endGuard()))
        return;
    m_ending = true;
    auto forms = std::move(m_forms);
    m_forms.clear();
    for (auto& [id, form] : forms) {
        if (form) {
            form->close();
            form->deleteLater();
            m_unloaded.push_back(form);
        }
    }
    QCoreApplication::quit();
}

bool Navigator::otherFormShown(const QWidget* form) const
{
    for (const auto& [id, other] : m_forms) {
        if (other && other != form && other->isVisible())
            return true;
    }
    return false;
}

bool Navigator::eventFilter(QObject* watched, QEvent* event)
{
    // Closing a form while another is shown only hides it; closing the last one ends the
    // program, so the guard is asked first.
    if (event->type() == QEvent::Close && !m_ending && m_endGuard) {
        auto* form = qobject_cast<QWidget*>(watched);
        if (form != nullptr && form->isVisible() && !otherFormShown(form) && !m_endGuard()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace trevalo

#pragma once

#include "wizard/form_id.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

namespace trevalo {

// Owns the lifetimes of the forms and performs the four navigation operations.
// Forms ask it to move on; they never create or delete each other. Destroying the
// navigator destroys every form it made, so it must go before the QApplication.
class Navigator : public QObject {
    Q_OBJECT
public:
    // Creates the form with its defaults: a form's load-time work is its constructor.
    using Factory = std::function<QWidget*(Navigator&)>;

    explicit Navigator(QObject* parent = nullptr);
    ~Navigator() override;

    void registerForm(FormId id, Factory factory);

    // The loaded form, or nullptr when it is not loaded.
    QWidget* form(FormId id) const;
    template <class T>
    T* formAs(FormId id) const { return qobject_cast<T*>(form(id)); }

    // Loads the form if it is not loaded (placed on the screen) and returns it.
    QWidget* load(FormId id);
    // Loads the form if needed, then shows it modeless and activates it.
    void show(FormId id);
    // Hides the form; it stays loaded with every entry.
    void hide(FormId id);
    // Discards the form and its entries; the next show starts from its defaults.
    void unload(FormId id);
    // Closes and discards every form at once and quits the event loop, unless the guard
    // refuses.
    void end();

    // Asked before the program ends, by end() or by the close box of the last form shown;
    // false keeps everything as it was.
    using EndGuard = std::function<bool()>;
    void setEndGuard(EndGuard guard) { m_endGuard = std::move(guard); }

signals:
    void formLoaded(trevalo::FormId id, QWidget* form);
    // unload() has discarded the form: it is no longer loaded, but holds every entry until
    // its deferred deletion.
    void formUnloading(trevalo::FormId id, QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool otherFormShown(const QWidget* form) const;

    EndGuard m_endGuard;
    bool m_ending = false;
    std::map<FormId, Factory> m_factories;
    std::map<FormId, QPointer<QWidget>> m_forms;
    std::vector<QPointer<QWidget>> m_unloaded;  // deletion deferred, not yet run
};

}  // namespace trevalo

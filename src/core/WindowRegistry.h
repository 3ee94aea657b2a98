#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <typeindex>

class Module1;
class QWindow;

// One shared instance per window class. A window is made on first use (its constructor is its
// load handler) and lives until it is unloaded. Window classes take the process-wide state in
// their constructor: W(Module1 &).
//
// The registry also tells the windows when they become the active one among the program's
// windows: coming back from another application is not an activation, and a window loses its
// turn only when another program window becomes active, not when it is hidden.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    explicit WindowRegistry(Module1 &module);
    ~WindowRegistry() override;

    // The shared instance, loaded (hidden) if it is not.
    template <class W> W &window()
    {
        QPointer<QWidget> &slot = m_windows[std::type_index(typeid(W))];
        if (!slot) {
            slot = new W(m_module); // top-level window: owned by this registry, not by a parent
            slot->installEventFilter(this);
        }
        return static_cast<W &>(*slot);
    }

    template <class W> bool isLoaded() const
    {
        const auto found = m_windows.find(std::type_index(typeid(W)));
        return found != m_windows.end() && !found->second.isNull();
    }

    // Loads the window if needed, shows it without modality, brings it to the front and
    // activates it.
    template <class W> W &show()
    {
        W &w = window<W>();
        present(w);
        return w;
    }

    // Hides and destroys the window; the next use loads it again. Safe to call from one of the
    // window's own handlers.
    template <class W> void unload() { unload(std::type_index(typeid(W))); }

    static void present(QWidget &window);

    // Has a window hear of its turns: activate runs when it becomes the active program window,
    // deactivate (if given) when another program window becomes active after it. The wiring
    // ends with the window.
    template <class W> void onActivation(W *window, void (W::*activate)(), void (W::*deactivate)() = nullptr)
    {
        const std::function<void()> onActivate = [window, activate] { (window->*activate)(); };
        std::function<void()> onDeactivate;
        if (deactivate)
            onDeactivate = [window, deactivate] { (window->*deactivate)(); };
        wire(window, onActivate, onDeactivate);
    }

    // The program window that is active now, if any.
    QWidget *activeWindow() const { return m_activeHidden ? nullptr : m_active.data(); }

signals:
    void activated(QWidget *window);
    void deactivated(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wire(QWidget *window, std::function<void()> activate, std::function<void()> deactivate);
    void unload(std::type_index type);
    void focusWindowChanged(QWindow *focus);
    void activate(QWidget *window);
    QWidget *programWindow(QWindow *handle) const;

    Module1 &m_module;
    std::map<std::type_index, QPointer<QWidget>> m_windows;
    QPointer<QWidget> m_active;  // the program window that had the turn last
    bool m_activeHidden = false; // … and was hidden since
};

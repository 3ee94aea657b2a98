#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>

class Module1;

// One shared instance per window class. A window is made on first use (its constructor is its
// load handler) and lives until it is unloaded. Window classes take the process-wide state in
// their constructor: W(Module1 &).
class WindowRegistry
{
public:
    explicit WindowRegistry(Module1 &module) : m_module(module) {}
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The shared instance, loaded (hidden) if it is not.
    template <class W> W &window()
    {
        QPointer<QWidget> &slot = m_windows[std::type_index(typeid(W))];
        if (!slot)
            slot = new W(m_module); // top-level window: owned by this registry, not by a parent
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

private:
    void unload(std::type_index type);

    Module1 &m_module;
    std::map<std::type_index, QPointer<QWidget>> m_windows;
};

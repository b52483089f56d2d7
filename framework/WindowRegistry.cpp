#include "WindowRegistry.h"

#include "Exceptions.h"
#include "Window.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

struct Registry {
    std::vector<Window*> open;
    std::map<std::string, WindowFactory, std::less<>> factories;
    std::vector<std::unique_ptr<Window>> owned;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

void DestroyOwnedWindows() {
    auto owned = std::move(TheRegistry().owned);
    while (!owned.empty()) {
        owned.pop_back();
    }
}

Window* GetImplicitWindow(std::string_view className) {
    for (Window* window : TheRegistry().open) {
        if (window->ClassName() == className) {
            return window;
        }
    }
    return nullptr;
}

void RegisterWindowClass(std::string_view className, WindowFactory factory) {
    TheRegistry().factories[std::string(className)] = std::move(factory);
}

bool IsWindowClassRegistered(std::string_view className) {
    return TheRegistry().factories.contains(className);
}

Window& ImplicitWindow(std::string_view className) {
    if (Window* open = GetImplicitWindow(className)) {
        return *open;
    }
    Registry& registry = TheRegistry();
    auto factory = registry.factories.find(className);
    if (factory == registry.factories.end()) {
        throw RuntimeException("no window class registered as " + std::string(className));
    }
    std::unique_ptr<Window> made = factory->second();
    if (made == nullptr) {
        throw NilObjectException("NilObjectException: the factory of " + std::string(className) +
                                 " made nothing");
    }
    static const bool cleanupAdded = (qAddPostRoutine(DestroyOwnedWindows), true);
    (void)cleanupAdded;
    Window& window = *made;
    registry.owned.push_back(std::move(made));
    try {
        window.Constructor();
    } catch (...) {
        ReleaseClosedWindow(window);
        throw;
    }
    return window;
}

void RegisterOpenWindow(Window& window) {
    auto& open = TheRegistry().open;
    if (std::find(open.begin(), open.end(), &window) == open.end()) {
        open.push_back(&window);
    }
}

void UnregisterOpenWindow(Window& window) {
    auto& open = TheRegistry().open;
    open.erase(std::remove(open.begin(), open.end(), &window), open.end());
}

void ReleaseClosedWindow(Window& window) {
    Window* target = &window;
    // Deferred: the close may come from inside one of the window's own handlers.
    QTimer::singleShot(0, QCoreApplication::instance(), [target] {
        auto& owned = TheRegistry().owned;
        auto found = std::find_if(owned.begin(), owned.end(),
                                  [target](const auto& w) { return w.get() == target; });
        if (found != owned.end()) {
            std::unique_ptr<Window> dying = std::move(*found);
            owned.erase(found);
        }
    });
}

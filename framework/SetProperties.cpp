#include "PropertyValues.h"
#include "Window.h"

void SetProperties(Window& window, std::string_view list) {
    for (const DesignEntry& entry : ReadDesignList("Window", list)) {
        window.ApplyProperty(entry);
    }
    window.FinishProperties();
}

void SetProperties(RectControl& control, std::string_view list) {
    for (const DesignEntry& entry : ReadDesignList(control.ClassName(), list)) {
        if (LowerKey(entry.key) != "initialparent") {
            control.ApplyProperty(entry);
            continue;
        }
        const std::string& parentName = AsString(entry);
        if (parentName.empty()) {
            control.PlaceIn(nullptr);
            continue;
        }
        Window* window = control.OwnerWindow();
        RectControl* container = window != nullptr ? window->ControlByName(parentName) : nullptr;
        if (container == nullptr || !container->IsContainer()) {
            throw RuntimeException("control " + control.Name() + " names " + parentName +
                                   " as its container, but its window has no container of "
                                   "that name");
        }
        control.PlaceIn(container);
    }
    control.FinishProperties();
}

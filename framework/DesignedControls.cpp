#include "DesignedControls.h"

#include "Exceptions.h"

RectControl& VerifiedControl(Window& window, const ControlDesign& design) {
    RectControl* control = window.ControlByName(design.name);
    if (control == nullptr) {
        throw NilObjectException("NilObjectException: no control named " + design.name);
    }
    if (control->ClassName() != design.className) {
        throw IllegalCastException("IllegalCastException: " + control->ClassName() + " '" +
                                   design.name + "' is not a " + design.className);
    }
    return *control;
}

RectControl& NewDesignedControl(Window& window, const ControlDesign& design) {
    window.AddControl(design.name, window.New(design.className));
    return VerifiedControl(window, design);
}

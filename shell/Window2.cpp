#include "Window2.h"

#include "DesignedControls.h"
#include "EventQuery.h"
#include "Pemo2020.h"
#include "ShowURL.h"
#include "Window2Design.h"
#include "WindowRegistry.h"

namespace {

const EventBinding<Window2> kBindings[] = {
    {"StaticText2", CommonEvent::MouseEnter, "( Label )",
     &HandlerOf<&Window2::StaticText2_MouseEnter>},
    {"StaticText2", CommonEvent::MouseExit, "( Label )",
     &HandlerOf<&Window2::StaticText2_MouseExit>},
    {"StaticText2", Label::kMouseDown, "( Label, Integer, Integer ) as Boolean",
     &HandlerOf<&Window2::StaticText2_MouseDown>},
    {"StaticText2", Label::kMouseUp, "( Label, Integer, Integer )",
     &HandlerOf<&Window2::StaticText2_MouseUp>},
    {"Canvas1", CommonEvent::MouseEnter, "( Canvas )", &HandlerOf<&Window2::Canvas1_MouseEnter>},
    {"Canvas1", Canvas::kMouseDown, "( Canvas, Integer, Integer ) as Boolean",
     &HandlerOf<&Window2::Canvas1_MouseDown>},
    {"Canvas1", CommonEvent::MouseExit, "( Canvas )", &HandlerOf<&Window2::Canvas1_MouseExit>},
    {"Canvas1", Canvas::kMouseUp, "( Canvas, Integer, Integer )",
     &HandlerOf<&Window2::Canvas1_MouseUp>},
};

} // namespace

void Window2::RegisterClass() {
    RegisterProgramWindowClass<Window2>({"CreateControls", "Layout"});
}

Window2& Window2::Instance() {
    RegisterClass();
    return ImplicitWindow<Window2>();
}

bool Window2::IsEventImplemented(std::string_view eventName) const {
    return RuntimeIsEventHandled(kClassName, eventName);
}

void Window2::Layout() {
    SetProperties(*this, Window2DesignList());
}

void Window2::CreateControls() {
    CreateControls0();
}

void Window2::CreateControls0() {
    for (const ControlDesign& design : Window2ControlDesigns()) {
        RectControl& control = NewDesignedControl(*this, design);
        if (auto* canvas = dynamic_cast<Canvas*>(&control)) {
            // The picture goes in before the design values, which have no backdrop of their own.
            canvas->SetBackdrop(Pemo2020());
        }
        SetProperties(VerifiedControl(*this, design), design.properties);
        BindDesignedHandlers(*this, design, kBindings);
    }
}

Rectangle& Window2::Rectangle1() {
    return Control<Rectangle>("Rectangle1");
}
Label& Window2::StaticText1() {
    return Control<Label>("StaticText1");
}
Label& Window2::StaticText2() {
    return Control<Label>("StaticText2");
}
Canvas& Window2::Canvas1() {
    return Control<Canvas>("Canvas1");
}

void Window2::StaticText2_MouseEnter(Label& sender) {
    sender.SetMouseCursor(MouseCursor::FingerPointer);
}

void Window2::StaticText2_MouseExit(Label& sender) {
    sender.SetMouseCursor(MouseCursor::StandardPointer);
}

bool Window2::StaticText2_MouseDown(Label& /*sender*/, Int64 /*x*/, Int64 /*y*/) {
    // Taking the press is what brings its release here, wherever the button goes up.
    return true;
}

void Window2::StaticText2_MouseUp(Label& sender, Int64 /*x*/, Int64 /*y*/) {
    // A press that a dialog, a menu or closing the window took over is no click.
    if (sender.PressCancelled()) {
        return;
    }
    ShowURL(kWebLink);
}

void Window2::Canvas1_MouseEnter(Canvas& sender) {
    sender.SetMouseCursor(MouseCursor::FingerPointer);
}

bool Window2::Canvas1_MouseDown(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {
    return true;
}

void Window2::Canvas1_MouseExit(Canvas& sender) {
    sender.SetMouseCursor(MouseCursor::StandardPointer);
}

void Window2::Canvas1_MouseUp(Canvas& sender, Int64 /*x*/, Int64 /*y*/) {
    if (sender.PressCancelled()) {
        return;
    }
    ShowURL(kMailLink);
}

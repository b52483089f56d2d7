#pragma once

#include "Canvas.h"
#include "ControlDesign.h"
#include "Label.h"
#include "Rectangle.h"
#include "Window.h"

#include <string_view>

// The about window: the credits in a white box, the link to the author's web site and the
// author's picture, which opens a mail to the author. It keeps no state of its own.
class Window2 : public Window {
  public:
    static constexpr const char* kClassName = "Window2.Window2";

    std::string ClassName() const override { return kClassName; }

    // The open about window, or a new one built and opened now.
    static Window2& Instance();

    // The controls: each call looks its control up by name.
    virtual Rectangle& Rectangle1();
    virtual Label& StaticText1();
    virtual Label& StaticText2();
    virtual Canvas& Canvas1();

    // The link label's and the picture's mouse handlers, in binding order.
    virtual void StaticText2_MouseEnter(Label& sender);
    virtual void StaticText2_MouseExit(Label& sender);
    virtual bool StaticText2_MouseDown(Label& sender, Int64 x, Int64 y);
    virtual void StaticText2_MouseUp(Label& sender, Int64 x, Int64 y);
    virtual void Canvas1_MouseEnter(Canvas& sender);
    virtual bool Canvas1_MouseDown(Canvas& sender, Int64 x, Int64 y);
    virtual void Canvas1_MouseExit(Canvas& sender);
    virtual void Canvas1_MouseUp(Canvas& sender, Int64 x, Int64 y);

    // Whether this class handles the window event of that name.
    bool IsEventImplemented(std::string_view eventName) const;

    // Registers the class for implicit instances and the event query; idempotent.
    static void RegisterClass();

  protected:
    void Layout() override;
    void CreateControls() override;

    virtual void CreateControls0();
};

#pragma once

#include "Canvas.h"
#include "CheckBox.h"
#include "GroupBox.h"
#include "Label.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "Rectangle.h"
#include "Slider.h"
#include "TextField.h"
#include "Window.h"

#include <string_view>
#include <vector>

// The main window: the diagram canvas and its control panel, built from its fixed design.
// It keeps no state of its own; the diagram state lives in Globals and in the controls.
class Window1 : public Window {
  public:
    static constexpr const char* kClassName = "Window1.Window1";

    std::string ClassName() const override { return kClassName; }

    // The open main window, or a new one built and opened now.
    static Window1& Instance();

    // The controls, in creation order: each call looks its control up by name.
    virtual Rectangle& Rectangle1();
    virtual Canvas& Canvas1();
    virtual GroupBox& GroupBox1();
    virtual RadioButton& RadioButton1();
    virtual RadioButton& RadioButton2();
    virtual GroupBox& GroupBox2();
    virtual Label& StaticText1();
    virtual Slider& SpeedSlider();
    virtual TextField& TextField1();
    virtual GroupBox& GroupBox3();
    virtual Slider& UnitSlider();
    virtual GroupBox& GroupBox4();
    virtual Label& StaticText2();
    virtual Slider& BlackPosSlider();
    virtual Label& StaticText4();
    virtual Slider& BlackLengthSlider();
    virtual CheckBox& CheckBox1();
    virtual CheckBox& CheckBox2();
    virtual CheckBox& CheckBox3();
    virtual GroupBox& GroupBox5();
    virtual Label& StaticText3();
    virtual Slider& RedPosSlider();
    virtual Label& StaticText5();
    virtual Slider& RedLengthSlider();
    virtual CheckBox& CheckBox4();
    virtual CheckBox& CheckBox5();
    virtual CheckBox& CheckBox6();
    virtual GroupBox& GroupBox6();
    virtual Slider& TimeSlider();
    virtual PushButton& PushButton1();
    virtual PushButton& PushButton2();
    virtual Label& Label1();
    virtual GroupBox& GroupBox7();
    virtual Label& StaticText7();
    virtual Label& StaticText8();
    virtual Label& StaticText9();
    virtual Label& StaticText10();
    virtual Label& Label3();
    virtual Label& Label4();
    virtual Label& Label5();
    virtual Label& Label2();
    virtual GroupBox& GroupBox8();
    virtual Label& StaticText11();
    virtual Label& StaticText12();
    virtual Label& StaticText13();
    virtual Label& StaticText14();
    virtual Label& Label6();
    virtual Label& Label7();
    virtual Label& Label8();
    virtual Label& Label9();
    virtual PushButton& PushButton3();
    virtual CheckBox& CheckBox7();

    // Control event handlers, in binding order.
    virtual void Canvas1_MouseUp(Canvas& sender, Int64 x, Int64 y);
    virtual bool Canvas1_MouseDown(Canvas& sender, Int64 x, Int64 y);
    virtual void Canvas1_MouseDrag(Canvas& sender, Int64 x, Int64 y);
    virtual void Canvas1_MouseMove(Canvas& sender, Int64 x, Int64 y);
    virtual void Canvas1_Paint(Canvas& sender, Graphics& g, const std::vector<Rect>& areas);
    virtual void RadioButton1_Action(RadioButton& sender);
    virtual void RadioButton2_Action(RadioButton& sender);
    virtual void SpeedSlider_ValueChanged(Slider& sender);
    virtual void TextField1_TextChange(TextField& sender);
    virtual void UnitSlider_ValueChanged(Slider& sender);
    virtual void BlackPosSlider_ValueChanged(Slider& sender);
    virtual void BlackLengthSlider_ValueChanged(Slider& sender);
    virtual void CheckBox1_Action(CheckBox& sender);
    virtual void CheckBox2_Action(CheckBox& sender);
    virtual void CheckBox3_Action(CheckBox& sender);
    virtual void RedPosSlider_ValueChanged(Slider& sender);
    virtual void RedLengthSlider_ValueChanged(Slider& sender);
    virtual void CheckBox4_Action(CheckBox& sender);
    virtual void CheckBox5_Action(CheckBox& sender);
    virtual void CheckBox6_Action(CheckBox& sender);
    virtual void TimeSlider_ValueChanged(Slider& sender);
    virtual void PushButton1_Action(PushButton& sender);
    virtual void PushButton2_Action(PushButton& sender);
    virtual void PushButton3_Action(PushButton& sender);
    virtual void CheckBox7_Action(CheckBox& sender);

    // Menu commands; each answers whether it handled the command.
    virtual bool aboutItem_Action();
    virtual bool FilePageSetup_Action();
    virtual bool FilePrint_Action();

    // The window's Open event.
    virtual void Event_Open();

    // Whether this class handles the window event of that name.
    bool IsEventImplemented(std::string_view eventName) const;

    // Registers the class for implicit instances and the event query; idempotent.
    static void RegisterClass();

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(Window& window) override;
    void Open() override;

    // Controls 1 to 30 and 31 to 52 of the design, each with its bindings.
    virtual void CreateControls0();
    virtual void CreateControls1();

  private:
    void CreateDesignedControls(std::size_t first, std::size_t end);
};

#pragma once

#include "RectControl.h"

class QRadioButton;

// One choice of a group: selecting it deselects the other buttons of its container.
// Action follows its selection.
class RadioButton : public ControlOf<RadioButton> {
  public:
    static constexpr const char* kClassName = "RadioButton";
    enum Event : int { Action = 15 };
    static std::vector<EventInfo> OwnEvents();

    RadioButton();

    bool Value() const;
    // Selecting raises Action before returning.
    void SetValue(bool selected);
    std::string Caption() const;

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QRadioButton* button_;
};

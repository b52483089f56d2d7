#pragma once

#include "RectControl.h"

class QCheckBox;

// A captioned box that is checked or not. Action follows every change of its value.
class CheckBox : public ControlOf<CheckBox> {
  public:
    static constexpr const char* kClassName = "CheckBox";
    enum Event : int { Action = 15 };
    static std::vector<EventInfo> OwnEvents();

    CheckBox();

    bool Value() const;
    // Raises Action before returning when the value changes.
    void SetValue(bool checked);
    std::string Caption() const;

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QCheckBox* box_;
};

#pragma once

#include "RectControl.h"

class QPushButton;

// A captioned button; Action follows a click.
class PushButton : public ControlOf<PushButton> {
  public:
    static constexpr const char* kClassName = "PushButton";
    enum Event : int { Action = 15 };
    static std::vector<EventInfo> OwnEvents();

    PushButton();

    std::string Caption() const;
    // As a click: raises Action before returning.
    void Push();

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QPushButton* button_;
};

#pragma once

#include "RectControl.h"

class QGroupBox;

// A captioned frame around the controls placed in it.
class GroupBox : public ControlOf<GroupBox> {
  public:
    static constexpr const char* kClassName = "GroupBox";
    static std::vector<EventInfo> OwnEvents() { return {}; }

    GroupBox();

    bool IsContainer() const override { return true; }
    std::string Caption() const;

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QGroupBox* box_;
};

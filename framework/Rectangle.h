#pragma once

#include "Color.h"
#include "RectControl.h"

// A filled box with a frame; a container. The frame's top and left edges take one colour,
// its bottom and right edges another.
class Rectangle : public ControlOf<Rectangle> {
  public:
    static constexpr const char* kClassName = "Rectangle";
    static std::vector<EventInfo> OwnEvents() { return {}; }

    struct Look {
        Color fill = RGB(255, 255, 255);
        Color topLeft = RGB(0, 0, 0);
        Color bottomRight = RGB(0, 0, 0);
        double borderThickness = 1;
    };

    Rectangle();

    bool IsContainer() const override { return true; }
    const Look& Appearance() const { return look_; }

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    Look look_;
};

#pragma once

#include "RectControl.h"

class QSlider;

// A horizontal slider over whole numbers. It reports every value it passes while dragged.
class Slider : public ControlOf<Slider> {
  public:
    static constexpr const char* kClassName = "Slider";
    enum Event : int { ValueChanged = 20 };
    static std::vector<EventInfo> OwnEvents();

    Slider();

    Int64 Value() const;
    // Clamped into the range. Raises ValueChanged before returning, unless the value stays.
    void SetValue(Int64 value);
    Int64 MinimumValue() const;
    Int64 MaximumValue() const;
    Int64 LineStep() const;
    Int64 PageStep() const;
    Int64 TickMarkStyle() const { return tickMarkStyle_; }
    bool LiveScrolling() const;

    void FinishProperties() override;

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QSlider* slider_;
    Int64 tickMarkStyle_ = 0;
    std::optional<Int64> designValue_;
};

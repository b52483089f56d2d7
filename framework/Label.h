#pragma once

#include "RectControl.h"

class FittingLabel;

// A caption or read-out text. It reads back exactly what was set; a one-line text too wide for
// the label is shown smaller, or cut (FittingLabel.h).
class Label : public ControlOf<Label> {
  public:
    static constexpr const char* kClassName = "Label";
    static constexpr int kMouseDown = 16;
    static constexpr int kMouseDrag = 17;
    static constexpr int kMouseUp = 18;
    static std::vector<EventInfo> OwnEvents();

    Label();

    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);
    Int64 TextAlignment() const { return alignment_; }
    bool Multiline() const { return multiline_; }

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;
    void ApplyFont(const QFont& font) override;

  private:
    void ApplyAlignment();

    FittingLabel* label_;
    std::string text_;
    Int64 alignment_ = 0;
    bool multiline_ = false;
};

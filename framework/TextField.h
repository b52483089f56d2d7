#pragma once

#include "RectControl.h"

class QLineEdit;

// A one-line text entry.
class TextField : public ControlOf<TextField> {
  public:
    static constexpr const char* kClassName = "TextField";
    enum Event : int { TextChange = 21 };
    static std::vector<EventInfo> OwnEvents();

    TextField();

    std::string Text() const;
    // Raises TextChange before returning, unless the text stays the same.
    void SetText(std::string_view text);
    Int64 TextAlignment() const { return alignment_; }

  protected:
    bool ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) override;

  private:
    QLineEdit* edit_;
    Int64 alignment_ = 0;
};

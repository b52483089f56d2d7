#pragma once

#include "Graphics.h"
#include "PenState.h"

#include <string>
#include <utility>

// A drawing context that keeps its own pen state and answers it back.
class PenGraphics : public Graphics {
  public:
    Color ForeColor() const override { return pen_.color; }
    double PenWidth() const override { return pen_.width; }
    std::string TextFont() const override { return pen_.font; }
    float TextSize() const override { return pen_.size; }

  protected:
    explicit PenGraphics(PenState start) : pen_(std::move(start)) {}

    PenState pen_;
};

#pragma once

#include "Color.h"

#include <string>

// What a drawing context starts with when the framework hands it over.
struct PenState {
    Color color{};
    double width = 1.0;
    std::string font = "System";
    float size = 0.0f;

    friend bool operator==(const PenState&, const PenState&) = default;
};

#pragma once

#include "Color.h"
#include "Graphics.h"
#include "Types.h"

// One frame's object: a rod at rest in that frame, drawn with its trace (the world line of its
// far end) and its shadow (the rod as the other frame measures it). Whether it is the own object
// or the other one is decided at every drawing from Globals::ourSystem.
class Thing {
  public:
    virtual ~Thing() = default;

    // Draws the object. An invisible object touches nothing; otherwise g is left with colour cl
    // and pen width 2 after a shadow, 1 without.
    virtual void Draw(Graphics& g);

    // Length of the rod in pixels of its own frame.
    Int64 length = 144;
    // Where the far end lies from the near end: 1 to the right, otherwise to the left.
    Int64 position = 2;
    bool isVisible = false;
    bool hasShadow = false;
    bool hasTrace = false;
    Color cl{};
    // The frame the object belongs to: 0 black, 1 red.
    Int64 index = 0;
};

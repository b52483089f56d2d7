#pragma once

#include "ControlDesign.h"

#include <string>
#include <vector>

// The main window's fixed design, as design property lists built from the layout tables.

// The window's own list (22 entries, 381 bytes).
const std::string& Window1DesignList();

// The 52 controls in creation order, containers before their contents.
const std::vector<ControlDesign>& Window1ControlDesigns();

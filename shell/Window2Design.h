#pragma once

#include "ControlDesign.h"

#include <string>
#include <string_view>
#include <vector>

// The about window's fixed design, as design property lists built from its tables.

// The author's web site, whose host name the link label shows, and the author's mail address.
inline constexpr std::string_view kWebHost = "quistral.example";
inline constexpr std::string_view kWebLink = "https://quistral.example";
inline constexpr std::string_view kMailLink = "mailto:ferol@quistral.example";

// The credits: four lines joined by carriage returns.
const std::string& Window2CreditsText();

// The window's own list (22 entries).
const std::string& Window2DesignList();

// The four controls in creation order: Rectangle1, StaticText1, StaticText2, Canvas1.
const std::vector<ControlDesign>& Window2ControlDesigns();

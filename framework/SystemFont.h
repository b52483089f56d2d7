#pragma once

// The family of the platform's system font, named rather than left to fontconfig: asked for
// "Sans Serif", a machine with few fonts answers whatever it has, on a bare Debian system a
// fixed-pitch one whose captions overrun their controls. The set-up installs this family.
inline constexpr const char* kSystemFontFamily = "Liberation Sans";

// Gives the application font that family at the platform's standard size, so that controls,
// menus and dialogs all use it.
void UseSystemFont();

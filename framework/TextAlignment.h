#pragma once

#include "Color.h"
#include "Types.h"

#include <Qt>

class QColor;

// A text alignment of the designs: 0 the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment HorizontalAlignment(Int64 textAlignment);

QColor ToQColor(Color color);

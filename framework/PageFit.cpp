#include "PageFit.h"

#include <algorithm>
#include <cmath>

namespace {
bool IsSize(double value) {
    return std::isfinite(value) && value > 0.0;
}
} // namespace

PageFit FitOnPage(double areaWidth, double areaHeight, double printableWidth,
                  double printableHeight) {
    PageFit fit;
    if (IsSize(areaWidth) && IsSize(areaHeight) && IsSize(printableWidth) &&
        IsSize(printableHeight)) {
        fit.scale = std::min({1.0, printableWidth / areaWidth, printableHeight / areaHeight});
    }
    return fit;
}

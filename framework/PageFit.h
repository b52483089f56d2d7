#pragma once

// How a drawing area of diagram pixels goes onto a page's printable area, both in units of
// 1/72 inch: one diagram pixel per point where the area fits, shrunk uniformly where it does not.
struct PageFit {
    double scale = 1.0; // points per diagram pixel, at most 1
};

// Sizes that are not positive and finite leave the scale at 1.
PageFit FitOnPage(double areaWidth, double areaHeight, double printableWidth,
                  double printableHeight);

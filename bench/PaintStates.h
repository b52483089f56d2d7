#pragma once

#include "RecordingGraphics.h"

#include <QImage>

#include <vector>

class Window1;

// The start state, and everything on: both objects visible with trace and shadow, the light
// cone, and an event projected.
enum class DiagramState { Start, EverythingOn };

void ApplyDiagramState(Window1& window, DiagramState state);

// One paint of the canvas as the calls it makes, from the default pen state.
std::vector<RecordingGraphics::Call> RecordPaint(Window1& window);

// An image of the canvas's size, filled black so that the white fill shows.
QImage BlankCanvasImage(Window1& window);

// One paint of the canvas through its own paint path, and one of its floor replay, on fresh
// images: the two must show the same pixels.
QImage PaintedByCanvas(Window1& window);
QImage PaintedByFloor(Window1& window);

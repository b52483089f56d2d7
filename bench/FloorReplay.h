#pragma once

#include "RecordingGraphics.h"

#include <QFont>
#include <QLineF>
#include <QPen>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// A drawing turned into plain QPainter calls once, so that replaying it costs what the painter
// alone costs: the floor under any drawing surface built on QPainter.
class FloorReplay {
  public:
    // start: the pen state the surface begins with, as the recording did.
    FloorReplay(const PenState& start, const std::vector<RecordingGraphics::Call>& calls);

    void Replay(QPainter& painter) const;
    std::size_t Size() const { return steps_.size(); }

  private:
    enum class Kind { Pen, Font, Line, Oval, Fill, Text, WrappedText };
    struct Step {
        Kind kind;
        QPen pen;
        QFont font;
        QColor fill;
        QLineF line;
        QRectF rect;
        QPointF at;
        QString text;
    };
    std::vector<Step> steps_;
};

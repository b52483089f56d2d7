#include "FloorReplay.h"

#include "QtGraphics.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

using Op = RecordingGraphics::Op;

} // namespace

FloorReplay::FloorReplay(const PenState& start, const std::vector<RecordingGraphics::Call>& calls) {
    steps_.push_back(Step{Kind::Pen, QtGraphics::QtPen(start), {}, {}, {}, {}, {}, {}});
    steps_.push_back(Step{Kind::Font, {}, QtGraphics::QtFont(start), {}, {}, {}, {}, {}});
    for (const RecordingGraphics::Call& call : calls) {
        Step step{};
        switch (call.op) {
        case Op::SetForeColor:
        case Op::SetPenWidth:
            step.kind = Kind::Pen;
            step.pen = QtGraphics::QtPen(call.pen);
            break;
        case Op::SetTextFont:
        case Op::SetTextSize:
            step.kind = Kind::Font;
            step.font = QtGraphics::QtFont(call.pen);
            break;
        case Op::Line:
            step.kind = Kind::Line;
            step.line = QLineF(call.a, call.b, call.c, call.d);
            break;
        case Op::Oval:
            step.kind = Kind::Oval;
            step.rect = QRectF(call.a, call.b, call.c, call.d);
            break;
        case Op::Fill:
            step.kind = Kind::Fill;
            step.rect = QRectF(call.a, call.b, call.c, call.d);
            step.fill = QtGraphics::QtPen(call.pen).color();
            break;
        case Op::Text: {
            step.text = QString::fromStdString(call.text);
            const double wrapWidth = call.c;
            if (wrapWidth > 0) {
                step.kind = Kind::WrappedText;
                const double ascent = QFontMetricsF(QtGraphics::QtFont(call.pen)).ascent();
                step.rect = QRectF(call.a, call.b - ascent, wrapWidth, 1e6);
            } else {
                step.kind = Kind::Text;
                step.at = QPointF(call.a, call.b);
            }
            break;
        }
        }
        steps_.push_back(std::move(step));
    }
}

void FloorReplay::Replay(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Step& step : steps_) {
        switch (step.kind) {
        case Kind::Pen:
            painter.setPen(step.pen);
            break;
        case Kind::Font:
            painter.setFont(step.font);
            break;
        case Kind::Line:
            painter.drawLine(step.line);
            break;
        case Kind::Oval:
            painter.drawEllipse(step.rect);
            break;
        case Kind::Fill:
            painter.fillRect(step.rect, step.fill);
            break;
        case Kind::Text:
            painter.drawText(step.at, step.text);
            break;
        case Kind::WrappedText:
            painter.drawText(step.rect, Qt::TextWordWrap, step.text);
            break;
        }
    }
}

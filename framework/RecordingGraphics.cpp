#include "RecordingGraphics.h"

RecordingGraphics::RecordingGraphics(double height, PenState start)
    : PenGraphics(std::move(start)), height_(height) {}

namespace {
RecordingGraphics::Call MakeCall(RecordingGraphics::Op op, double a = 0, double b = 0, double c = 0,
                                 double d = 0) {
    RecordingGraphics::Call call{};
    call.op = op;
    call.a = a;
    call.b = b;
    call.c = c;
    call.d = d;
    return call;
}
} // namespace

void RecordingGraphics::Log(Call call) {
    call.pen = pen_;
    calls_.push_back(std::move(call));
}

void RecordingGraphics::SetForeColor(Color color) {
    pen_.color = color;
    Log(MakeCall(Op::SetForeColor));
}

void RecordingGraphics::SetPenWidth(double width) {
    pen_.width = width;
    Log(MakeCall(Op::SetPenWidth, width));
}

void RecordingGraphics::SetTextFont(std::string_view font) {
    pen_.font = std::string(font);
    Call call = MakeCall(Op::SetTextFont);
    call.text = pen_.font;
    Log(std::move(call));
}

void RecordingGraphics::SetTextSize(float size) {
    pen_.size = size;
    Log(MakeCall(Op::SetTextSize, size));
}

void RecordingGraphics::DrawLine(double x1, double y1, double x2, double y2) {
    Log(MakeCall(Op::Line, x1, y1, x2, y2));
}

void RecordingGraphics::DrawOval(double x, double y, double width, double height) {
    Log(MakeCall(Op::Oval, x, y, width, height));
}

void RecordingGraphics::FillRect(double x, double y, double width, double height) {
    Log(MakeCall(Op::Fill, x, y, width, height));
}

void RecordingGraphics::DrawString(std::string_view text, double x, double y, double wrapWidth,
                                   bool condense) {
    Call call = MakeCall(Op::Text, x, y, wrapWidth);
    call.text = std::string(text);
    call.flag = condense;
    Log(std::move(call));
}

std::vector<RecordingGraphics::Call> RecordingGraphics::CallsOf(Op op) const {
    std::vector<Call> result;
    for (const Call& call : calls_) {
        if (call.op == op) {
            result.push_back(call);
        }
    }
    return result;
}

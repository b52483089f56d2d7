#pragma once

#include "PenGraphics.h"

#include <string>
#include <vector>

// A drawing context that draws nothing and logs every call, setters included, with its exact
// arguments and the pen state in force when it was made. Tests read the log.
class RecordingGraphics : public PenGraphics {
  public:
    enum class Op { SetForeColor, SetPenWidth, SetTextFont, SetTextSize, Line, Oval, Fill, Text };

    struct Call {
        Op op;
        double a = 0, b = 0, c = 0, d = 0; // coordinates, or the width for SetPenWidth
        std::string text;                  // DrawString's text, SetTextFont's font
        bool flag = false;                 // DrawString's last argument
        PenState pen;                      // the state after the call took effect
    };

    explicit RecordingGraphics(double height = 553.0, PenState start = {});

    void SetForeColor(Color color) override;
    void SetPenWidth(double width) override;
    void SetTextFont(std::string_view font) override;
    void SetTextSize(float size) override;

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void FillRect(double x, double y, double width, double height) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth,
                    bool condense) override;

    double Height() const override { return height_; }

    const std::vector<Call>& Calls() const { return calls_; }
    // The calls of one kind only, in order.
    std::vector<Call> CallsOf(Op op) const;
    void Clear() { calls_.clear(); }

  private:
    void Log(Call call);

    double height_;
    std::vector<Call> calls_;
};

#pragma once

#include "Globals.h"
#include "RecordingGraphics.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

// Puts the shared state into the state the main window opens with and restores whatever the
// test found there afterwards.
class DiagramFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace Globals;
        ourSystem = 0;
        sinPhi = 0.6;
        theTime = 72;
        Nx = 300;
        Ny = 400;
        gw = 636;
        gh = 553;
        stUnits = 3;
        calcUnits();
    }

    void TearDown() override { saved_.Restore(); }

  private:
    struct Saved {
        Int64 ourSystem = Globals::ourSystem;
        double sinPhi = Globals::sinPhi;
        Int64 theTime = Globals::theTime;
        Int64 Nx = Globals::Nx;
        Int64 Ny = Globals::Ny;
        Int64 gw = Globals::gw;
        Int64 gh = Globals::gh;
        Int64 stUnits = Globals::stUnits;
        Int64 x_Val = Globals::x_Val;
        std::string x_units = Globals::x_units;
        Int64 y_val = Globals::y_val;
        std::string y_units = Globals::y_units;

        void Restore() const {
            Globals::ourSystem = ourSystem;
            Globals::sinPhi = sinPhi;
            Globals::theTime = theTime;
            Globals::Nx = Nx;
            Globals::Ny = Ny;
            Globals::gw = gw;
            Globals::gh = gh;
            Globals::stUnits = stUnits;
            Globals::x_Val = x_Val;
            Globals::x_units = x_units;
            Globals::y_val = y_val;
            Globals::y_units = y_units;
        }
    };
    Saved saved_;
};

// Recorded calls as short readable lines: "width 2", "color 255,0,0", "font Arial", "size 10",
// "line 300 310 444 418", "text 603 8 Time". A text call with anything but (0.0, false) for its
// last two arguments gets them appended, so that it cannot match an expected line by accident.
inline std::string Num(double v) {
    std::ostringstream out;
    if (v == std::floor(v) && std::fabs(v) < 1e15) {
        out << static_cast<long long>(v);
    } else {
        out.precision(17);
        out << v;
    }
    return out.str();
}

inline std::string Describe(const RecordingGraphics::Call& call) {
    using Op = RecordingGraphics::Op;
    const auto four = [&] {
        return Num(call.a) + " " + Num(call.b) + " " + Num(call.c) + " " + Num(call.d);
    };
    switch (call.op) {
    case Op::SetForeColor: {
        const Color& c = call.pen.color;
        std::string text = "color " + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
                           std::to_string(c.blue);
        return c.alpha == 0 ? text : text + " alpha " + std::to_string(c.alpha);
    }
    case Op::SetPenWidth:
        return "width " + Num(call.a);
    case Op::SetTextFont:
        return "font " + call.text;
    case Op::SetTextSize:
        return "size " + Num(call.a);
    case Op::Line:
        return "line " + four();
    case Op::Oval:
        return "oval " + four();
    case Op::Fill:
        return "fill " + four();
    case Op::Text: {
        std::string text = "text " + Num(call.a) + " " + Num(call.b) + " " + call.text;
        if (call.c != 0.0 || call.flag) {
            text += " [" + Num(call.c) + (call.flag ? " true]" : " false]");
        }
        return text;
    }
    }
    return "?";
}

inline std::vector<std::string> Describe(const RecordingGraphics& g) {
    std::vector<std::string> lines;
    for (const auto& call : g.Calls()) {
        lines.push_back(Describe(call));
    }
    return lines;
}

// A start pen state unlike anything the model sets, so that every setter shows in the log.
inline PenState ForeignPen() {
    return PenState{RGB(1, 2, 3), 7.0, "System", 13.0f};
}

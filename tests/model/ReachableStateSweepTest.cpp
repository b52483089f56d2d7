#include "DiagramFixture.h"
#include "KoordSys.h"
#include "Thing.h"

#include <cmath>
#include <vector>

namespace {

// Every speed the controls can produce: the slider's positions 1..39 as p / 20 - 1, their
// negations (what switching the frame gives) and typed extremes.
std::vector<double> ReachableSpeeds() {
    std::vector<double> speeds;
    for (int p = 1; p <= 39; ++p) {
        const double v = p / 20.0 - 1.0;
        speeds.push_back(v);
        speeds.push_back(-v);
    }
    for (double typed : {1e-300, 1e-18, 0.9999999999999999}) {
        speeds.push_back(typed);
        speeds.push_back(-typed);
    }
    return speeds;
}

struct Origin {
    Int64 x, y;
};

// The drag limits keep the origin 21 pixels inside every edge of the 636 x 553 area: their
// corners, the middles of their edges and the start.
const Origin origins[] = {{21, 21},   {615, 21}, {21, 532},  {615, 532}, {318, 21},
                          {318, 532}, {21, 276}, {615, 276}, {300, 400}};

bool WholeAndFinite(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

// Checks every line and text of the log; answers how many lines were drawn.
size_t ExpectSoundCalls(const RecordingGraphics& g, const char* what) {
    size_t lines = 0;
    for (const auto& call : g.Calls()) {
        lines += call.op == RecordingGraphics::Op::Line ? 1 : 0;
        if (call.op != RecordingGraphics::Op::Line && call.op != RecordingGraphics::Op::Text) {
            continue;
        }
        EXPECT_TRUE(WholeAndFinite(call.a) && WholeAndFinite(call.b) && WholeAndFinite(call.c) &&
                    WholeAndFinite(call.d))
            << what << ": " << Describe(call) << " at v/c " << Globals::sinPhi << ", origin ("
            << Globals::Nx << ", " << Globals::Ny << "), time " << Globals::theTime;
        const bool caption = call.text == "Time" || call.text == "Space";
        if (caption) {
            EXPECT_TRUE(call.a >= 0 && call.a <= 636 && call.b >= 0 && call.b <= 553)
                << Describe(call) << " at v/c " << Globals::sinPhi << ", origin (" << Globals::Nx
                << ", " << Globals::Ny << ")";
        }
    }
    return lines;
}

class ReachableStates : public DiagramFixture {};

TEST_F(ReachableStates, AxesStayFiniteWithCaptionsInTheArea) {
    KoordSys blackSys;
    KoordSys redSys;
    for (const double speed : ReachableSpeeds()) {
        for (const Origin& o : origins) {
            for (const Int64 own : {0, 1}) {
                Globals::sinPhi = speed;
                Globals::Nx = o.x;
                Globals::Ny = o.y;
                // The own frame gets the tilted time axis, the other the tilted space axis.
                KoordSys& ownSys = own == 0 ? blackSys : redSys;
                KoordSys& otherSys = own == 0 ? redSys : blackSys;
                ownSys.sinPhiTime = speed;
                ownSys.sinPhiSpace = 0.0;
                otherSys.sinPhiTime = 0.0;
                otherSys.sinPhiSpace = speed;
                RecordingGraphics g;
                blackSys.Draw(g);
                redSys.Draw(g);
                ExpectSoundCalls(g, "axes");
                ASSERT_FALSE(HasFailure());
                ASSERT_EQ(g.CallsOf(RecordingGraphics::Op::Text).size(),
                          speed == 0.0 ? 4u + 80u : 4u + 40u);
            }
        }
    }
}

TEST_F(ReachableStates, ObjectsStayFiniteInBothRoles) {
    RecordingGraphics g;
    for (const double speed : ReachableSpeeds()) {
        for (Int64 time = -500; time <= 500; time += 25) {
            for (const Origin& o : origins) {
                Globals::sinPhi = speed;
                Globals::theTime = time;
                Globals::Nx = o.x;
                Globals::Ny = o.y;
                for (const Int64 own : {0, 1}) {
                    Globals::ourSystem = own;
                    for (const Int64 position : {0, 1}) {
                        for (const Int64 length : {24, 216}) {
                            g.Clear();
                            for (const Int64 index : {0, 1}) {
                                Thing thing;
                                thing.index = index;
                                thing.position = position;
                                thing.length = length;
                                thing.isVisible = thing.hasTrace = thing.hasShadow = true;
                                thing.Draw(g);
                            }
                            ASSERT_EQ(ExpectSoundCalls(g, "objects"), 12u);
                            ASSERT_FALSE(HasFailure());
                        }
                    }
                }
            }
        }
    }
}

} // namespace

#pragma once

#include "../model/DiagramFixture.h"
#include "Globals.h"
#include "Window1.h"
#include "WindowRegistry.h"

#include <array>
#include <string>

// A recorded line as Describe writes it.
inline std::string LineText(double x1, double y1, double x2, double y2) {
    return "line " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2);
}

// The start state with the real main window open. The object controls, the light-cone box, the
// read-outs and the mouse state are put back as the test found them.
class MainWindowFixture : public DiagramFixture {
  protected:
    static constexpr std::array boxes{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                      "CheckBox5", "CheckBox6", "CheckBox7"};
    static constexpr std::array sliders{"BlackPosSlider", "BlackLengthSlider", "RedPosSlider",
                                        "RedLengthSlider"};
    static constexpr std::array readOuts{"Label2", "Label3", "Label4", "Label5",
                                         "Label6", "Label7", "Label8", "Label9"};

    void SetUp() override {
        DiagramFixture::SetUp();
        window = &Window1::Instance();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            savedBoxes[i] = window->Control<CheckBox>(boxes[i]).Value();
        }
        for (std::size_t i = 0; i < sliders.size(); ++i) {
            savedSliders[i] = window->Control<Slider>(sliders[i]).Value();
        }
        for (std::size_t i = 0; i < readOuts.size(); ++i) {
            savedTexts[i] = window->Control<Label>(readOuts[i]).Text();
        }
        Globals::inProjectingMode = false;
        Globals::inKoordDragMode = false;
    }

    void TearDown() override {
        Globals::inProjectingMode = savedProjecting;
        Globals::inKoordDragMode = savedDragging;
        Globals::Mx = savedMx;
        Globals::My = savedMy;
        if (Window1* open = OpenMainWindow()) {
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                open->Control<CheckBox>(boxes[i]).SetValue(savedBoxes[i]);
            }
            for (std::size_t i = 0; i < sliders.size(); ++i) {
                open->Control<Slider>(sliders[i]).SetValue(savedSliders[i]);
            }
            for (std::size_t i = 0; i < readOuts.size(); ++i) {
                open->Control<Label>(readOuts[i]).SetText(savedTexts[i]);
            }
        }
        DiagramFixture::TearDown();
    }

    // The open main window, if the test left one open (it may have closed it).
    static Window1* OpenMainWindow() {
        return dynamic_cast<Window1*>(GetImplicitWindow(Window1::kClassName));
    }

    Window1* window = nullptr;

  private:
    std::array<bool, boxes.size()> savedBoxes{};
    std::array<Int64, sliders.size()> savedSliders{};
    std::array<std::string, readOuts.size()> savedTexts{};
    bool savedProjecting = Globals::inProjectingMode;
    bool savedDragging = Globals::inKoordDragMode;
    Int64 savedMx = Globals::Mx;
    Int64 savedMy = Globals::My;
};

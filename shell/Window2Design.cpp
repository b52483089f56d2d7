#include "Window2Design.h"

#include "DesignTable.h"

namespace {

using namespace std::string_literals;

const DesignValues kWindowValues = {
    {"Width", Int64{545}},        {"Height", Int64{328}},        {"Title", "about Tesvan"s},
    {"HasMinimizeButton", false}, {"DefaultLocation", Int64{1}},
};

// Stored as the bytes 80 40 00 00.
const Color kLinkColor = RGB(0, 64, 128);

DesignValues LabelValues(bool multiline, Color textColor, bool underline) {
    return {{"Multiline", multiline}, {"TextAlignment", Int64{0}}, {"TextColor", textColor},
            {"Underline", underline}, {"FontName", "Arial"s},      {"FontSize", 12.0f}};
}

std::vector<ControlRow> ControlTable() {
    // clang-format off
    return {
        // name         class        container     left top  width height tab text
        {"Rectangle1",  "Rectangle", "",            43,  36, 203, 251,  0, "", {}},
        {"StaticText1", "Label",     "Rectangle1",  55,  43, 152,  83,  0, Window2CreditsText(), LabelValues(true, RGB(0, 0, 0), false)},
        {"StaticText2", "Label",     "Rectangle1",  55, 228, 107,  27,  1, kWebHost, LabelValues(false, kLinkColor, true)},
        {"Canvas1",     "Canvas",    "",           304,  36, 194, 251,  1, "", {}},
    };
    // clang-format on
}

} // namespace

const std::string& Window2CreditsText() {
    static const std::string text = "64 bit version 1.5    for OS X\r"
                                    "created with Qt 6  Jan 2020\r"
                                    "\r"
                                    "ferol quistral";
    return text;
}

const std::string& Window2DesignList() {
    static const std::string list = BuildWindowDesignList(kWindowValues);
    return list;
}

const std::vector<ControlDesign>& Window2ControlDesigns() {
    static const std::vector<ControlDesign> designs = BuildControlDesigns(ControlTable());
    return designs;
}

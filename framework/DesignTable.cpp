#include "DesignTable.h"

#include <algorithm>

namespace {

using namespace std::string_literals;

const ::Color kWhite = RGB(255, 255, 255);
const ::Color kBlack = RGB(0, 0, 0);

const DesignValues kWindowValues = {
    {"MinimumWidth", Int64{64}},
    {"MinimumHeight", Int64{64}},
    {"MaximumWidth", Int64{32000}},
    {"MaximumHeight", Int64{32000}},
    {"Type", Int64{0}},
    {"HasCloseButton", true},
    {"HasMaximizeButton", false},
    {"HasFullScreenButton", false},
    {"Resizeable", false},
    {"Composite", false},
    {"MacProcID", Int64{0}},
    {"FullScreen", false},
    {"Visible", true},
    {"HasBackgroundColor", false},
    {"BackgroundColor", kWhite},
    {"MenuBarVisible", true},
    {"LiveResize", true},
};

// The lowest 32-bit value: the control is not part of a control array.
constexpr Int64 kNoControlArray = -2147483648LL;

const DesignValues kEveryControlValues = {
    {"Index", kNoControlArray},
    {"LockLeft", false},
    {"LockTop", false},
    {"LockRight", false},
    {"LockBottom", false},
    {"TabPanelIndex", Int64{0}},
    {"TabStop", true},
    {"AllowAutoDeactivate", true},
    {"Enabled", true},
    {"Visible", true},
    {"Tooltip", ""s},
    {"Transparent", true},
    // The platform's system font at its standard size.
    {"FontName", "System"s},
    {"FontSize", 0.0f},
    {"FontUnit", std::uint8_t{0}},
    {"Bold", false},
    {"Italic", false},
    {"Underline", false},
};

struct ClassValues {
    std::string_view className;
    DesignValues values;
};

const std::vector<ClassValues>& ClassValueTable() {
    static const std::vector<ClassValues> table = {
        {"Window", kWindowValues},
        {"Rectangle",
         {{"BorderThickness", 1.0},
          {"BottomRightColor", kBlack},
          {"FillColor", kWhite},
          {"TopLeftColor", kBlack}}},
        {"Canvas",
         {{"AllowFocusRing", true},
          {"AllowFocus", false},
          {"AllowTabs", false},
          {"DoubleBuffer", false}}},
        {"GroupBox", {}},
        {"RadioButton", {}},
        {"Label",
         {{"Multiline", false},
          {"Selectable", false},
          {"TextColor", kBlack},
          {"Transparent", false},
          {"DataSource", ""s},
          {"DataField", ""s}}},
        {"Slider", {{"LineStep", Int64{1}}, {"AllowLiveScrolling", true}}},
        {"TextField",
         {{"BackgroundColor", kWhite},
          {"HasBorder", true},
          {"Format", ""s},
          {"Password", false},
          {"TextColor", kBlack},
          {"AllowFocusRing", true},
          {"Hint", ""s},
          {"AllowTabs", false},
          {"TextAlignment", Int64{0}},
          {"AllowSpellChecking", false},
          {"MaximumCharactersAllowed", Int64{0}},
          {"ValidationMask", ""s},
          {"ReadOnly", false},
          {"DataSource", ""s},
          {"DataField", ""s}}},
        {"CheckBox",
         {{"VisualState", Int64{0}}, {"Value", false}, {"DataField", ""s}, {"DataSource", ""s}}},
        {"PushButton", {{"MacButtonStyle", Int64{0}}, {"Cancel", false}, {"Default", false}}},
    };
    return table;
}

const PropertyValue* Find(const DesignValues& values, std::string_view key) {
    for (const DesignValue& value : values) {
        if (value.key == key) {
            return &value.value;
        }
    }
    return nullptr;
}

// The key that carries a control's text: its Caption, or a Value that is text.
std::string_view TextKey(std::string_view className) {
    if (KeyType(className, "Caption")) {
        return "Caption";
    }
    if (KeyType(className, "Value") == ValueType::String) {
        return "Value";
    }
    return {};
}

DesignValues RowValues(const ControlRow& row) {
    DesignValues values = {
        {"Name", std::string(row.name)},
        {"Left", row.left},
        {"Top", row.top},
        {"Width", row.width},
        {"Height", row.height},
        {"TabIndex", row.tabIndex},
        {"InitialParent", std::string(row.container)},
    };
    if (const std::string_view key = TextKey(row.className); !key.empty()) {
        values.push_back({key, std::string(row.text)});
    } else if (!row.text.empty()) {
        throw DesignListError("design of " + std::string(row.name) + ": a " +
                                  std::string(row.className) + " shows no text",
                              "", 0);
    }
    return values;
}

} // namespace

DesignValues SharedDesignValues(std::string_view className) {
    DesignValues values;
    for (const ClassValues& entry : ClassValueTable()) {
        if (entry.className == className) {
            values = entry.values;
        }
    }
    if (className != "Window") {
        values.insert(values.end(), kEveryControlValues.begin(), kEveryControlValues.end());
    }
    return values;
}

std::string BuildDesignList(std::string_view className,
                            std::initializer_list<const DesignValues*> layers) {
    DesignListWriter writer{std::string(className)};
    for (std::string_view key : DesignListKeys(className)) {
        const PropertyValue* value = nullptr;
        for (const DesignValues* layer : layers) {
            if ((value = Find(*layer, key)) != nullptr) {
                break;
            }
        }
        if (value == nullptr) {
            throw DesignListError("design list for " + std::string(className) +
                                      ": no value for key \"" + std::string(key) + "\"",
                                  std::string(key), writer.Bytes().size());
        }
        writer.Add(key, *value);
    }
    return writer.Bytes();
}

ControlDesign BuildControlDesign(const ControlRow& row) {
    const std::vector<std::string_view> keys = DesignListKeys(row.className);
    for (const DesignValue& value : row.further) {
        if (std::find(keys.begin(), keys.end(), value.key) == keys.end()) {
            throw DesignListError("design of " + std::string(row.name) + ": a " +
                                      std::string(row.className) + " list has no key \"" +
                                      std::string(value.key) + "\"",
                                  std::string(value.key), 0);
        }
    }
    const DesignValues own = RowValues(row);
    const DesignValues shared = SharedDesignValues(row.className);
    return ControlDesign{std::string(row.name), std::string(row.className),
                         BuildDesignList(row.className, {&row.further, &own, &shared})};
}

std::vector<ControlDesign> BuildControlDesigns(const std::vector<ControlRow>& rows) {
    std::vector<ControlDesign> designs;
    designs.reserve(rows.size());
    for (const ControlRow& row : rows) {
        designs.push_back(BuildControlDesign(row));
    }
    return designs;
}

std::string BuildWindowDesignList(const DesignValues& own) {
    const DesignValues shared = SharedDesignValues("Window");
    return BuildDesignList("Window", {&own, &shared});
}

// The registry of open windows and the window construction order.
#include "WindowRegistry.h"
#include "GroupBox.h"
#include "Label.h"
#include "Window.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> journal;

class ProbeWindow : public Window {
  public:
    static constexpr const char* kClassName = "ProbeWindow.ProbeWindow";
    std::string ClassName() const override { return kClassName; }

  protected:
    void Layout() override { journal.push_back("Layout"); }
    void CreateControls() override { journal.push_back("CreateControls"); }
    void AddMenuHandlers(Window&) override { journal.push_back("AddMenuHandlers"); }
    void Open() override {
        journal.push_back(GetImplicitWindow(kClassName) == this ? "Open registered"
                                                                : "Open unregistered");
    }
};

TEST(WindowRegistryTest, AnswersAWindowFromConstructionUntilClose) {
    journal.clear();
    ProbeWindow& window = ImplicitWindow<ProbeWindow>();
    EXPECT_EQ(journal, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                 "Open registered"}));
    EXPECT_EQ(&ImplicitWindow<ProbeWindow>(), &window);
    EXPECT_EQ(journal.size(), 4u);
    window.Close();
    EXPECT_EQ(GetImplicitWindow(ProbeWindow::kClassName), nullptr);
    QApplication::processEvents();
    ProbeWindow& again = ImplicitWindow<ProbeWindow>();
    EXPECT_EQ(journal.size(), 8u);
    again.Close();
    EXPECT_THROW(ImplicitWindow("NoSuchWindow.NoSuchWindow"), RuntimeException);
}

TEST(SetPropertiesTest, PlacesControlsInTheirContainerInWindowCoordinates) {
    Window window;
    RectControl& group = window.AddControl("Group", window.New("GroupBox"));
    SetProperties(group, DesignListWriter("GroupBox")
                             .Add("Left", Int64(100))
                             .Add("Top", Int64(50))
                             .Add("Width", Int64(200))
                             .Add("Height", Int64(100))
                             .Add("Caption", std::string("frame"))
                             .Bytes());
    RectControl& label = window.AddControl("Inner", window.New("Label"));
    SetProperties(label, DesignListWriter("Label")
                             .Add("Left", Int64(120))
                             .Add("Top", Int64(80))
                             .Add("Width", Int64(60))
                             .Add("Height", Int64(20))
                             .Add("InitialParent", std::string("Group"))
                             .Bytes());
    EXPECT_EQ(label.Container(), &group);
    EXPECT_EQ(label.Widget()->parentWidget(), group.Widget());
    EXPECT_EQ(label.Widget()->pos(), QPoint(20, 30));
    EXPECT_EQ(label.Widget()->mapTo(window.ContentWidget(), QPoint(0, 0)), QPoint(120, 80));

    RectControl& orphan = window.AddControl("Orphan", window.New("Label"));
    for (const char* parent : {"Missing", "Inner"}) { // absent, and not a container
        EXPECT_THROW(
            SetProperties(
                orphan,
                DesignListWriter("Label").Add("InitialParent", std::string(parent)).Bytes()),
            RuntimeException)
            << parent;
    }
    EXPECT_THROW(window.New("Scrollbar"), RuntimeException);
    EXPECT_THROW(window.AddControl("Inner", window.New("Label")), RuntimeException);
}

} // namespace

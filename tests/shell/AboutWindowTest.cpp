// The about window: its design, the picture cache, the cursors and the two links.
#include "PaintedTexts.h"
#include "Pemo2020.h"
#include "Picture.h"
#include "PressCutOffs.h"
#include "RowName.h"
#include "ShowURL.h"
#include "Window2.h"
#include "Window2Design.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Closes whatever about window is open and lets the framework destroy it.
void CloseAboutWindow() {
    if (Window* open = GetImplicitWindow(Window2::kClassName)) {
        open->Close();
    }
    QApplication::processEvents();
}

class AboutWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        CloseAboutWindow();
        Pemo2020Testing::ResetCache();
        previousOpener_ = SetUrlOpener([this](const std::string& url) { opened.push_back(url); });
    }
    void TearDown() override {
        SetUrlOpener(previousOpener_);
        Pemo2020Testing::SetFileName("Pemo2020.jpg");
        CloseAboutWindow();
    }

    // A point of the content area in the top-level window's coordinates.
    static QPoint InWindow(Window2& window, int x, int y) {
        return window.ContentWidget()->mapTo(window.Widget(), QPoint(x, y));
    }
    static QWindow* Handle(Window2& window) { return window.Widget()->windowHandle(); }
    // Brings the pointer into the window over no control, then to the point. Two moves: Qt
    // drops a move to where the pointer already is.
    static void EnterAt(Window2& window, int x, int y) {
        QTest::mouseMove(Handle(window), InWindow(window, 5, 5));
        QTest::mouseMove(Handle(window), InWindow(window, 6, 6));
        QTest::mouseMove(Handle(window), InWindow(window, x, y));
    }

    std::vector<std::string> opened;

  private:
    std::function<void(const std::string&)> previousOpener_;
};

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* container;
    Int64 left, top, width, height;
};

constexpr ExpectedControl kControls[] = {
    {"Rectangle1", "Rectangle", "", 43, 36, 203, 251},
    {"StaticText1", "Label", "Rectangle1", 55, 43, 152, 83},
    {"StaticText2", "Label", "Rectangle1", 55, 228, 107, 27},
    {"Canvas1", "Canvas", "", 304, 36, 194, 251},
};

TEST_F(AboutWindowTest, OpensWithItsDesign) {
    Window2& window = Window2::Instance();
    EXPECT_TRUE(window.Widget()->isVisible());
    EXPECT_EQ(window.Widget()->objectName(), "Window2");
    EXPECT_EQ(window.Title(), "about Tesvan");
    EXPECT_EQ(window.ContentWidget()->size(), QSize(545, 328));
    EXPECT_FALSE(window.Resizeable());
    const auto flags = window.Widget()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    ASSERT_EQ(window.Controls().size(), std::size(kControls));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const ExpectedControl& want = kControls[i];
        const RectControl& control = *window.Controls()[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(control.Name(), want.name);
        EXPECT_EQ(control.ClassName(), want.className);
        EXPECT_EQ(control.Container() ? control.Container()->Name() : "", want.container);
        EXPECT_EQ(control.Widget()->objectName(), want.name);
        const QRect shown(control.Widget()->mapTo(window.ContentWidget(), QPoint(0, 0)),
                          control.Widget()->size());
        EXPECT_EQ(shown, QRect(static_cast<int>(want.left), static_cast<int>(want.top),
                               static_cast<int>(want.width), static_cast<int>(want.height)));
    }
    EXPECT_EQ(&window.Rectangle1(), window.Controls()[0]);
    EXPECT_EQ(&window.Canvas1(), window.Controls()[3]);

    const Rectangle::Look& box = window.Rectangle1().Appearance();
    EXPECT_EQ(box.fill, RGB(255, 255, 255));
    EXPECT_EQ(box.topLeft, RGB(0, 0, 0));
    EXPECT_EQ(box.bottomRight, RGB(0, 0, 0));
    EXPECT_DOUBLE_EQ(box.borderThickness, 1.0);

    EXPECT_TRUE(window.IsEventImplemented("Layout"));
    EXPECT_TRUE(window.IsEventImplemented("CreateControls"));
    for (const char* event : {"Open", "Close", "CancelClose", "AddMenuHandlers", "Activate"}) {
        EXPECT_FALSE(window.IsEventImplemented(event)) << event;
    }
}

TEST_F(AboutWindowTest, ShowsTheCreditsAndTheLinkInTheirFonts) {
    Window2& window = Window2::Instance();
    Label& credits = window.StaticText1();
    Label& link = window.StaticText2();
    EXPECT_EQ(credits.Text(), Window2CreditsText());
    EXPECT_TRUE(credits.Multiline());
    const QStringList lines = static_cast<QLabel*>(credits.Widget())->text().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("64 bit version 1.5    for"));
    EXPECT_TRUE(lines[1].startsWith("created with "));
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_EQ(lines[3], "ferol quistral");
    EXPECT_EQ(link.Text(), kWebHost);
    EXPECT_FALSE(link.Multiline());

    struct Look {
        Label* label;
        bool underline;
        QColor color;
    };
    for (const Look& want :
         {Look{&credits, false, QColor(0, 0, 0)}, Look{&link, true, QColor(0, 64, 128)}}) {
        QWidget* widget = want.label->Widget();
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->font().family(), "Arial");
        EXPECT_EQ(widget->font().pixelSize(), 12);
        EXPECT_EQ(widget->font().underline(), want.underline);
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), want.color);
        // Every line is shown whole: the font's lines fit the label's height.
        const int lineCount = static_cast<int>(want.label->Text().empty() ? 0 : 1) +
                              static_cast<int>(std::count(want.label->Text().begin(),
                                                          want.label->Text().end(), '\r'));
        EXPECT_LE(widget->fontMetrics().lineSpacing() * lineCount, widget->height());
        for (const QString& line : static_cast<QLabel*>(widget)->text().split('\n')) {
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(line), widget->width())
                << line.toStdString();
        }
    }

    // The credits are painted line by line, every line at their own size: never fitted.
    QString painted;
    for (const PaintedText& run : PaintedTextsOf(*credits.Widget())) {
        EXPECT_EQ(QFontInfo(run.font).pixelSize(), 12) << run.text.toStdString();
        painted += run.text;
    }
    QString shown = QString::fromStdString(credits.Text());
    shown.remove(QLatin1Char('\r'));
    EXPECT_EQ(painted.remove(QLatin1Char(' ')).toStdString(),
              shown.remove(QLatin1Char(' ')).toStdString());
}

TEST_F(AboutWindowTest, ThePictureIsReadOnceAndSharedByEveryLaterWindow) {
    const int loadsBefore = Picture::LoadCount();
    Window2& first = Window2::Instance();
    const std::shared_ptr<Picture> picture = first.Canvas1().Backdrop();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 194);
    EXPECT_EQ(picture->Height(), 251);
    EXPECT_EQ(&Window2::Instance(), &first);
    CloseAboutWindow();
    EXPECT_EQ(GetImplicitWindow(Window2::kClassName), nullptr);

    Window2& second = Window2::Instance();
    EXPECT_EQ(second.Canvas1().Backdrop(), picture);
    EXPECT_EQ(Picture::LoadCount(), loadsBefore + 1);
}

TEST_F(AboutWindowTest, WithoutThePictureTheWindowOpensAndThePictureAreaStillMails) {
    Pemo2020Testing::SetFileName("no-such-picture.jpg");
    Window2& window = Window2::Instance();
    EXPECT_TRUE(window.Widget()->isVisible());
    EXPECT_EQ(window.Canvas1().Backdrop(), nullptr);
    QWindow* handle = Handle(window);
    EnterAt(window, 400, 150);
    EXPECT_EQ(window.Canvas1().Cursor(), MouseCursor::FingerPointer);
    QTest::mouseClick(handle, Qt::LeftButton, {}, InWindow(window, 400, 150));
    EXPECT_EQ(opened, std::vector<std::string>{std::string(kMailLink)});

    // The next window tries again, and finds the picture once it is there.
    CloseAboutWindow();
    Pemo2020Testing::SetFileName("Pemo2020.jpg");
    EXPECT_NE(Window2::Instance().Canvas1().Backdrop(), nullptr);
}

struct HoverCase {
    const char* name;
    const char* control;
    int x, y; // a point over it, in content coordinates
    MouseCursor over;
};

void PrintTo(const HoverCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutHoverTest : public AboutWindowTest, public testing::WithParamInterface<HoverCase> {};

TEST_P(AboutHoverTest, PointsOnlyOverTheLinkAndThePicture) {
    const HoverCase& c = GetParam();
    Window2& window = Window2::Instance();
    RectControl& control = *window.ControlByName(c.control);
    QWindow* handle = Handle(window);
    EnterAt(window, 10, 10);
    EXPECT_EQ(window.ContentWidget()->childAt(c.x, c.y), control.Widget());
    QTest::mouseMove(handle, InWindow(window, c.x, c.y));
    EXPECT_EQ(control.Cursor(), c.over);
    QTest::mouseMove(handle, InWindow(window, 10, 10));
    EXPECT_EQ(control.Cursor(), MouseCursor::StandardPointer);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AboutHoverTest,
    testing::Values(HoverCase{"link_text", "StaticText2", 60, 240, MouseCursor::FingerPointer},
                    HoverCase{"link_right_of_text", "StaticText2", 160, 252,
                              MouseCursor::FingerPointer},
                    HoverCase{"picture_corner", "Canvas1", 305, 37, MouseCursor::FingerPointer},
                    HoverCase{"picture_middle", "Canvas1", 400, 160, MouseCursor::FingerPointer},
                    HoverCase{"credits", "StaticText1", 100, 60, MouseCursor::StandardPointer},
                    HoverCase{"white_box", "Rectangle1", 100, 180, MouseCursor::StandardPointer}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClickCase {
    const char* name;
    QPoint press, release; // content coordinates
    std::vector<std::string> opens;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutClickTest : public AboutWindowTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(AboutClickTest, OpensALinkOnceOnTheReleaseOfItsOwnPress) {
    const ClickCase& c = GetParam();
    Window2& window = Window2::Instance();
    QWindow* handle = Handle(window);
    const QPoint press = InWindow(window, c.press.x(), c.press.y());
    const QPoint release = InWindow(window, c.release.x(), c.release.y());
    EnterAt(window, c.press.x(), c.press.y());
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    EXPECT_TRUE(opened.empty()) << "nothing opens before the release";
    QTest::mouseMove(handle, release);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
    EXPECT_EQ(opened, c.opens);
}

const std::string kWeb(kWebLink);
const std::string kMail(kMailLink);

INSTANTIATE_TEST_SUITE_P(
    Presses, AboutClickTest,
    testing::Values(ClickCase{"link_click", {80, 240}, {80, 240}, {kWeb}},
                    ClickCase{"link_released_outside", {80, 240}, {520, 310}, {kWeb}},
                    ClickCase{"link_released_on_picture", {80, 240}, {400, 150}, {kWeb}},
                    ClickCase{"picture_click", {400, 150}, {400, 150}, {kMail}},
                    ClickCase{"picture_released_outside", {400, 150}, {20, 20}, {kMail}},
                    ClickCase{"credits_released_on_link", {100, 60}, {80, 240}, {}},
                    ClickCase{"box_released_on_picture", {100, 180}, {400, 150}, {}},
                    ClickCase{"outside_released_on_link", {20, 20}, {80, 240}, {}},
                    ClickCase{"credits_click", {100, 60}, {100, 60}, {}},
                    ClickCase{"white_box_click", {100, 180}, {100, 180}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A press on a link that something takes the mouse from is no click: it opens nothing, even when
// its release still comes, and the next whole click opens the link once.
struct LinkArea {
    const char* name;
    const char* control;
    QPoint at; // content coordinates
    const char* opens;
};

void PrintTo(const LinkArea& a, std::ostream* os) {
    *os << a.name;
}

const LinkArea kLinkAreas[] = {
    {"link", "StaticText2", {80, 240}, kWebLink.data()},
    {"picture", "Canvas1", {400, 150}, kMailLink.data()},
};

class AboutCancelTest : public AboutWindowTest,
                        public testing::WithParamInterface<std::tuple<LinkArea, PressCutOff>> {};

TEST_P(AboutCancelTest, ACutOffPressOpensNothingAndTheNextClickOpensOnce) {
    const auto& [area, cutOff] = GetParam();
    Window2& window = Window2::Instance();
    QWindow* handle = Handle(window);
    const QPoint at = InWindow(window, area.at.x(), area.at.y());
    EnterAt(window, area.at.x(), area.at.y());
    QTest::mousePress(handle, Qt::LeftButton, {}, at);
    cutOff.takeTheMouse(*window.Widget(), *window.ControlByName(area.control)->Widget());
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
    EXPECT_TRUE(opened.empty());

    QTest::mouseClick(handle, Qt::LeftButton, {}, at);
    EXPECT_EQ(opened, std::vector<std::string>{area.opens});
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutCancelTest,
                         testing::Combine(testing::ValuesIn(kLinkAreas),
                                          testing::ValuesIn(PressCutOffs())),
                         [](const auto& info) {
                             return AsTestName(std::string(std::get<0>(info.param).name) + "_" +
                                               std::get<1>(info.param).name);
                         });

} // namespace

// The picture area shows the picture itself: a grab of the window matches the resource's pixels
// at the picture's place. TESVAN_SNAPSHOT_ABOUT names a file to keep the grab for a look.
TEST_F(AboutWindowTest, ThePictureAreaShowsThePicture) {
    Window2& window = Window2::Instance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    const QImage shot = window.ContentWidget()->grab().toImage();
    if (const char* path = std::getenv("TESVAN_SNAPSHOT_ABOUT")) {
        window.Widget()->grab().save(path);
    }
    const QImage picture = QImage(":/Pemo2020.jpg").convertToFormat(shot.format());
    ASSERT_FALSE(picture.isNull());
    int matching = 0;
    int sampled = 0;
    for (int y = 0; y < picture.height(); y += 10) {
        for (int x = 0; x < picture.width(); x += 10) {
            ++sampled;
            matching += shot.pixel(304 + x, 36 + y) == picture.pixel(x, y);
        }
    }
    EXPECT_EQ(matching, sampled);
}

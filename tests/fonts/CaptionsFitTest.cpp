// Every caption of both windows, as the started program shows them, fits its control in a
// proportional font. Run with only the fonts the set-up installs (tests/support/SetUpFonts.conf).
#include "../shell/ProgramHarness.h"
#include "SystemFont.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A control's caption, its lines, and the room the control gives them.
struct Caption {
    std::string control;
    QStringList lines;
    QRect room;
    QFont font;
};

// The room left beside a check box's or radio button's indicator, or inside a button's frame.
QRect ButtonRoom(const QAbstractButton& button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(contents, &option, &button);
}

// A group box's title stands indented from the box's left edge; it has the box's width less
// that indent on both sides.
QRect TitleRoom(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return {label.left(), label.top(), box.width() - 2 * label.left(), label.height()};
}

std::optional<Caption> CaptionOf(const RectControl& control) {
    const QWidget* widget = control.Widget();
    Caption caption{control.Name(), {}, {}, widget->font()};
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        caption.lines = label->text().split(QLatin1Char('\n'));
        caption.room = label->contentsRect();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        caption.lines = {box->text()};
        caption.room = ButtonRoom(*box, QStyle::SE_CheckBoxContents);
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        caption.lines = {radio->text()};
        caption.room = ButtonRoom(*radio, QStyle::SE_RadioButtonContents);
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        caption.lines = {button->text()};
        caption.room = ButtonRoom(*button, QStyle::SE_PushButtonContents);
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        caption.lines = {group->title()};
        caption.room = TitleRoom(*group);
    } else {
        return std::nullopt;
    }
    if (caption.lines.join(QString()).isEmpty()) {
        return std::nullopt; // a read-out that nothing has filled yet
    }
    return caption;
}

class StartedProgramCaptions : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
        for (const Window* window :
             {static_cast<Window*>(&Window1::Instance()), &ImplicitWindow(Window2::kClassName)}) {
            for (const RectControl* control : window->Controls()) {
                if (std::optional<Caption> caption = CaptionOf(*control)) {
                    captions.push_back(*caption);
                }
            }
        }
    }
    static void TearDownTestSuite() {
        if (Window* about = GetImplicitWindow(Window2::kClassName)) {
            about->Close();
        }
        QApplication::processEvents();
    }

    static std::vector<Caption> captions;
};

std::vector<Caption> StartedProgramCaptions::captions;

TEST_F(StartedProgramCaptions, TheSystemFontIsTheNamedFamilyAndInstalled) {
    EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), kSystemFontFamily);
}

TEST_F(StartedProgramCaptions, AreDrawnInAProportionalFont) {
    ASSERT_FALSE(captions.empty());
    for (const Caption& caption : captions) {
        const QFontInfo info(caption.font);
        EXPECT_FALSE(info.fixedPitch()) << caption.control << " in " << info.family().toStdString();
    }
}

TEST_F(StartedProgramCaptions, FitTheRoomTheirControlGivesThem) {
    ASSERT_FALSE(captions.empty());
    for (const Caption& caption : captions) {
        const QFontMetrics metrics(caption.font);
        for (const QString& line : caption.lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), caption.room.width())
                << caption.control << " \"" << line.toStdString() << "\" in "
                << QFontInfo(caption.font).family().toStdString();
        }
        const int height = metrics.height() + (caption.lines.size() - 1) * metrics.lineSpacing();
        EXPECT_LE(height, caption.room.height()) << caption.control;
    }
}

} // namespace

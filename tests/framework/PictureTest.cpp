#include "Picture.h"

#include <gtest/gtest.h>

namespace {

TEST(Picture, OpensFromTheApplicationResources) {
    const int before = Picture::LoadCount();
    const std::shared_ptr<Picture> picture = Picture::OpenFromApp("tiny.jpg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 7);
    EXPECT_EQ(picture->Height(), 5);
    const QRgb middle = picture->Pixmap().toImage().pixel(3, 2);
    EXPECT_GT(qRed(middle), 230);
    EXPECT_LT(qGreen(middle), 30);
    EXPECT_EQ(Picture::LoadCount(), before + 1);
}

TEST(Picture, MissingOrUnreadableGivesNil) {
    const int before = Picture::LoadCount();
    EXPECT_EQ(Picture::OpenFromApp("absent.jpg"), nullptr);
    EXPECT_EQ(Picture::LoadCount(), before); // nothing was there to read
    EXPECT_EQ(Picture::OpenFromApp("broken.jpg"), nullptr);
    EXPECT_EQ(Picture::LoadCount(), before + 1);
}

} // namespace

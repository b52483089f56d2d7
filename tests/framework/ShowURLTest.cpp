#include "ShowURL.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ShowURL, HandsTheUrlToTheOpenerOnce) {
    std::vector<std::string> opened;
    auto system = SetUrlOpener([&](const std::string& url) { opened.push_back(url); });
    ShowURL("mailto:author@example.org");
    ShowURL("https://example.org/");
    EXPECT_EQ(opened,
              (std::vector<std::string>{"mailto:author@example.org", "https://example.org/"}));

    // Restoring answers the opener that was in use.
    auto recording = SetUrlOpener(system);
    ASSERT_TRUE(recording);
    recording("x:3");
    EXPECT_EQ(opened.back(), "x:3");
    EXPECT_TRUE(SetUrlOpener(nullptr)); // an empty opener restores the system's
}

} // namespace

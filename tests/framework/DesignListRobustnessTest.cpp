#include "DesignList.h"
#include "Window1Design.h"
#include "Window2Design.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<ControlDesign> EveryList() {
    std::vector<ControlDesign> lists = {{"Window1", "Window", Window1DesignList()},
                                        {"Window2", "Window", Window2DesignList()}};
    for (const auto* designs : {&Window1ControlDesigns(), &Window2ControlDesigns()}) {
        lists.insert(lists.end(), designs->begin(), designs->end());
    }
    return lists;
}

// A damaged list either decodes or is refused with a DesignListError; anything else escapes.
std::size_t Outcome(std::string_view className, std::string_view bytes, bool& refused) {
    try {
        refused = false;
        return ReadDesignList(className, bytes).size();
    } catch (const DesignListError& error) {
        refused = true;
        EXPECT_LE(error.Offset(), bytes.size());
        return 0;
    }
}

TEST(DesignListRobustness, ACutListDecodesOnlyWhenCutBetweenEntries) {
    for (const ControlDesign& list : EveryList()) {
        SCOPED_TRACE(list.name);
        const std::vector<DesignEntry> whole = ReadDesignList(list.className, list.properties);
        std::size_t entriesBefore = 0;
        for (std::size_t cut = 0; cut < list.properties.size(); ++cut) {
            // A private copy, so that the sanitizer sees any read past the cut.
            const std::string bytes = list.properties.substr(0, cut);
            while (entriesBefore < whole.size() && whole[entriesBefore].offset < cut) {
                ++entriesBefore;
            }
            const bool betweenEntries =
                entriesBefore < whole.size() && whole[entriesBefore].offset == cut;
            bool refused = false;
            const std::size_t count = Outcome(list.className, bytes, refused);
            EXPECT_EQ(refused, !betweenEntries) << "cut at " << cut;
            if (betweenEntries) {
                EXPECT_EQ(count, entriesBefore) << "cut at " << cut;
            }
        }
    }
}

TEST(DesignListRobustness, RandomMutationsOfTheRealListsNeverEscape) {
    std::mt19937 random(20200101); // fixed: a failure must be reproducible
    const std::vector<ControlDesign> lists = EveryList();
    int decoded = 0;
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const ControlDesign& list = lists[random() % lists.size()];
        std::string bytes = list.properties;
        for (unsigned edits = 1 + random() % 4; edits > 0 && !bytes.empty(); --edits) {
            const std::size_t at = random() % bytes.size();
            const char byte = static_cast<char>(random() & 0xFF);
            switch (random() % 3) {
            case 0:
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
                break;
            case 1:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), byte);
                break;
            default:
                bytes.erase(at, 1 + random() % 8);
                break;
            }
        }
        bool wasRefused = false;
        Outcome(list.className, bytes, wasRefused);
        ++(wasRefused ? refused : decoded);
    }
    // Both outcomes occur, so the mutations reach past the first key.
    EXPECT_GT(decoded, 0);
    EXPECT_GT(refused, 0);
}

} // namespace

#pragma once

#include "ControlDesign.h"
#include "DesignList.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// Decoded design lists, for tests that check what a list holds.
struct DecodedList {
    std::vector<DesignEntry> entries;

    explicit DecodedList(const ControlDesign& design)
        : entries(ReadDesignList(design.className, design.properties)) {}
    DecodedList(std::string_view className, std::string_view bytes)
        : entries(ReadDesignList(className, bytes)) {}

    // The first entry under the key; the test fails when there is none.
    const PropertyValue& operator[](std::string_view key) const {
        for (const DesignEntry& entry : entries) {
            if (entry.key == key) {
                return entry.value;
            }
        }
        ADD_FAILURE() << "no entry " << key;
        static const PropertyValue none;
        return none;
    }

    bool Has(std::string_view key) const {
        for (const DesignEntry& entry : entries) {
            if (entry.key == key) {
                return true;
            }
        }
        return false;
    }

    // The keys joined by blanks, in list order.
    std::string Keys() const {
        std::string keys;
        for (const DesignEntry& entry : entries) {
            keys += (keys.empty() ? "" : " ") + entry.key;
        }
        return keys;
    }
};

inline std::string HexBytes(std::string_view bytes) {
    std::ostringstream out;
    for (unsigned char c : bytes) {
        out << (out.tellp() > 0 ? " " : "") << "0123456789ABCDEF"[c >> 4]
            << "0123456789ABCDEF"[c & 15];
    }
    return out.str();
}

inline void PrintTo(const Color& color, std::ostream* out) {
    *out << "RGB(" << int{color.red} << ", " << int{color.green} << ", " << int{color.blue} << ", "
         << int{color.alpha} << ")";
}

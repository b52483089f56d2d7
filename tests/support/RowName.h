#pragma once

#include <algorithm>
#include <string>

// A test name made of a row's name: '-' turned into '_', which gtest names cannot hold.
inline std::string AsTestName(std::string name) {
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// A table row's test name: its own name with '-' turned into '_'.
struct RowName {
    template <class Info> std::string operator()(const Info& info) const {
        return AsTestName(info.param.name);
    }
};

#pragma once

#include <string>

// A table row's test name: its own name with '-' turned into '_'.
struct RowName {
    template <class Info> std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (ch == '-') {
                ch = '_';
            }
        }
        return name;
    }
};

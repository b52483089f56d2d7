#include "DesignList.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Any input is read as a list of every class; only DesignListError may come out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (std::string_view className : DesignListClasses()) {
        try {
            ReadDesignList(className, bytes);
        } catch (const DesignListError&) {
        }
    }
    return 0;
}

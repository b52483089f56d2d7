// Writes the program's own design lists, one file per list, into the folder named on the
// command line: the seed corpus of the design list fuzzer.
#include "Window1Design.h"
#include "Window2Design.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool WriteList(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes) {
    std::ofstream out(folder / (name + ".list"), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    struct WindowLists {
        const char* window;
        const std::string& own;
        const std::vector<ControlDesign>& controls;
    };
    const WindowLists windows[] = {
        {"Window1", Window1DesignList(), Window1ControlDesigns()},
        {"Window2", Window2DesignList(), Window2ControlDesigns()},
    };
    int written = 0;
    for (const WindowLists& lists : windows) {
        bool ok = WriteList(folder, lists.window, lists.own);
        for (const ControlDesign& control : lists.controls) {
            ok = ok && WriteList(folder, std::string(lists.window) + "-" + control.name,
                                 control.properties);
            ++written;
        }
        if (!ok) {
            std::cerr << "cannot write the lists of " << lists.window << " into " << folder << "\n";
            return 1;
        }
        ++written;
    }
    std::cout << written << " design lists written to " << folder.string() << "\n";
    return 0;
}

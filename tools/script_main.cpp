#include "tools/script_host.h"

#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
    bool windows = false;
    const char *file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windows") == 0) {
            windows = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "usage: vermona-script [--windows] [FILE]\n";
            return 0;
        } else if (file == nullptr) {
            file = argv[i];
        } else {
            std::cerr << "usage: vermona-script [--windows] [FILE]\n";
            return 2;
        }
    }
    if (windows) {
        std::cerr << "vermona-script: --windows is not available in this build\n";
        return 2;
    }
    std::ifstream in;
    if (file != nullptr) {
        in.open(file);
        if (!in) {
            std::cerr << "vermona-script: cannot read " << file << '\n';
            return 2;
        }
    }
    vermona::ScriptHost host(std::cout);
    return host.run(file != nullptr ? in : std::cin);
}

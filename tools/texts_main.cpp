// SPDX-License-Identifier: GPL-3.0-or-later
// vermona-texts: keeps the catalogue of the game's texts complete. The game
// makes its texts in its own code, as whole Japanese wordings (see
// runtime/text.h), so the catalogue is every string literal with Japanese
// in it in the game's sources, except those marked as never shown.
//
//   vermona-texts list SOURCE_DIR...           every wording, one a line
//   vermona-texts update CATALOGUE.ts SOURCE_DIR...
//                                              adds new wordings (to be translated),
//                                              drops the ones no source holds
//   vermona-texts check CATALOGUE.ts [--glossary FILE.md] SOURCE_DIR...
//                                              fails on a wording without a finished
//                                              translation, whose numbers differ, or
//                                              that words a term of the glossary
//                                              otherwise
#include "tools/texts_catalogue.h"

#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char **argv) {
    using namespace vermona::texts;
    if (argc < 3) {
        std::cerr << "usage: vermona-texts list SOURCE_DIR... | update CATALOGUE.ts SOURCE_DIR...\n"
                     "       | check CATALOGUE.ts [--glossary FILE.md] SOURCE_DIR...\n";
        return 2;
    }
    const std::string command = argv[1];
    int firstDir = command == "list" ? 2 : 3;
    std::string glossaryFile;
    if (command == "check" && argc > firstDir + 1 && std::strcmp(argv[firstDir], "--glossary") == 0) {
        glossaryFile = argv[firstDir + 1];
        firstDir += 2;
    }
    std::vector<std::string> dirs(argv + firstDir, argv + argc);
    if (dirs.empty()) {
        std::cerr << "vermona-texts: no source folder given\n";
        return 2;
    }
    for (const std::string &dir : dirs) {
        if (!std::filesystem::is_directory(dir)) {
            std::cerr << "vermona-texts: " << dir << " is not a source folder\n";
            return 2;
        }
    }
    const std::vector<Message> wordings = scanSources(dirs);
    if (command == "list") {
        for (const Message &m : wordings) {
            std::cout << escaped(m.source) << (m.sense.empty() ? "" : "\t(" + m.sense + ")") << '\n';
        }
        return 0;
    }
    const std::string file = argv[2];
    if (command == "update") {
        const std::string error = updateCatalogue(file, wordings);
        if (!error.empty()) {
            std::cerr << "vermona-texts: " << error << '\n';
            return 1;
        }
        return 0;
    }
    if (command == "check") {
        std::vector<Term> glossary;
        if (!glossaryFile.empty()) {
            std::string error;
            glossary = readGlossary(glossaryFile, error);
            if (!error.empty()) {
                std::cerr << "vermona-texts: " << error << '\n';
                return 1;
            }
        }
        const std::vector<std::string> faults = checkCatalogue(file, wordings, glossary);
        for (const std::string &f : faults) {
            std::cerr << f << '\n';
        }
        if (!faults.empty()) {
            std::cerr << faults.size() << " text(s) the player can see lack their English. Run\n"
                      << "  vermona-texts update " << file << " ...\nand translate them"
                      << (glossary.empty() ? "" : " (the glossary is in " + glossaryFile + ")") << ".\n";
            return 1;
        }
        return 0;
    }
    std::cerr << "vermona-texts: unknown command " << command << '\n';
    return 2;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_screen.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace vermona::test {

// Ports answered from queues, recording every message box.
class QueuePorts : public Ports {
public:
    struct Box {
        std::string prompt;
        int style;
        std::string title;
    };

    // Records the texts in Japanese, as the game makes them.
    int messageBox(const Text &prompt, int style, const Text &title) override;
    void reseedFromClock() override { ++reseeds; }
    double nextFraction() override;
    // Fails the test, unless it expects them: a mistyped id is a dead button.
    void unknownScreen(std::string_view id) override;

    std::deque<int> answers;      // for Yes/No boxes; OK boxes answer kOk
    std::deque<double> fractions; // 0.5 once empty
    std::vector<Box> boxes;
    std::vector<std::string> unknownScreens;
    bool expectUnknownScreens = false;
    int reseeds = 0;
};

// A fresh working directory for one test, removed afterwards; the game keeps
// its files in the working directory.
class WorkDir {
public:
    WorkDir();
    // Enters a directory that already exists, as a second program started
    // in the same place would, and leaves it as it is afterwards.
    explicit WorkDir(std::filesystem::path existing);
    ~WorkDir();
    WorkDir(const WorkDir &) = delete;
    WorkDir &operator=(const WorkDir &) = delete;
    [[nodiscard]] const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path old_;
    bool owned_ = true;
};

// A whole file as bytes; reading gives nothing when there is no file.
std::string readFile(const std::filesystem::path &file);
void writeFile(const std::filesystem::path &file, const std::string &bytes);

// The files of a fuzzing seed corpus (fuzz/NAME), as name and bytes, read
// on every test run.
struct CorpusFile {
    std::string name;
    std::string bytes;
};
std::vector<CorpusFile> corpusFiles(const std::string &corpus);

// Runs a script through the script host in the working directory (where
// the game keeps its files: give a test a WorkDir of its own); returns its
// output followed by "exit N".
std::string runScript(const std::string &script);

// Output of the script host for a new game whose hero got all ten points in
// the given clicks (Form2 buttons) and the given element button on Form10.
std::string newGameScript(const std::string &clicks = "Command1", const std::string &element = "Command2");

} // namespace vermona::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/test_support.h"

#include "tools/script_host.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace vermona::test {

int QueuePorts::messageBox(const Text &prompt, int style, const Text &title) {
    boxes.push_back({prompt.japanese(), style, title.japanese()});
    if (!asksYesNo(style)) {
        return kOk;
    }
    int code = answers.empty() ? kNo : answers.front();
    if (!answers.empty()) {
        answers.pop_front();
    }
    return code;
}

void QueuePorts::unknownScreen(std::string_view id) {
    unknownScreens.emplace_back(id);
    if (!expectUnknownScreens) {
        ADD_FAILURE() << "a handler asked for " << id << ", which no screen registered";
    }
}

double QueuePorts::nextFraction() {
    if (fractions.empty()) {
        return 0.5;
    }
    double r = fractions.front();
    fractions.pop_front();
    return r;
}

WorkDir::WorkDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vermona-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

WorkDir::WorkDir(std::filesystem::path existing)
    : path_(std::move(existing)), old_(std::filesystem::current_path()), owned_(false) {
    std::filesystem::current_path(path_);
}

WorkDir::~WorkDir() {
    std::filesystem::current_path(old_);
    if (owned_) {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
}

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path &file, const std::string &bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<CorpusFile> corpusFiles(const std::string &corpus) {
    const auto dir = std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / corpus;
    if (!std::filesystem::is_directory(dir)) {
        throw std::runtime_error("no corpus at " + dir.string());
    }
    std::vector<CorpusFile> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        files.push_back({entry.path().filename().string(), readFile(entry.path())});
    }
    return files;
}

std::string runScript(const std::string &script) {
    std::ostringstream out;
    std::istringstream in(script);
    script::ScriptHost host(out);
    int status = host.run(in);
    out << "exit " << status << '\n';
    return out.str();
}

std::string newGameScript(const std::string &clicks, const std::string &element) {
    std::string s = "click Form1.Command1\n";
    for (int i = 0; i < 10; ++i) {
        s += "click Form2." + clicks + "\n";
    }
    s += "click Form10." + element + "\n";
    return s;
}

} // namespace vermona::test

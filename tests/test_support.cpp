#include "tests/test_support.h"

#include "tools/script_host.h"

#include <sstream>

namespace vermona::test {

int QueuePorts::messageBox(const std::string &prompt, int style, const std::string &title) {
    boxes.push_back({prompt, style, title});
    if (style != kYesNo) {
        return kOk;
    }
    int code = answers.empty() ? kNo : answers.front();
    if (!answers.empty()) {
        answers.pop_front();
    }
    return code;
}

double QueuePorts::nextFraction() {
    if (fractions.empty()) {
        return 0.5;
    }
    double r = fractions.front();
    fractions.pop_front();
    return r;
}

std::string runScript(const std::string &script) {
    std::ostringstream out;
    std::istringstream in(script);
    ScriptHost host(out);
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

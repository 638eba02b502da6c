// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/script_host.h"

class QEventLoop;

namespace vermona::platform {
class Frontend;
} // namespace vermona::platform

namespace vermona::script {

// A script's clicks, menu choices, waits and shots done on the real windows
// of a front end (vermona-script --windows).
class QtScriptWindows : public ScriptWindows {
public:
    explicit QtScriptWindows(platform::Frontend &frontend);
    ~QtScriptWindows() override;
    QtScriptWindows(const QtScriptWindows &) = delete;
    QtScriptWindows &operator=(const QtScriptWindows &) = delete;

    void click(Control &control) override;
    void choose(Screen &screen, MenuEntry &entry) override;
    void wait(int ms) override;
    void tick(Control &timer) override;
    std::string shot(Screen &screen, const std::string &file) override;
    std::string shotView(const std::string &view, const std::string &file) override;

private:
    // Delivers what the click left posted (deferred deletes, layouts) and
    // hands a handler's failure back to the script host.
    void settle();

    platform::Frontend &frontend_;
    QEventLoop *waiting_ = nullptr;
};

} // namespace vermona::script

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display.h"

#include "platform/application.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vermona::platform {

namespace {

std::string env(const char *name) {
    const char *v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

// Whether something listens on a local socket; abstract: in Linux's
// abstract namespace, where an X server listens first.
bool listens(const std::string &path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(fd);
    return ok;
}

// DISPLAY is [host]:number[.screen]. A local display is looked for where
// X servers listen; a remote one (a forwarded session) is left to Qt.
bool xServerReachable(const std::string &display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    const std::string host = display.substr(0, colon);
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    if (!host.empty() && host != "unix") {
        return true;
    }
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return listens(socket, true) || listens(socket, false);
}

bool compositorReachable(const std::string &name) {
    if (!env("WAYLAND_SOCKET").empty()) {
        return true; // handed over by whoever started us
    }
    if (name.empty()) {
        return false;
    }
    return listens(name.front() == '/' ? name : env("XDG_RUNTIME_DIR") + "/" + name, false);
}

bool waylandPluginInstalled() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty();
}

QString started; // the platform asked for, for the message if it fails

QtMessageHandler previousHandler = nullptr;

void fatalToOwnWords(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtFatalMsg) {
        // Qt's own text blames a missing plugin and aborts; what failed is
        // the window system, which its warnings above have named.
        warn("no window can be opened: the window system" +
             (started.isEmpty() ? std::string() : " (" + started.toStdString() + ")") +
             " could not be started. Run it in a desktop session, or under a virtual display: "
             "xvfb-run -a vermona");
        std::_Exit(1);
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

} // namespace

WindowSystem chooseWindowSystem() {
    if (!env("QT_QPA_PLATFORM").empty()) {
        return {};
    }
    const std::string display = env("DISPLAY");
    const std::string wayland = env("WAYLAND_DISPLAY");
    if (!display.empty() && xServerReachable(display)) {
        return {QStringLiteral("xcb"), {}};
    }
    const bool compositor = compositorReachable(wayland);
    if (compositor && waylandPluginInstalled()) {
        return {QStringLiteral("wayland"), {}};
    }
    if (compositor) {
        return {{},
                "only a Wayland display (" + wayland +
                    ") can be reached, and Qt's Wayland plugin is not installed: install qt6-wayland, or "
                    "run it where an X server is (XWayland)"};
    }
    if (display.empty() && wayland.empty()) {
        return {{},
                "no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a desktop session, or "
                "under a virtual display: xvfb-run -a vermona"};
    }
    std::string tried;
    if (!display.empty()) {
        tried = "no X server answers on DISPLAY=" + display;
    }
    if (!wayland.empty()) {
        tried +=
            (tried.empty() ? "" : ", ") + std::string("no Wayland compositor on WAYLAND_DISPLAY=") + wayland;
    }
    return {{},
            "no display can be reached (" + tried +
                "). Run it in a desktop session, or under a virtual "
                "display: xvfb-run -a vermona"};
}

std::string useWindowSystem() {
    WindowSystem chosen = chooseWindowSystem();
    if (!chosen.platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", chosen.platform.toUtf8());
    }
    started = qEnvironmentVariable("QT_QPA_PLATFORM");
    return chosen.problem;
}

void guardWindowSystemStart(bool on) {
    if (on) {
        previousHandler = qInstallMessageHandler(fatalToOwnWords);
    } else {
        qInstallMessageHandler(previousHandler);
        previousHandler = nullptr;
    }
}

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace vermona::platform

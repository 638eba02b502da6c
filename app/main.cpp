// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder.h"
#include "app/game_app.h"
#include "app/language.h"
#include "data/languages.h"
#include "platform/display.h"
#include "platform/qt_ports.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLockFile>
#include <cstddef>
#include <iostream>
#include <memory>

namespace {

// The languages' codes as the options name them: "ja|en" as the value,
// "ja (Japanese) or en (English)" in the help, "ja or en" when refused.
QString languageCodes(const QString &separator, const QString &last, bool named) {
    QString listed;
    for (std::size_t i = 0; i < vermona::kLanguages.size(); ++i) {
        const vermona::Language &l = vermona::kLanguages[i];
        if (i > 0) {
            listed += i + 1 == vermona::kLanguages.size() ? last : separator;
        }
        listed += QString::fromUtf8(l.code.data(), static_cast<qsizetype>(l.code.size()));
        if (named) {
            listed += QStringLiteral(" (%1)").arg(
                QString::fromUtf8(l.name.data(), static_cast<qsizetype>(l.name.size())));
        }
    }
    return listed;
}

// The program's options, the same whether a window system is there or not.
struct Options {
    QCommandLineOption desktop{
        QStringLiteral("desktop"),
        QStringLiteral("Keep the save and name.txt in the player's data folder, as the "
                       "desktop's menu entry does.")};
    QCommandLineOption check{QStringLiteral("check"),
                             QStringLiteral("Start, show the first window, print its screen and exit.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QStringLiteral("Play in this language, %1, whatever was chosen before.")
                                    .arg(languageCodes(QStringLiteral(", "), QStringLiteral(" or "), true)),
                                languageCodes(QStringLiteral("|"), QStringLiteral("|"), false)};

    explicit Options(QCommandLineParser &parser) {
        parser.setApplicationDescription(QStringLiteral(
            "A Japanese raising simulation: train a hero week by week and fight in tournaments."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(desktop);
        parser.addOption(check);
        parser.addOption(language);
    }
};

} // namespace

int main(int argc, char **argv) {
    vermona::app::setIdentity();
    // Without a window system Qt aborts with a message about plugins: the
    // options are still answered (--help, --version), and anything else is
    // told what is actually wrong.
    if (const std::string problem = vermona::platform::useWindowSystem(); !problem.empty()) {
        const QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        const Options options(parser);
        parser.process(QCoreApplication::arguments());
        std::cerr << "vermona: " << problem << '\n';
        return 1;
    }
    vermona::platform::guardWindowSystemStart(true);
    QApplication app(argc, argv);
    vermona::platform::guardWindowSystemStart(false);
    QCommandLineParser parser;
    const Options options(parser);
    // Unknown options and the help and version are answered here; Qt's own
    // options (-platform, -style) were taken by the application already.
    parser.process(app);
    const bool check = parser.isSet(options.check);
    const QString given = parser.value(options.language);
    if (parser.isSet(options.language) && !vermona::app::knownLanguage(given.toStdString())) {
        std::cerr << "vermona: --lang takes "
                  << languageCodes(QStringLiteral(", "), QStringLiteral(" or "), false).toStdString()
                  << ", not " << given.toStdString() << '\n';
        return 1;
    }
    if (const QString error = vermona::app::chooseWorkingDirectory(parser.isSet(options.desktop));
        !error.isEmpty()) {
        std::cerr << "vermona: " << error.toStdString() << '\n';
        return 1;
    }
    vermona::app::setUpGameApplication(app);
    const std::string language = vermona::app::startLanguage(given);
    // One game per folder: a second copy would write the same save.
    // --check plays nothing and writes nothing, so it needs no lock.
    std::unique_ptr<QLockFile> lock;
    if (!check) {
        lock = vermona::app::lockWorkingDirectory();
        if (!lock) {
            const auto translation = vermona::app::loadLanguage(language);
            vermona::platform::QtPorts ports;
            ports.setLanguage([&] { return translation.get(); });
            ports.messageBox("ヴェルモナは既に起動しています", vermona::kOkOnly, "ヴェルモナ");
            return 1;
        }
    }
    vermona::app::GameApp game;
    vermona::app::useLanguage(game.game(), language);
    if (check) {
        // For packagers and tests: the installed program really starts.
        if (!game.startAndWaitForFirstPaint()) {
            std::cerr << "vermona: no window was painted\n";
            return 1;
        }
        for (vermona::Screen *screen : game.game().screens()) {
            if (screen->visible()) {
                std::cout << screen->id() << ' ' << screen->caption() << '\n';
            }
        }
        return game.failed() ? 1 : 0;
    }
    game.start();
    if (game.game().ended() || game.failed()) {
        return game.failed() ? 1 : 0;
    }
    const int status = QApplication::exec();
    return game.failed() ? 1 : status;
}

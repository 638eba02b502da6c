// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows behave: clicks reach the game through the real widgets,
// windows follow the screens' lives, closing and ending the program, timers,
// placement and message boxes.
#include "app/all_screens.h"
#include "app/data_folder.h"
#include "app/game_app.h"
#include "platform/control_widgets.h"
#include "platform/movie_loader.h"
#include "platform/qt_ports.h"
#include "tests/frontend/frontend_support.h"
#include "tools/script_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vermona::test {
namespace {

void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::string labelText(const Windows &w, const std::string &screen, const std::string &label) {
    return platform::drawnText(w.widget(screen, label)).toStdString();
}

TEST(WindowClicks, NewGameThroughTheRealWidgets) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    QPointer<QWidget> title = w.window("Form1");
    w.click("Form1", "Command1");
    EXPECT_TRUE(title.isNull()); // closed screen, deleted window
    ASSERT_NE(w.window("Form2"), nullptr);
    EXPECT_EQ(w.window("Form2")->windowTitle().toStdString(), "主人公設定");
    for (int i = 0; i < 3; ++i) {
        w.click("Form2", "Command1");
    }
    EXPECT_EQ(labelText(w, "Form2", "Label3"), "力：4");
    for (int i = 0; i < 7; ++i) {
        w.click("Form2", "Command4");
    }
    EXPECT_EQ(w.game.find("Form2"), nullptr);
    EXPECT_EQ(w.window("Form10")->windowTitle().toStdString(), "主人公設定２");
    w.click("Form10", "Command3");
    EXPECT_EQ(labelText(w, "Form3", "Label11"), "1年目");
    EXPECT_EQ(labelText(w, "Form3", "Label12"), "1月1週目");
    EXPECT_EQ(labelText(w, "Form3", "Label18"), "4");
    EXPECT_EQ(labelText(w, "Form3", "Label20"), "8");
    EXPECT_EQ(labelText(w, "Form3", "Label10"), "1000");
    EXPECT_EQ(labelText(w, "Form3", "Label14"), "水");
    EXPECT_EQ(w.frontend.windows().size(), 1U);
}

// Form1's label and button both move on to Form2 and close Form1.
void handOver(Windows &w, int &clicks) {
    w.define("Form1", 0xFFFF00, [&](TestScreen &s) {
        auto next = [&] {
            ++clicks;
            w.game.show("Form2");
            w.game.close("Form1");
        };
        s.label("Label1", "次へ", 0, 0, 1500, 600).onClick(next);
        s.button("Command1", "次へ", 0, 1500, 1500, 600).onClick(next);
    });
    w.define("Form2", 0x00FFFF, [](TestScreen &) {});
}

TEST(WindowClicks, ClicksQueuedOnAClosedScreenAreDropped) {
    for (const char *control : {"Label1", "Command1"}) {
        Windows w;
        int clicks = 0;
        handOver(w, clicks);
        w.game.start(ids::kTitle);
        QPointer<QWidget> widget = w.widget("Form1", control);
        QPointer<QWidget> window = w.window("Form1");
        // A fast double click: the second arrives before the first one's
        // window is gone.
        for (int i = 0; i < 3; ++i) {
            if (auto *b = qobject_cast<QAbstractButton *>(widget.data())) {
                b->click();
            } else {
                Windows::mouseClick(widget);
            }
        }
        EXPECT_EQ(clicks, 1) << control;
        ASSERT_FALSE(window.isNull());
        EXPECT_FALSE(window->isVisible());
        Windows::settle();
        EXPECT_TRUE(window.isNull()) << control;
        EXPECT_NE(w.window("Form2"), nullptr);
    }
}

TEST(WindowClicks, ReleaseOutsideALabelIsNoClick) {
    Windows w;
    int clicks = 0;
    handOver(w, clicks);
    w.game.start(ids::kTitle);
    QWidget *label = w.widget("Form1", "Label1");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(500, 5), label->mapToGlobal(QPointF(500, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &release);
    EXPECT_EQ(clicks, 0);
}

TEST(WindowClicks, AHandlerThatThrowsDoesNotUnwindThroughQt) {
    Windows w;
    w.define("Form1", 0xFFFF00, [](TestScreen &s) {
        s.button("Command1", "", 0, 0, 600, 600).onClick([] { throw std::runtime_error("broken handler"); });
    });
    w.game.start(ids::kTitle);
    qobject_cast<QAbstractButton *>(w.widget("Form1", "Command1"))->click();
    EXPECT_EQ(w.errors, 1);
    EXPECT_THROW(w.frontend.rethrowPendingError(), std::runtime_error);
    EXPECT_FALSE(w.frontend.hasPendingError());
}

TEST(WindowLifecycle, WindowsFollowShowTouchHideAndClose) {
    Windows w;
    w.define("Form1", 0xFFFF00, [](TestScreen &s) { s.label("Label1", "design", 0, 0, 1500, 600); });
    w.define("Form2", 0x00FFFF, [](TestScreen &) {});
    w.game.start(ids::kTitle);
    w.game.touch("Form2");
    ASSERT_NE(w.window("Form2"), nullptr);
    EXPECT_FALSE(w.window("Form2")->isVisible());

    // Hidden and shown again: the same window, run-time captions kept.
    QPointer<platform::ScreenWindow> first = w.window("Form1");
    w.game.find("Form1")->find("Label1")->setCaption("run time");
    w.game.hide("Form1");
    EXPECT_FALSE(first->isVisible());
    w.game.show("Form1");
    EXPECT_EQ(w.window("Form1"), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(labelText(w, "Form1", "Label1"), "run time");

    // Closed and shown again: a new window from the design.
    w.game.close("Form1");
    Windows::settle();
    EXPECT_TRUE(first.isNull());
    w.game.show("Form1");
    EXPECT_EQ(labelText(w, "Form1", "Label1"), "design");
}

TEST(WindowLifecycle, CloseButtonEndsTheProgramWithoutProgressToLose) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    QPointer<QWidget> window = w.window("Form1");
    window->close();
    EXPECT_TRUE(w.game.ended());
    EXPECT_EQ(w.ended, 1);
    EXPECT_TRUE(w.game.screens().empty());
    Windows::settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(w.frontend.windows().empty());
}

TEST(WindowLifecycle, CloseButtonAsksFirstWhenProgressIsUnsaved) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.start(ids::kTitle);
    w.click("Form1", "Command1");
    for (int i = 0; i < 10; ++i) {
        w.click("Form2", "Command2");
    }
    w.click("Form10", "Command2");
    w.ports.boxes.clear();
    w.ports.answers = {kNo};
    w.window("Form3")->close();
    ASSERT_EQ(w.ports.boxes.size(), 1U);
    EXPECT_EQ(w.ports.boxes[0].style, kYesNo | kDefaultNo);
    EXPECT_FALSE(w.game.ended());
    EXPECT_TRUE(w.window("Form3")->isVisible());

    w.ports.answers = {kYes};
    w.window("Form3")->close();
    EXPECT_TRUE(w.game.ended());
    EXPECT_EQ(w.ended, 1);
}

TEST(WindowLifecycle, GameEndClosesEveryWindow) {
    Windows w;
    w.define("Form1", 0xFFFF00, [&](TestScreen &s) {
        s.button("Command1", "", 0, 0, 600, 600).onClick([&] {
            w.game.show("Form2");
            w.game.end();
        });
    });
    w.define("Form2", 0x00FFFF, [](TestScreen &) {});
    w.game.start(ids::kTitle);
    w.click("Form1", "Command1");
    EXPECT_EQ(w.ended, 1);
    EXPECT_TRUE(w.frontend.windows().empty());
}

TEST(WindowTimers, TimerRunsItsHandlerUntilItsScreenCloses) {
    Windows w;
    int ticks = 0;
    int idle = 0;
    w.define("Form1", 0xFFFF00, [&](TestScreen &s) {
        s.timer("Timer1", 10).onTimer([&] {
            if (++ticks == 2) {
                w.game.close("Form1");
            }
        });
        s.timer("Timer2", 10).onTimer([&] { ++idle; }).setEnabled(false);
    });
    w.game.start(ids::kTitle);
    runEventLoop(200);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(idle, 0);
    EXPECT_EQ(w.game.find("Form1"), nullptr);
}

TEST(WindowPlacement, NextScreenOpensCentredOnTheOneItReplaces) {
    Windows w;
    int clicks = 0;
    handOver(w, clicks);
    w.game.start(ids::kTitle);
    const QRect first = w.window("Form1")->geometry();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((first.center() - screenCentre).manhattanLength(), 2);
    w.click("Form1", "Command1");
    EXPECT_LE((w.window("Form2")->geometry().center() - first.center()).manhattanLength(), 2);
}

TEST(MessageBoxes, JapaneseButtonsNoIconAndTheDesignCodes) {
    Windows w;
    w.define("Form1", 0xFFFF00, [](TestScreen &) {});
    w.game.start(ids::kTitle);
    platform::QtPorts ports;
    ports.setDialogParent([&] { return w.frontend.dialogParent(); });

    struct Seen {
        std::string title, text;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::Information;
        QWidget *parent = nullptr;
    } seen;
    auto answer = [&](QMessageBox::StandardButton pick) {
        QTimer::singleShot(0, [&seen, pick] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle().toStdString();
            seen.text = box->text().toStdString();
            seen.icon = box->icon();
            seen.parent = box->parentWidget();
            seen.buttons.clear();
            for (QAbstractButton *b : box->buttons()) {
                seen.buttons << b->text();
            }
            box->button(pick)->click();
        });
    };

    answer(QMessageBox::No);
    EXPECT_EQ(ports.messageBox("買いますか？", kYesNo, "武器屋"), kNo);
    EXPECT_EQ(seen.title, "武器屋");
    EXPECT_EQ(seen.text, "買いますか？");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.parent, w.window("Form1"));
    ASSERT_EQ(seen.buttons.size(), 2);
    EXPECT_TRUE(seen.buttons.join(' ').contains(QStringLiteral("はい")))
        << seen.buttons.join(' ').toStdString();
    EXPECT_TRUE(seen.buttons.join(' ').contains(QStringLiteral("いいえ")));

    answer(QMessageBox::Yes);
    EXPECT_EQ(ports.messageBox("買いますか？", kYesNo, "武器屋"), kYes);

    answer(QMessageBox::Ok);
    EXPECT_EQ(ports.messageBox("<b>力</b>が２ポイントアップ！", kOkOnly, "ヴェルモナ結果"), kOk);
    EXPECT_EQ(seen.text, "<b>力</b>が２ポイントアップ！");
    ASSERT_EQ(seen.buttons.size(), 1);
    EXPECT_EQ(seen.buttons.front().toStdString(), "OK");
}

TEST(StartUp, TheRealProgramPaintsItsTitleScreen) {
    app::GameApp app;
    ASSERT_TRUE(app.startAndWaitForFirstPaint());
    ASSERT_NE(app.game().find("Form1"), nullptr);
    platform::ScreenWindow *window = app.frontend().windowFor(*app.game().find("Form1"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(app.failed());
}

// The multimedia libraries come with the first screen that shows a movie,
// not with the start.
TEST(StartUp, TheMoviePlayerLoadsWithTheFirstMovieOnly) {
    const bool loadedBefore = platform::movieModuleLoaded();
    {
        app::GameApp app;
        ASSERT_TRUE(app.startAndWaitForFirstPaint());
        EXPECT_EQ(platform::movieModuleLoaded(), loadedBefore);
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString video = dir.filePath("clip.avi");
    QFile(video).open(QIODevice::WriteOnly);
    Windows w;
    w.define("Form1", 0x000000,
             [&](TestScreen &s) { s.movie("ActiveMovie1", video.toStdString(), 0, 0, 1500, 1500); });
    w.game.start(ids::kTitle);
    EXPECT_TRUE(platform::movieModuleLoaded());
    QWidget *view = w.widget("Form1", "ActiveMovie1");
    ASSERT_NE(view, nullptr);
    EXPECT_NE(view->findChild<QObject *>(), nullptr) << "a player, not an empty area";
    EXPECT_EQ(view->size(), QSize(100, 100));
}

// Leaving the game the normal way (the close confirmed) takes the resume
// point with it; nothing is left to resume.
TEST(StartUp, AConfirmedCloseLeavesNothingToResume) {
    WorkDir dir;
    app::GameApp app;
    app.start();
    Windows::settle();
    auto click = [&](const char *screen, const char *control) {
        Control *c = app.game().find(screen)->find(control);
        qobject_cast<QAbstractButton *>(app.frontend().windowFor(c->owner())->widgetFor(*c))->click();
    };
    click("Form1", "Command1");
    for (int i = 0; i < 10; ++i) {
        click("Form2", "Command1");
    }
    click("Form10", "Command2");
    ASSERT_TRUE(QFileInfo::exists("resume.sav"));
    // The quit question (unsaved progress): Yes.
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        box->button(QMessageBox::Yes)->click();
    });
    app.frontend().windowFor(*app.game().find("Form3"))->close();
    EXPECT_TRUE(app.game().ended());
    EXPECT_FALSE(QFileInfo::exists("resume.sav"));
    EXPECT_FALSE(QFileInfo::exists("resume_record.csv"));
}

// The desktop ties the windows to the menu entry and shows the game's icon;
// QSettings and QStandardPaths use the game's names, while the data folder
// stays where the saves have always been.
TEST(StartUp, TheProgramCarriesItsNamesAndIcon) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.vermona.Vermona"));
    EXPECT_FALSE(QApplication::windowIcon().availableSizes().isEmpty());
    EXPECT_EQ(QApplication::windowIcon().pixmap(32).size(), QSize(32, 32)); // decoded when asked for
    EXPECT_EQ(QCoreApplication::organizationDomain(), QStringLiteral("vermona.org"));
    EXPECT_FALSE(QCoreApplication::applicationVersion().isEmpty());
    EXPECT_TRUE(QSettings().fileName().endsWith(QStringLiteral("/vermona/vermona.conf")));
    EXPECT_EQ(app::userDataFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/vermona");
}

// One game per folder; the lock of a game that died is no obstacle.
TEST(FolderLock, ARunningGameKeepsItsFolderAndADeadOnesLockIsTakenOver) {
    WorkDir dir;
    {
        const auto mine = app::lockWorkingDirectory();
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(app::lockWorkingDirectory(), nullptr) << "held by a running game";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile held(QStringLiteral("vermona.lock"));
        held.setStaleLockTime(0);
        ::_exit(held.tryLock(0) ? 0 : 1); // dies holding it
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFileInfo::exists("vermona.lock"));
    EXPECT_NE(app::lockWorkingDirectory(), nullptr);
}

TEST(ScriptWindows, ScriptClicksAndShotsUseTheWindows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string shot = QDir(dir.path()).filePath("form2.png").toStdString();
    std::ostringstream out;
    script::ScriptHost host(out);
    platform::Frontend frontend(host.game());
    script::QtScriptWindows windows(frontend);
    host.setWindows(&windows);
    std::istringstream script(
        "click Form1.Command1\nclick Form2.Command5\ncaption Form2.Label8\nwait 10\nshot Form2 " + shot +
        "\nshot Form2 " + dir.path().toStdString() + "/missing/x.png\n");
    EXPECT_EQ(host.run(script), 1);
    EXPECT_EQ(out.str(), "Form2.Label8 = \"魔力：2\"\nerror: line 6: cannot write " +
                             dir.path().toStdString() + "/missing/x.png\n");
    const QImage image(QString::fromStdString(shot));
    EXPECT_EQ(image.size(), QSize(428, 304));
    EXPECT_EQ(rgbAt(image, 2, 2), "#FFFF00");
    host.setWindows(nullptr);
}

} // namespace
} // namespace vermona::test

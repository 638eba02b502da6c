// SPDX-License-Identifier: GPL-3.0-or-later
// The script host's language: what it prints and where it stops.
#include "data/game_screen.h"
#include "tests/test_support.h"
#include "tools/script_host.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vermona {
namespace {

using test::runScript;

// Each script in a folder of its own: the game keeps files where it runs.
struct ScriptHostTest : ::testing::Test {
    test::WorkDir dir;
};

TEST_F(ScriptHostTest, NewGameReachesTheMenu) {
    std::string out =
        runScript("random 0.5 0.5\n" + test::newGameScript() +
                  "screens\ncaption Form3.Label12\ncaption Form3.Label18\nget strength\nget entrants\n");
    EXPECT_EQ(out, "screens: Form3\n"
                   "Form3.Label12 = \"1月1週目\"\n"
                   "Form3.Label18 = \"11\"\n"
                   "strength = 11\n"
                   "entrants = \n"
                   "exit 0\n");
}

TEST_F(ScriptHostTest, RandomQueueFeedsTheDrawsInOrder) {
    std::string out = runScript("random 0.0\nclick Form1.Command1\nget daysToTournament\n"
                                "random 0.9999\nset daysToTournament -1\n");
    EXPECT_EQ(out, "daysToTournament = 15\nexit 0\n");
}

TEST_F(ScriptHostTest, SetAndGetHandleEmptyAndUnknown) {
    EXPECT_EQ(runScript("set money 5\nget money\nset money empty\nget money\n"),
              "money = 5\nmoney = \nexit 0\n");
    EXPECT_EQ(runScript("get nothing\n"), "error: line 1: unknown variable nothing\nexit 1\n");
    EXPECT_EQ(runScript("set money lots\n"),
              "error: line 1: set needs a whole number or empty, got \"lots\"\nexit 1\n");
}

TEST_F(ScriptHostTest, ErrorsNameTheLineAndStopTheScript) {
    EXPECT_EQ(runScript("# comment\n\nclick Form2.Command1\nget money\n"),
              "error: line 3: Form2 does not exist\nexit 1\n");
    EXPECT_EQ(runScript("click Form99.Command1\n"), "error: line 1: unknown screen Form99\nexit 1\n");
    EXPECT_EQ(runScript("click Form1.Command9\n"), "error: line 1: no control Command9 on Form1\nexit 1\n");
    EXPECT_EQ(runScript("jump\n"), "error: line 1: unknown command \"jump\"\nexit 1\n");
    EXPECT_EQ(runScript("random 1.0\n"), "error: line 1: random needs 0 <= R < 1, got \"1.0\"\nexit 1\n");
    EXPECT_EQ(runScript("answer 5\n"), "error: line 1: answer code must be 6 or 7, got \"5\"\nexit 1\n");
    EXPECT_EQ(runScript("click Form1\n"), "error: line 1: expected FORM.CONTROL, got \"Form1\"\nexit 1\n");
    EXPECT_EQ(runScript("shot Form1 x.png\n"), "error: line 1: shot needs --windows\nexit 1\n");
}

TEST_F(ScriptHostTest, CaptionNeverCreatesAScreen) {
    EXPECT_EQ(runScript("caption Form3.Label1\nscreens\n"), "error: line 1: Form3 does not exist\nexit 1\n");
    EXPECT_EQ(runScript("caption Form1.Label1\nvisible Form1.Command1\nscreens\n"),
              "Form1.Label1 = \"ヴェルモナシュミレーションゲーム\"\nForm1.Command1 visible\nscreens: "
              "Form1\nexit 0\n");
}

TEST_F(ScriptHostTest, ShowOpensAScreenAsTheGameDoes) {
    // The movie screen, which no button opens: created with its load, shown,
    // and its timer counted from then.
    EXPECT_EQ(runScript("show Form19\nscreens\nwait 3000\nscreens\n"),
              "screens: Form1 Form19\nscreens: Form1 Form3\nexit 0\n");
    EXPECT_EQ(runScript("show Form99\n"), "error: line 1: unknown screen Form99\nexit 1\n");
}

// Every printed text is one transcript line, whatever it holds.
TEST_F(ScriptHostTest, TextsAreEscapedToOneLine) {
    std::ostringstream out;
    script::ScriptHost host(out);
    host.game().control("Form1", "Label1").setCaption("say \"hi\"\\\nbye");
    std::istringstream script("caption Form1.Label1\nset msgText a \"b\" \\ c\nget msgText\n");
    EXPECT_EQ(host.run(script), 0);
    EXPECT_EQ(out.str(), "Form1.Label1 = \"say \\\"hi\\\"\\\\\\nbye\"\n"
                         "msgText = a \\\"b\\\" \\\\ c\n");
}

// A handler that asks for a screen nobody registered stops the script on the
// line that clicked it.
TEST_F(ScriptHostTest, AnUnregisteredScreenFailsTheScript) {
    struct Asker : Screen {
        explicit Asker(Game &g) : Screen(g, "Probe", "", 10, 10, 0) {
            Command1.onClick([this] { game_.show("Form99"); });
        }
        Control &Command1 = button("Command1", "", 0, 0, 1, 1);
    };
    std::ostringstream out;
    script::ScriptHost host(out);
    host.game().registerScreen("Probe", [](Game &g) { return std::make_unique<Asker>(g); });
    std::istringstream script("show Probe\nclick Probe.Command1\n");
    EXPECT_EQ(host.run(script), 1);
    EXPECT_EQ(out.str(), "error: line 2: a handler asked for Form99, which no screen registered\n");
}

} // namespace
} // namespace vermona

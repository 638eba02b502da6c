// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament's texts in another language: each message is one wording
// with its numbers, full-width digits become ordinary ones, and names from
// the name file are shown as they are.
#include "tests/tournament_test_support.h"

#include <map>

namespace vermona {
namespace {

class English : public Translation {
public:
    [[nodiscard]] std::optional<std::string> find(std::string_view japanese) const override {
        const auto it = kWords.find(std::string(japanese));
        return it == kWords.end() ? std::nullopt : std::optional(it->second);
    }

private:
    inline static const std::map<std::string, std::string> kWords{
        {"主人公の攻撃！敵に%1のダメージ▼", "You strike for %1▼"},
        {"敵の攻撃！%1のダメージ", "The enemy strikes for %1"},
        {"主人公は魔法を唱えた！%1回復", "You cast a spell: %1 HP back"},
        {"参加者%1", "Entrant %1"},
        {"一", "must stay as the file has it"},
    };
};

struct TournamentTextsTest : test::TournamentTest {
    [[nodiscard]] std::string english(std::string_view screen, std::string_view name, int index = -1) const {
        return control(screen, name, index).captionText().in(&language);
    }
    English language;
};

TEST_F(TournamentTextsTest, TableNamesAndColumnsReadInTheLanguage) {
    test::writeFile("name.txt", "一,二");
    enterTable({1, 3});
    const struct {
        const char *name;
        int index;
        const char *shown;
    } cases[] = {
        {"Label5", 0, "一"},
        {"Label6", 0, "Entrant 3"},
        {"Label3", -1, "1"},
        {"Label5", 4, "2"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(english("Form22", c.name, c.index), c.shown) << c.name << "(" << c.index << ")";
    }
    open("Form7");
    EXPECT_EQ(english("Form7", "Label14", 1), "20");
}

TEST_F(TournamentTextsTest, BattleMessagesAreWholeWordingsAndAreReadOut) {
    s.intellect = 3;
    s.magicPower = 100;
    s.healMagicLevel = 1;
    enterTable({3});
    click("Form22", "Command1");
    // The hero's blow, the answer (full-width in Japanese), then a heal.
    click("Form25", "Command1");
    EXPECT_TRUE(control("Form26", "Label1").design().announce);
    EXPECT_EQ(english("Form26", "Label1"), "You strike for 1▼");
    click("Form26", "Label1");
    EXPECT_EQ(caption("Form26", "Label1"), "敵の攻撃！１のダメージ");
    EXPECT_EQ(english("Form26", "Label1"), "The enemy strikes for 1");
    click("Form26", "Label1");
    click("Form25", "Command2");
    click("Form7", "Label15", 0);
    EXPECT_EQ(control("Form26", "Label1").captionText().sources(),
              std::vector<std::string>{"主人公は魔法を唱えた！%1回復"});
    EXPECT_EQ(english("Form26", "Label1"), "You cast a spell: 8 HP back");
}

} // namespace
} // namespace vermona

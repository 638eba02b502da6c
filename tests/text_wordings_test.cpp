// SPDX-License-Identifier: GPL-3.0-or-later
// Texts in another language beyond one wording each: the same Japanese in
// two senses, plural forms for a count, and one sentence spread over the
// labels of a group, while the Japanese reads exactly as made.
#include "tests/game_driver.h"

#include <gtest/gtest.h>
#include <map>

namespace vermona {
namespace {

// English as a catalogue has it: a wording by its sense, and a counting
// wording in its singular and plural forms.
class English : public Translation {
public:
    [[nodiscard]] std::optional<std::string> find(std::string_view japanese) const override {
        return findWording(Wording{japanese, {}, std::nullopt});
    }
    [[nodiscard]] std::optional<std::string> findWording(const Wording &w) const override {
        const auto it = kWords.find({std::string(w.japanese), std::string(w.sense)});
        if (it == kWords.end()) {
            return std::nullopt;
        }
        return w.count == 1 ? it->second.first : it->second.second;
    }

private:
    inline static const std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>>
        kWords{
            {{"攻撃力", ""}, {"Attack", "Attack"}},
            {{"攻撃力", "menu"}, {"Strength", "Strength"}},
            {{"次回開催は|%n|日後です。", ""}, {"Starts in|%n|week.", "Starts in|%n|weeks."}},
            {{"次回開催は|%n|日後です。", "today"}, {"The tournament|is|today.", "The tournament|is|today."}},
        };
};

TEST(TextWordings, SensesCountsAndPartsReadInTheLanguageAndJapaneseStaysAsMade) {
    const English english;
    const Text countdown("次回開催は|%n|日後です。");
    const struct {
        Text text;
        const char *japanese;
        const char *shown;
    } cases[] = {
        {"攻撃力", "攻撃力", "Attack"},
        {Text::meaning("攻撃力", "menu"), "攻撃力", "Strength"},
        {Text(countdown).count(12).part(0), "次回開催は", "Starts in"},
        {Text(countdown).count(12).part(1), "12", "12"},
        {Text(countdown).count(12).part(2), "日後です。", "weeks."},
        {Text(countdown).count(1).part(2), "日後です。", "week."},
        {Text::meaning("次回開催は|%n|日後です。", "today").count(0).part(1), "0", "is"},
        {Text(countdown).count(Var()).part(1), "", ""},
        {Text(countdown).count(3), "次回開催は|3|日後です。", "Starts in|3|weeks."},
        {Text(countdown).count(3).part(7), "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.text.japanese(), c.japanese);
        EXPECT_EQ(c.text.in(&english), c.shown) << c.japanese;
    }
}

// A caption that reads the same in Japanese but not in every language (a
// new count, another sense) still reaches whoever draws it.
TEST(TextWordings, ACaptionMadeAnotherWayIsAChange) {
    struct Counter : ScreenObserver {
        void controlChanged(Control & /*control*/) override { ++changes; }
        int changes = 0;
    } counter;
    test::GameDriver d;
    d.open("Form20");
    Control &label = d.control("Form20", "Label3");
    d.game.addObserver(&counter);
    label.setCaption(Text("次回開催は|%n|日後です。").count(2).part(2));
    label.setCaption(Text("次回開催は|%n|日後です。").count(1).part(2));
    label.setCaption(Text::meaning("次回開催は|%n|日後です。", "today").count(1).part(2));
    label.setCaption(Text::meaning("次回開催は|%n|日後です。", "today").count(1).part(2));
    d.game.removeObserver(&counter);
    EXPECT_EQ(label.caption(), "日後です。");
    EXPECT_EQ(counter.changes, 3);
}

} // namespace
} // namespace vermona

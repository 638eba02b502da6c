// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's keeper: the wordings it finds in the sources, with their
// senses and plurals, and the faults its check finds in a translation,
// those against the glossary included.
#include "tests/test_support.h"
#include "tools/texts_catalogue.h"

#include <gtest/gtest.h>

namespace vermona::texts {
namespace {

TEST(TextsCatalogue, FindsEachWordingWithItsSense) {
    const std::vector<Message> found = scanSource(R"code(
        label("Label2", Text::meaning("攻撃力", "menu"), 3360);
        button("Command1", Text::meaning("back", "spell list"), 2640);
        QT_TRANSLATE_NOOP3("vermona", "防御力", "");
        translate("vermona", "攻撃力", "menu");
        child("save", "セーブ(S)", "Ctrl+S", handler);
        Text("次回開催は|%n|日後です。").count(days);
        Text::verbatim("日本語");
        // kept in Japanese: a font name
        "麗流隷書";
    )code");
    const std::vector<Message> expected{
        {"攻撃力", "menu"}, {"back", "spell list"},           {"防御力", ""},
        {"セーブ(S)", ""},  {"次回開催は|%n|日後です。", ""},
    };
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(found[4].counts());
}

// A catalogue of a few wordings against a glossary of a few terms.
TEST(TextsCatalogue, CheckFindsWhatATranslatorGotWrong) {
    test::WorkDir dir;
    test::writeFile("glossary.md", R"md(# Glossary of a test
## Glossary
| Japanese | Sense | English | Notes |
|---|---|---|---|
| 力 | | Strength | |
| 強力 | | — | not 力 |
| 攻撃力 | menu | Strength | |
| 攻撃力 | | Attack | |
| 戻る | alone | Back | |
| 水 | | Water | |
## After the glossary
| 水 | | Aqua | not read |
)md");
    std::string error;
    const std::vector<Term> glossary = readGlossary("glossary.md", error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(glossary.size(), 6U);
    const struct {
        Message message;
        std::string translation; // forms divided by '#'
        std::string fault;       // how the fault begins; empty for none
    } cases[] = {
        {{"攻撃力", "menu"}, "Strength", ""},
        {{"攻撃力", "menu"}, "Attack", "glossary: 攻撃力 (menu) is \"Strength\""},
        {{"攻撃力", ""}, "attack", ""},
        {{"力が２ポイントアップ！", ""}, "Strength up 2 points!", ""},
        {{"力が２ポイントアップ！", ""}, "Power up 2 points!", "glossary: 力 is \"Strength\""},
        {{"より強力な水で攻撃", ""}, "Hits with fiercer water", ""},
        {{"戻るまで待つ", ""}, "Wait until it returns", ""},
        {{"戻る", ""}, "Return", "glossary: 戻る (alone) is \"Back\""},
        {{"水", ""}, "水", "still Japanese"},
        {{"%1行目", ""}, "Line", "numbers differ"},
        {{"次回開催は|%n|日後です。", ""}, "Starts in|%n|week.#Starts in %n weeks.", "parts (|) differ"},
        {{"次回開催は|%n|日後です。", ""}, "Starts in|%n|week.#", "no English yet"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.source + " -> " + c.translation);
        std::string forms;
        for (std::size_t at = 0, next = 0; at <= c.translation.size(); at = next + 1) {
            next = std::min(c.translation.find('#', at), c.translation.size());
            forms += "<numerusform>" + c.translation.substr(at, next - at) + "</numerusform>";
        }
        test::writeFile("c.ts",
                        "<TS><context><name>vermona</name><message" +
                            std::string(c.message.counts() ? " numerus=\"yes\"" : "") + "><source>" +
                            c.message.source + "</source>" +
                            (c.message.sense.empty() ? "" : "<comment>" + c.message.sense + "</comment>") +
                            "<translation>" + (c.message.counts() ? forms : c.translation) +
                            "</translation></message></context></TS>");
        const std::vector<std::string> faults = checkCatalogue("c.ts", {c.message}, glossary);
        if (c.fault.empty()) {
            EXPECT_TRUE(faults.empty()) << faults.front();
        } else {
            ASSERT_FALSE(faults.empty());
            EXPECT_TRUE(faults.front().starts_with(c.fault)) << faults.front();
        }
    }
}

} // namespace
} // namespace vermona::texts

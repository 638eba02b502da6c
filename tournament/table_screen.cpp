// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "data/hero_values.h"
#include "tournament/entrant_names.h"
#include "tournament/round_robin.h"
#include "tournament/tournament_screens.h"

#include <array>
#include <string>
#include <vector>

namespace vermona {

namespace {

constexpr Rgb kHeader = 0xC0E0FF;
constexpr Rgb kCell = 0xFFFFFF;

// Where row r and column c (both 1..8) of the cross table lie.
constexpr int rowTop(int r) { return 1560 + 360 * (r - 1); }
constexpr int columnLeft(int c) { return 1440 + 600 * (c - 1); }
constexpr int kHeaderTop = 1200;
constexpr int kHeaderLeft = 360;
constexpr int kCellWidth = 615;
constexpr int kCellHeight = 375;
constexpr int kHeaderWidth = 1095;

// Column headers 1 to 8, full-width where the language writes them so.
Text columnNumber(int c) { return Text("%1").fullWidthArg(c); }

// What names an entrant the file does not name: its place.
Text placeholderName(Var::Int i) { return Text("参加者%1").arg(i); }

class TableScreen : public GameScreen {
public:
    explicit TableScreen(Game &g) : GameScreen(g, ids::kTable, "大会", 6615, 5520, kFormFace) {
        setReaderDescription("対戦表");
        readAsTable();
    }

    // clang-format off
    Control &Label1 = label("Label1", "総当たりで行います。以下の表の通りです。", 360, 600, 5895, 375).points(12);
    // The corner, the hero's column and row headers, and his diagonal cell.
    Control &Label2_0 = cell(label(ids::table::kCorner, "", kHeaderLeft, kHeaderTop, kHeaderWidth, kCellHeight), kHeader);
    Control &Label3 = cell(label("Label3", columnNumber(1), columnLeft(1), kHeaderTop, kCellWidth, kCellHeight), kHeader);
    Control &Label4 = cell(label("Label4", "主人公", kHeaderLeft, rowTop(1), kHeaderWidth, kCellHeight), kHeader)
        .align(Align::Left);
    Control &Label2_1 = cell(label(ids::table::kHeroDiagonal, "", columnLeft(1), rowTop(1), kCellWidth, kCellHeight), kCell);
    // Entrant j owns a control array (ids::table::entrantCell): its row
    // header, its row up to the diagonal, its column above the diagonal and
    // its column header.
    std::array<std::vector<Control *>, kMaxEntrants + 1> entrantLabels = buildEntrantLabels();
    Control &Line1 = line("Line1", kHeaderLeft, kHeaderTop, kHeaderLeft + kHeaderWidth, kHeaderTop + kCellHeight);
    std::array<Control *, kMaxEntrants + 1> diagonalLines = buildDiagonalLines();
    Control &Command1 = button(ids::table::kMatch, "試合", 2760, 4800, 1095, 495).points(12).onClick([this] { Command1_Click(); });
    // clang-format on

    void Form_Load() override {
        const int n = fieldSize(s);
        for (int i = 1; i <= n; ++i) {
            s.entrantTypes.set(i, game_.roll(8, 1));
        }
        readNames();
        for (int j = 1; j <= n; ++j) {
            entrantLabels[j][0]->setCaption(shownName(s.entrantTypes.get(j)));
        }
        for (int j = 2; j <= kMaxEntrants; ++j) {
            if (j > n) {
                for (Control *c : entrantLabels[j]) {
                    c->setVisible(false);
                }
                diagonalLines[j]->setVisible(false);
            }
        }
    }

    void Command1_Click() {
        setHeroMatchValues(s);
        s.matchRound += 1;
        const Var::Int r = s.matchRound;
        if (const Var type = s.entrantTypes.get(r); !type.empty()) {
            const EntrantType values = entrantType(type);
            s.enemyAttack.set(r, values.attack);
            s.enemyDefense.set(r, values.defense);
            s.enemyStamina.set(r, values.stamina);
        }
        // No second match while this one's result is open.
        Command1.setEnabled(false);
        if (r == heroByeRound(fieldSize(s))) {
            game_.show(ids::kResult);
            game_.control(ids::result::kHeadline).setVisible(false);
            game_.control(ids::result::kRemark).setCaption("COM戦終了");
            return;
        }
        game_.show(ids::kBattle);
        game_.hide(ids::kTable);
    }

private:
    // A boxed, centred cell of the table; headers and results differ only
    // in their colour.
    static Control &cell(Control &c, Rgb colour) {
        return c.background(colour).border().centred().points(12);
    }

    // Player a's row: its header, then its result against each player b.
    void readAsTable() {
        ReaderTable table;
        for (int a = 0; a <= kMaxEntrants; ++a) {
            std::vector<const Control *> row{a == 0 ? &Label4
                                                    : entrantLabels[static_cast<std::size_t>(a)][0]};
            for (int b = 0; b <= kMaxEntrants; ++b) {
                const CellRef ref = cellOf(a, b);
                row.push_back(find(ref));
            }
            table.rows.push_back(std::move(row));
        }
        setReaderTable(std::move(table));
    }

    std::array<std::vector<Control *>, kMaxEntrants + 1> buildEntrantLabels() {
        std::array<std::vector<Control *>, kMaxEntrants + 1> all;
        for (int j = 1; j <= kMaxEntrants; ++j) {
            const int top = rowTop(j + 1);
            const int left = columnLeft(j + 1);
            std::vector<Control *> &own = all[j];
            auto addCell = [&](int index, const Text &caption, int x, int y, Rgb colour) {
                own.push_back(
                    &cell(label(ids::table::entrantCell(j, index), caption, x, y, kCellWidth, kCellHeight),
                          colour));
            };
            own.push_back(
                &cell(label(ids::table::entrantCell(j, 0), "", kHeaderLeft, top, kHeaderWidth, kCellHeight),
                      kHeader)
                     .align(Align::Left));
            for (int c = 1; c <= j + 1; ++c) {
                addCell(c, "", columnLeft(c), top, kCell);
            }
            for (int m = 1; m <= j; ++m) {
                addCell(j + 1 + m, "", left, rowTop(j + 1 - m), kCell);
            }
            addCell(2 * j + 2, columnNumber(j + 1), left, kHeaderTop, kHeader);
        }
        return all;
    }

    // Line(j + 1) strikes through entrant j's diagonal cell.
    std::array<Control *, kMaxEntrants + 1> buildDiagonalLines() {
        std::array<Control *, kMaxEntrants + 1> all{};
        for (int j = 1; j <= kMaxEntrants; ++j) {
            const int left = columnLeft(j + 1);
            const int top = rowTop(j + 1);
            all[j] = &line("Line" + std::to_string(j + 1), left, top, left + kCellWidth, top + kCellHeight);
        }
        return all;
    }

    // Every table reads the file afresh. A name the file does not give is
    // named by its place, and the player is told once.
    void readNames() {
        const auto names = readEntrantNameFile(kNameFileName);
        bool missing = false;
        for (int i = 1; i <= kNameCount; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            if (names && k < names->size() && !(*names)[k].empty()) {
                s.entrantNames.set(i, (*names)[k]);
            } else {
                s.entrantNames.set(i, placeholderName(i).japanese());
                missing = true;
            }
        }
        const Text file = Text::verbatim(kNameFileName);
        if (!names) {
            game_.msgBox(Text("%1が読めないため、参加者の名前は仮の名前になります").arg(file), kOkOnly,
                         "大会");
        } else if (missing) {
            game_.msgBox(
                Text("%1の名前が%2人分ないため、足りない名前は仮の名前になります").arg(file).arg(kNameCount),
                kOkOnly, "大会");
        }
    }

    // Entrant type i's name as the table shows it: a name from the file as
    // it is, a placeholder in the player's language.
    [[nodiscard]] Text shownName(Var::Int i) const {
        const std::string name = s.entrantNames.get(i).value_or("");
        const Text placeholder = placeholderName(i);
        return name == placeholder.japanese() ? placeholder : Text::verbatim(name);
    }
};

} // namespace

std::unique_ptr<Screen> makeTableScreen(Game &game) { return std::make_unique<TableScreen>(game); }

} // namespace vermona

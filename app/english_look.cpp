// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/english_look.h"

#include "data/game_screen.h"

namespace vermona::app {

platform::LanguageLook englishLook() {
    platform::LanguageLook look;
    // clang-format off
    look.layout = {
        // The title's green band, a little wider for the longer name.
        {.screen = "Form1", .control = "Label1", .left = 120, .width = 5655},
        // Hero set-up: the six buttons wide enough for "Strength", spread
        // over the same row; the ability labels wider for "Strength: 11".
        {.screen = "Form2", .control = "Label2", .left = 240, .width = 5940},
        {.screen = "Form2", .control = "Command1", .left = 375, .width = 870},
        {.screen = "Form2", .control = "Command2", .left = 1335, .width = 870},
        {.screen = "Form2", .control = "Command3", .left = 2295, .width = 870},
        {.screen = "Form2", .control = "Command4", .left = 3255, .width = 870},
        {.screen = "Form2", .control = "Command6", .left = 4215, .width = 870},
        {.screen = "Form2", .control = "Command5", .left = 5175, .width = 870},
        {.screen = "Form2", .control = "Label3", .width = 1905},
        {.screen = "Form2", .control = "Label4", .width = 1905},
        {.screen = "Form2", .control = "Label5", .width = 1905},
        {.screen = "Form2", .control = "Label6", .width = 1905},
        {.screen = "Form2", .control = "Label7", .width = 1905},
        {.screen = "Form2", .control = "Label8", .width = 1905},
        {.screen = "Form10", .control = "Label1", .left = 1200, .width = 3855},
        // Main menu: the status panel's names a little smaller, with the room
        // from the panel's edge to the values; the element's name is set
        // smaller so "Thunder" stays inside the panel.
        {.screen = "Form3", .control = "Command2", .left = 900, .width = 1575},
        {.screen = "Form3", .control = "Command3", .left = 900, .width = 1575},
        {.screen = "Form3", .control = "Command4", .left = 900, .width = 1575},
        {.screen = "Form3", .control = "Label2", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label3", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label4", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label5", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label6", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label7", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label16", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label13", .left = 3285, .width = 915, .points = 10.5},
        {.screen = "Form3", .control = "Label14", .width = 900, .points = 12},
        // Schedule: the middle columns' buttons hold "Guard duty" and "Clock repair".
        {.screen = "Form4", .control = "Command7", .width = 1155},
        {.screen = "Form4", .control = "Command8", .width = 1155},
        {.screen = "Form4", .control = "Command9", .width = 1155},
        {.screen = "Form4", .control = "Command10", .width = 1155},
        {.screen = "Form4", .control = "Command11", .width = 1155},
        {.screen = "Form4", .control = "Command12", .width = 1155},
        {.screen = "Form6", .control = "Label1", .left = 540, .width = 3660},
        {.screen = "Form9", .control = "Label1", .left = 960, .width = 2415},
        // Support magic: "Defence up/down" tells what the school does.
        {.screen = "Form11", .control = "Command1", .width = 1695},
        {.screen = "Form11", .control = "Command2", .width = 1695},
        {.screen = "Form11", .control = "Command3", .width = 1695},
        {.screen = "Form11", .control = "Command4", .width = 1695},
        // Town: the two shops without a sign in one size.
        {.screen = "Form12", .control = "Command3", .points = 12},
        {.screen = "Form12", .control = "Command4", .points = 12},
        {.screen = "Form13", .control = "Label1", .left = 600, .width = 2400, .points = 14.25},
        // Armour list: the columns shift left so "Defence" has its room.
        {.screen = "Form14", .control = "Label1", .left = 240, .width = 4320, .points = 14.25},
        {.screen = "Form14", .control = "Label2", .left = 240, .width = 2040},
        {.screen = "Form14", .control = "Label3", .index = 0, .left = 2280, .width = 1170},
        {.screen = "Form14", .control = "Label3", .index = 1, .left = 3450},
        {.screen = "Form14", .control = "Label4", .index = 0, .left = 240, .width = 2040},
        {.screen = "Form14", .control = "Label4", .index = 1, .left = 2280, .width = 1170},
        {.screen = "Form14", .control = "Label4", .index = 2, .left = 3450},
        {.screen = "Form14", .control = "Label5", .index = 0, .left = 240, .width = 2040},
        {.screen = "Form14", .control = "Label5", .index = 1, .left = 2280, .width = 1170},
        {.screen = "Form14", .control = "Label5", .index = 2, .left = 3450},
        {.screen = "Form14", .control = "Label6", .index = 0, .left = 240, .width = 2040},
        {.screen = "Form14", .control = "Label6", .index = 1, .left = 2280, .width = 1170},
        {.screen = "Form14", .control = "Label6", .index = 2, .left = 3450},
        {.screen = "Form15", .control = "Label7", .width = 975},
        {.screen = "Form16", .control = "Label1", .width = 1560},
        {.screen = "Form16", .control = "Label2", .width = 1005},
        {.screen = "Form17", .control = "Label4", .width = 735},
        {.screen = "Form18", .control = "Label1", .left = 1080, .width = 2535},
        // The countdown and the count of entrants read as one sentence:
        // the words before the number end at it, the number stands in the
        // middle, the words after it follow.
        {.screen = "Form20", .control = "Label1", .left = 120, .width = 2190, .points = 14.25, .align = Align::Right},
        {.screen = "Form20", .control = "Label2", .left = 2310, .width = 495, .points = 14.25, .align = Align::Center},
        {.screen = "Form20", .control = "Label3", .left = 2805, .points = 14.25},
        {.screen = "Form20", .control = "Command2", .left = 1620, .width = 1935},
        {.screen = "Form21", .control = "Label1", .align = Align::Right},
        {.screen = "Form21", .control = "Label3", .width = 375, .align = Align::Center},
        {.screen = "Form21", .control = "Label2", .left = 2535, .width = 2025},
        {.screen = "Form21", .control = "Command2", .width = 1695},
        {.screen = "Form23", .control = "Label1", .left = 1035, .width = 2895},
        {.screen = "Form23", .control = "Label4", .left = 2100, .width = 735},
        {.screen = "Form24", .control = "Label1", .left = 420, .width = 3840},
        {.screen = "Form24", .control = "Label2", .width = 600},
        {.screen = "Form24", .control = "Label5", .width = 1695},
        {.screen = "Form27", .control = "Label1", .left = 1560, .width = 1215},
        {.screen = "Form27", .control = "Label2", .left = 480, .width = 3735},
    };
    // clang-format on
    // The brush face's Latin letters are a thin fixed-width fallback; the
    // set-up's heading reads as a heading in a bold sans.
    look.faces = {{kReisho, "DejaVu Sans", true}};
    return look;
}

} // namespace vermona::app

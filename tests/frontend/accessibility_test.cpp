// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a screen reader finds them: what each control is, its name
// and description, pressing it, and labels telling of their new text.
#include "app/all_screens.h"
#include "platform/control_widgets.h"
#include "tests/frontend/frontend_support.h"

#include <QAccessible>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vermona::test {
namespace {

// A button, a label used as one, plain text and a label that announces its
// captions, each with a tip; presses counted by control.
void showControls(Windows &w, std::map<std::string, int> &presses) {
    w.define("Form1", 0xFFFFFF, [&](TestScreen &s) {
        auto count = [&presses](const std::string &name) { return [&presses, name] { ++presses[name]; }; };
        s.button("Command1", "決定", 0, 0, 1500, 450).onClick(count("Command1")).setTip("決めて次へ進む");
        s.label("Label1", "次へ", 0, 600, 1500, 450).onClick(count("Label1")).setTip("次の画面へ");
        s.label("Label2", "体力：5", 0, 1200, 1500, 450).setTip("今の体力");
        s.label("Label3", "", 0, 1800, 4500, 450).announce().setTip("戦いの様子");
    });
    w.game.start("Form1");
}

QAccessibleInterface *readerView(const Windows &w, const std::string &control) {
    return QAccessible::queryAccessibleInterface(w.widget("Form1", control));
}

TEST(Accessibility, ControlsTellWhatTheyAreAndPressAsAClickDoes) {
    Windows w;
    std::map<std::string, int> presses;
    showControls(w, presses);
    struct Row {
        const char *control;
        QAccessible::Role role;
        const char *name;
        const char *description;
        bool presses;
    };
    for (const Row &row : {Row{"Command1", QAccessible::Button, "決定", "決めて次へ進む", true},
                           Row{"Label1", QAccessible::Button, "次へ", "次の画面へ", true},
                           Row{"Label2", QAccessible::StaticText, "体力：5", "今の体力", false}}) {
        SCOPED_TRACE(row.control);
        Control &control = *w.game.find("Form1")->find(row.control);
        QAccessibleInterface *reader = readerView(w, row.control);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), row.role);
        EXPECT_EQ(reader->text(QAccessible::Name).toStdString(), row.name);
        EXPECT_EQ(reader->text(QAccessible::Description).toStdString(), row.description);
        QAccessibleActionInterface *actions = reader->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QString press = QAccessibleActionInterface::pressAction();
        EXPECT_EQ(actions->actionNames().contains(press), row.presses);

        // Disabled and hidden as the control is; a disabled one is not pressed.
        control.setEnabled(false);
        EXPECT_TRUE(reader->state().disabled);
        actions->doAction(press);
        Windows::settle();
        control.setEnabled(true);
        control.setVisible(false);
        EXPECT_TRUE(reader->state().invisible);
        control.setVisible(true);

        actions->doAction(press);
        if (row.presses) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return presses[row.control] > 0; }));
        }
        Windows::settle();
        EXPECT_EQ(presses[row.control], row.presses ? 1 : 0);
    }
}

TEST(Accessibility, LabelsTellReadersTheirNewText) {
    Windows w;
    std::map<std::string, int> presses;
    showControls(w, presses);
    struct Observer {
        std::vector<const QObject *> renamed;
        Observer() {
            platform::setAccessibilityObserver([this](const QAccessibleEvent &event) {
                if (event.type() == QAccessible::NameChanged) {
                    renamed.push_back(event.object());
                }
            });
        }
        ~Observer() { platform::setAccessibilityObserver({}); }
        Observer(const Observer &) = delete;
        Observer &operator=(const Observer &) = delete;
    } observer;
    // Used as a button, plain, announcing.
    for (const char *name : {"Label1", "Label2", "Label3"}) {
        SCOPED_TRACE(name);
        Control &label = *w.game.find("Form1")->find(name);
        observer.renamed.clear();
        label.setCaption("敵の攻撃！３のダメージ");
        EXPECT_EQ(observer.renamed, std::vector<const QObject *>{w.widget("Form1", name)});
        EXPECT_EQ(readerView(w, name)->text(QAccessible::Name).toStdString(), "敵の攻撃！３のダメージ");
        // A new tip or state leaves the text as it was: nothing to read out.
        label.setTip("別の説明");
        label.setEnabled(false);
        EXPECT_EQ(readerView(w, name)->text(QAccessible::Description).toStdString(), "別の説明");
        EXPECT_EQ(observer.renamed.size(), 1U);
    }
}

// What readers are told as a notice: the notices shown, in order.
struct Notices {
    std::vector<std::string> said;
    Notices() {
        platform::setAccessibilityObserver([this](const QAccessibleEvent &event) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(event.object());
            if (event.type() == QAccessible::ObjectShow && reader != nullptr &&
                reader->role() == QAccessible::Notification) {
                said.push_back(reader->text(QAccessible::Name).toStdString());
            }
        });
    }
    ~Notices() { platform::setAccessibilityObserver({}); }
    Notices(const Notices &) = delete;
    Notices &operator=(const Notices &) = delete;
};

QAccessibleInterface *readerOf(QWidget *window, QAccessible::Role role, int nth = 0) {
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(w);
        if (reader != nullptr && reader->role() == role && nth-- == 0) {
            return reader;
        }
    }
    return nullptr;
}

// A match as a reader follows it: one notice per action with what changed
// (the foe's answer and the hit points), the result read as its window
// opens, meters, a table, window names and the commands that do nothing.
TEST(Accessibility, AMatchIsReadOutAsItHappens) {
    Windows w;
    enterTable(w, 1, 1); // type 1: attack 10, defence 4, stamina 5
    GameState &s = stateOf(w.game);
    s.strength = 13;
    s.defense = 0;
    s.stamina = 1;

    QTableWidget *table = w.window("Form22")->findChild<QTableWidget *>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->verticalHeaderItem(0)->text().toStdString(), "主人公");
    EXPECT_EQ(table->horizontalHeaderItem(1)->text().toStdString(), "参加者1") << "no name file here";
    EXPECT_EQ(w.window("Form22")->accessibleDescription().toStdString(), "対戦表");

    Notices notices;
    w.click("Form22", "Command1");
    QAccessibleInterface *foe = readerOf(w.window("Form25"), QAccessible::ProgressBar);
    ASSERT_NE(foe, nullptr);
    EXPECT_EQ(foe->text(QAccessible::Name).toStdString(), "敵のHP");
    EXPECT_EQ(foe->valueInterface()->maximumValue().toInt(), 50);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.widget("Form25", "Command3"))
                  ->text(QAccessible::Description)
                  .toStdString(),
              "押しても何も起こらない");
    EXPECT_TRUE(notices.said.empty()) << "a battle that opens is read by the focus";

    // The hero's blow is read by the focus on the message; what it did, and
    // the foe's answer, as notices.
    w.click("Form25", "Command1");
    EXPECT_EQ(w.window("Form26")->accessibleName().toStdString(), "戦闘メッセージ");
    EXPECT_EQ(foe->valueInterface()->currentValue().toInt(), 41);
    w.click("Form26", "Label1");
    Windows::settle();
    EXPECT_EQ(notices.said,
              (std::vector<std::string>{"敵のHP 41/50", "敵の攻撃！10のダメージ 主人公のHP 90/100"}));

    // The winning blow, the last hit points and the result: one notice.
    for (int blow = 2; blow <= 5; ++blow) {
        w.click("Form26", "Label1");
        w.click("Form25", "Command1");
        w.click("Form26", "Label1");
    }
    w.click("Form26", "Label1");
    notices.said.clear();
    w.click("Form25", "Command1");
    Windows::settle();
    EXPECT_EQ(notices.said, std::vector<std::string>{
                                "主人公の攻撃！敵に9のダメージ▼ 敵のHP 0/50 勝利！ おめでとう！次も勝とう"});
}

// A row of a list is one Tab stop, read whole with its columns' headers.
TEST(Accessibility, AListRowIsOneTabStopReadWhole) {
    Windows w;
    app::registerAllScreens(w.game);
    w.game.dispatch([&] { w.game.show("Form18"); });
    EXPECT_EQ(w.widget("Form18", "Label2", 0)->accessibleName().toStdString(),
              "ナイフ、攻撃力 ３、値段 ３００");
    EXPECT_NE(w.widget("Form18", "Label2", 0)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.widget("Form18", "Label2", 2)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.window("Form18")->accessibleDescription().toStdString(), "買う品物の一覧");
}

} // namespace
} // namespace vermona::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a screen reader finds them: what each control is, its name
// and description, pressing it, and labels telling of their new text.
#include "platform/control_widgets.h"
#include "tests/frontend/frontend_support.h"

#include <QAccessible>
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

} // namespace
} // namespace vermona::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The title window written by hand in plain Qt: the same size, fonts, menu
// bar and its entries, colours, Fusion style, Japanese translation and
// keyboard focus as the game's, with nothing of the game. Exits once it has been painted; the floor that the
// game's own start-up is measured against.
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

class Client : public QWidget {
public:
    explicit Client(QEventLoop &loop) : loop_(loop) {}

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xFF, 0xFF, 0x00));
        QTimer::singleShot(0, &loop_, &QEventLoop::quit); // once the children have been painted too
    }

private:
    QEventLoop &loop_;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));

    QEventLoop loop;
    QWidget window;
    window.setWindowTitle(QStringLiteral("ヴェルモナシュミレーション"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *menu = new QMenuBar(&window);
    menu->setNativeMenuBar(false);
    menu->addAction(QStringLiteral("ロード"));
    menu->addAction(QStringLiteral("セーブデータ一覧"));
    QMenu *languages = menu->addMenu(QStringLiteral("言語 / Language"));
    languages->addAction(QStringLiteral("日本語"));
    languages->addAction(QStringLiteral("English"));
    layout->setMenuBar(menu);
    auto *client = new Client(loop);
    client->setFixedSize(393, 294);
    layout->addWidget(client);

    auto *title = new QLabel(QStringLiteral("ヴェルモナシュミレーションゲーム"), client);
    title->setGeometry(16, 48, 345, 41);
    title->setFont(QFont(QStringLiteral("IPAPMincho"), 21));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setWordWrap(true);
    title->setStyleSheet(QStringLiteral("background: #00FF00; color: #FFFFFF;"));
    auto *start = new QPushButton(QStringLiteral("開始"), client);
    start->setGeometry(144, 160, 89, 49);
    start->setFont(QFont(QStringLiteral("IPAPGothic"), 12));
    start->setStyleSheet(QStringLiteral("QPushButton { background-color: #00FFFF; border: 2px solid;"
                                        " border-color: #FFFFFF #404040 #404040 #FFFFFF; }"));
    start->setFocus();
    window.show();
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    return loop.exec();
}

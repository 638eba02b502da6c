// The movie player, built as a module of its own and loaded by the front end
// only when a screen first shows a movie: the multimedia libraries it pulls
// in would otherwise be loaded, and paid for, at every start.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QString>
#include <QUrl>
#include <QVideoWidget>

extern "C" Q_DECL_EXPORT QWidget *vermonaMakeMovieView(QWidget *parent, const QString &file) {
    auto *view = new QVideoWidget(parent);
    auto *player = new QMediaPlayer(view);
    player->setAudioOutput(new QAudioOutput(player));
    player->setVideoOutput(view);
    player->setSource(QUrl::fromLocalFile(file));
    player->play();
    return view;
}

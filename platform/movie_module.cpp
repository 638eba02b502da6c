// SPDX-License-Identifier: GPL-3.0-or-later
// The movie player, built as a module of its own and loaded by the front end
// only when a screen first shows a movie: the multimedia libraries it pulls
// in would otherwise be loaded, and paid for, at every start.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QImage>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPainter>
#include <QString>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

namespace {

// Qt's notes that need no one's attention here, and are not passed on:
// frames are converted on the processor when there is no graphics backend
// (always so on the offscreen platform), and a player whose first frame came
// while the window's thread was busy (a script between its steps, a window
// closed at once) stays black, as for any file it cannot play. Every other
// message is passed on.
QtMessageHandler previousHandler = nullptr;

bool expected(const QString &message) {
    return message.contains(QLatin1String("No RHI backend. Using CPU conversion.")) ||
           message.contains(QLatin1String("Failed to start video surface due to main thread blocked."));
}

void quietNotes(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && expected(message)) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

// Draws the frames itself rather than through a video widget, which would
// be a native window of its own: lines drawn over the movie (the battle's
// gauge) would vanish under it, and a grab of the window would miss it.
// Black until the first frame, and for good when the file cannot be played.
class MovieView : public QWidget {
public:
    MovieView(QWidget *parent, const QString &file, bool play)
        : QWidget(parent), player_(new QMediaPlayer(this)), sink_(new QVideoSink(this)), holdFirst_(!play) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Sound only for a file that has some, and only on a machine with a
        // sound device: without one the picture still plays, and a silent
        // film never asks for one.
        connect(player_, &QMediaPlayer::hasAudioChanged, this, [this](bool hasAudio) {
            if (hasAudio && player_->audioOutput() == nullptr && !QMediaDevices::audioOutputs().isEmpty()) {
                player_->setAudioOutput(new QAudioOutput(player_));
            }
        });
        player_->setVideoSink(sink_);
        connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
            if (!frame.isValid()) {
                return;
            }
            if (holdFirst_) {
                // Only the first frame is wanted: stop on it.
                if (!image_.isNull()) {
                    return;
                }
                player_->pause();
            }
            image_ = frame.toImage();
            update();
        });
        connect(player_, &QMediaPlayer::errorOccurred, this, [this] {
            image_ = QImage();
            update();
        });
        player_->setSource(QUrl::fromLocalFile(file));
        player_->play();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (image_.isNull()) {
            return;
        }
        // Scaled to the area, keeping its proportions, centred.
        QSize size = image_.size().scaled(this->size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(rect().center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image_);
    }

private:
    QMediaPlayer *player_;
    QVideoSink *sink_;
    bool holdFirst_;
    QImage image_;
};

} // namespace

// play false: the player shows the file's first frame and stays on it.
extern "C" Q_DECL_EXPORT QWidget *vermonaMakeMoviePlayer(QWidget *parent, const QString &file, bool play) {
    static const bool quiet = [] {
        previousHandler = qInstallMessageHandler(quietNotes);
        return true;
    }();
    (void)quiet;
    return new MovieView(parent, file, play);
}

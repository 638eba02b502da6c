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
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>
#include <cstdlib>
#include <utility>

namespace {

// Qt's notes that need no one's attention here, and are not passed on:
// frames are converted on the processor when there is no graphics backend
// (always so on the offscreen platform), and a player whose first frame came
// while the window's thread was busy (a script between its steps, a window
// closed at once) gives up its output, which the view starts again. Every
// other message is passed on.
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
// Until its first frame it lets the picture under it show (the battle's
// arena) rather than a black hole; a file that cannot be played leaves it
// black for good.
class MovieView : public QWidget {
public:
    MovieView(QWidget *parent, const QString &file, bool play)
        : QWidget(parent), player_(new QMediaPlayer(this)), sink_(new QVideoSink(this)),
          source_(QUrl::fromLocalFile(file)), holdFirst_(!play) {
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
            if (!frame.isValid() || (holdFirst_ && !image_.isNull())) {
                return;
            }
            QImage image = frame.toImage();
            if (image.isNull()) {
                return; // a frame that could not be read: wait for the next
            }
            if (holdFirst_) {
                // Only the first frame is wanted: stop on it.
                player_->pause();
            }
            image_ = std::move(image);
            update();
        });
        connect(player_, &QMediaPlayer::errorOccurred, this, [this] {
            failed_ = true;
            image_ = QImage();
            update();
        });
        // Qt's video output gives up for good on a start it could not finish
        // in a second (the window's thread busy, as while the first battle
        // opens); the player runs on and shows nothing. Start it again.
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(2000);
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            if (image_.isNull() && !failed_ && restarts_++ < 3) {
                player_->stop();
                player_->setSource(QUrl());
                start();
            }
        });
        start();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override {
        if (image_.isNull() && !failed_) {
            return;
        }
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (image_.isNull()) {
            return;
        }
        // A frame the size of the area (give or take a pixel's rounding of
        // the design's twips) at its own size, whole pixels on any screen;
        // any other scaled to the area, keeping its proportions. Centred.
        QSize size = image_.size();
        if (std::abs(size.width() - width()) > 2 || std::abs(size.height() - height()) > 2) {
            size = size.scaled(this->size(), Qt::KeepAspectRatio);
        }
        QRect target(QPoint(0, 0), size);
        target.moveCenter(rect().center());
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(target, image_);
    }

private:
    void start() {
        player_->setSource(source_);
        player_->play();
        watchdog_.start();
    }

    QMediaPlayer *player_;
    QVideoSink *sink_;
    QUrl source_;
    bool holdFirst_;
    bool failed_ = false;
    int restarts_ = 0;
    QTimer watchdog_;
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

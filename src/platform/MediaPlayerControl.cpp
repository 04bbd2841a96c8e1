#include "platform/MediaPlayerControl.h"

#include "platform/GstSoundOutput.h"
#include "platform/PlatformTexts.h"
#include "platform/SoundServer.h"
#include "platform/StoredPaths.h"

#include <QFileInfo>
#include <QImage>
#include <QSizeF>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <malloc.h>
#include <utility>

namespace {

// How long the pipeline of a medium replaced by one loaded ahead waits, paused, before it is
// taken down: past the start of the new one.
constexpr int kLeaveAfterMs = 500;

// playbin's flags: what it builds for a medium.
constexpr guint kPlayVideo = 1u << 0, kPlayAudio = 1u << 1, kSoftVolume = 1u << 4;

// The 0-100 scale is perceptual, like a volume slider: 50 sounds half as loud. Amplitude for
// a slider position, on the curve volume sliders commonly use.
double amplitudeOf(int volume) {
    const double v = volume / 100.0;
    return v >= 1.0 ? 1.0 : -std::log(1.0 - v) / std::log(100.0);
}

} // namespace

QString MediaTimeText(double seconds) {
    const qint64 total = seconds > 0 ? qint64(std::floor(seconds)) : 0;
    const qint64 h = total / 3600, m = (total / 60) % 60, s = total % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QChar(u'0'))
            .arg(s, 2, 10, QChar(u'0'));
    return QStringLiteral("%1:%2").arg(m, 2, 10, QChar(u'0')).arg(s, 2, 10, QChar(u'0'));
}

// A decoded picture as the streaming thread left it.
struct MediaPlayerControl::Frame {
    GstSample* sample = nullptr;
    explicit Frame(GstSample* s) : sample(s) {}
    ~Frame() { gst_sample_unref(sample); }
};

// One playbin with its sinks, for one medium; released with the struct. The sound goes to the
// sound server with a short buffer, as the audio device's does, so a cue is heard as soon as it
// plays. What its streaming threads report reaches the owner only while the owner still shows
// this medium.
struct MediaPlayerControl::Engine {
    MediaPlayerControl* owner = nullptr;
    // The owner's medium_ this pipeline plays (a number below zero while it is loaded ahead);
    // read by the streaming threads.
    std::atomic<int> medium = 0;
    // Loaded far enough to play: set by a streaming thread, read when a medium loaded ahead is
    // taken over.
    std::atomic<bool> asyncDone = false;
    GstElement* playbin = nullptr;
    GstElement* audioSink = nullptr;
    GstElement* videoSink = nullptr; // null for the sound-only strip
    bool hasAudio = false;
    // The first picture of a medium loaded ahead, kept for when it is taken over (under the
    // owner's frameLock_).
    std::unique_ptr<Frame> held;

    bool current() const { return medium.load() == owner->medium_.load(); }

    ~Engine() {
        if (!playbin) return;
        gst_element_set_state(playbin, GST_STATE_NULL); // joins the streaming threads
        GstBus* bus = gst_element_get_bus(playbin);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        if (audioSink) gst_object_unref(audioSink);
        if (videoSink) gst_object_unref(videoSink);
        gst_object_unref(playbin);
    }
    void setState(GstState state) { gst_element_set_state(playbin, state); }
};

MediaPlayerControl::MediaPlayerControl(const Design& design, QObject* parent)
    : QObject(parent), controls(this), currentMedia(this), settings(this), design_(design),
      volume_(qBound(0, design.volume, 100)) {
    lastState_ = State();
    connect(&soundServer(), &SoundServer::Lost, this, [this] { soundLost(); });
}

MediaPlayerControl::~MediaPlayerControl() {
    // No streaming thread calls back after this.
    engine_.reset();
    prepared_.reset();
    leaving_.reset();
    AwaitRetiredSoundOutputs();
}

std::unique_ptr<MediaPlayerControl::Engine> MediaPlayerControl::makeEngine(int medium) {
    gst_init(nullptr, nullptr);
    auto engine = std::make_unique<Engine>();
    engine->owner = this;
    engine->medium = medium;
    engine->playbin = gst_element_factory_make("playbin", nullptr);
    if (!engine->playbin) return nullptr;
    const bool pictures = design_.uiMode != QLatin1String("mini");
    g_object_set(engine->playbin, "flags", kPlayAudio | kSoftVolume | (pictures ? kPlayVideo : 0u),
                 nullptr);
    engine->audioSink = gst_element_factory_make("pulsesink", nullptr);
    if (engine->audioSink) {
        gst_object_ref_sink(engine->audioSink);
        g_object_set(engine->audioSink, "buffer-time", gint64(40000), "latency-time", gint64(10000),
                     nullptr);
        g_object_set(engine->playbin, "audio-sink", engine->audioSink, nullptr);
    }
    if (pictures) {
        // RGB frames in the pipeline's time; only the newest waits to be painted.
        engine->videoSink = gst_element_factory_make("appsink", nullptr);
        gst_object_ref_sink(engine->videoSink);
        GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
        g_object_set(engine->videoSink, "caps", caps, "sync", TRUE, "max-buffers", 1u, "drop", TRUE,
                     "enable-last-sample", FALSE, "qos", TRUE, nullptr);
        gst_caps_unref(caps);
        GstAppSinkCallbacks callbacks{};
        // A picture from the streaming thread: kept, and one announcement queued to the GUI
        // thread.
        // A pipeline on its way down may still deliver one; it is not the medium shown.
        static constexpr auto take = [](Engine* engine, GstSample* sample) {
            if (!sample) return;
            MediaPlayerControl* self = engine->owner;
            QMutexLocker lock(&self->frameLock_);
            if (engine->medium.load() < 0) {
                engine->held = std::make_unique<Frame>(sample);
                return;
            }
            if (!engine->current()) {
                gst_sample_unref(sample);
                return;
            }
            self->frame_ = std::make_unique<Frame>(sample);
            if (self->repaintQueued_) return;
            self->repaintQueued_ = true;
            QMetaObject::invokeMethod(
                self,
                [self] {
                    {
                        QMutexLocker again(&self->frameLock_);
                        self->repaintQueued_ = false;
                    }
                    emit self->pictureChanged();
                },
                Qt::QueuedConnection);
        };

        callbacks.new_preroll = [](GstAppSink* sink, gpointer data) {
            take(static_cast<Engine*>(data), gst_app_sink_pull_preroll(sink));
            return GST_FLOW_OK;
        };
        callbacks.new_sample = [](GstAppSink* sink, gpointer data) {
            take(static_cast<Engine*>(data), gst_app_sink_pull_sample(sink));
            return GST_FLOW_OK;
        };
        gst_app_sink_set_callbacks(GST_APP_SINK(engine->videoSink), &callbacks, engine.get(),
                                   nullptr);
        g_object_set(engine->playbin, "video-sink", engine->videoSink, nullptr);
    }
    GstBus* bus = gst_element_get_bus(engine->playbin);
    // Streaming threads hand the messages the control uses to the GUI thread, which reads them
    // while the control still shows this pipeline's medium; the rest go. Nothing waits on the
    // bus. A dropped message is ours to release: each one kept holds the element that posted
    // it, and with it the pipeline and its decoders (a whole pipeline, and a MIDI file's
    // sound font, at every medium).
    gst_bus_set_sync_handler(
        bus,
        [](GstBus*, GstMessage* message, gpointer data) {
            switch (GST_MESSAGE_TYPE(message)) {
            case GST_MESSAGE_ASYNC_DONE:
            case GST_MESSAGE_EOS:
            case GST_MESSAGE_ERROR:
            case GST_MESSAGE_DURATION_CHANGED: {
                auto* engine = static_cast<Engine*>(data);
                MediaPlayerControl* self = engine->owner;
                // Marked before the medium is read: a medium taken over meanwhile is known to
                // be loaded either way.
                if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE) engine->asyncDone = true;
                std::shared_ptr<GstMessage> held(message, gst_message_unref);
                const int medium = engine->medium.load();
                QMetaObject::invokeMethod(
                    self,
                    [self, held, medium] {
                        // A medium taken over may still speak under the number it was loaded
                        // ahead with.
                        if (medium == self->medium_.load() ||
                            (medium < 0 && medium == self->adoptedMedium_))
                            self->readBus(held.get());
                        else if (medium < 0 && medium == self->preparedMedium_)
                            self->readPreparedBus(held.get());
                    },
                    Qt::QueuedConnection);
                return GST_BUS_DROP;
            }
            default:
                gst_message_unref(message);
                return GST_BUS_DROP;
            }
        },
        engine.get(), nullptr);
    gst_object_unref(bus);
    g_object_set(engine->playbin, "volume", amplitudeOf(volume_), nullptr);
    return engine;
}

// Taking a pipeline down to NULL joins its streaming threads and frees its decoders: some
// 150 ms for a video, too long for the GUI thread. An old medium's pipeline goes down on a
// thread of its own while the next one loads.

void MediaPlayerControl::retire(std::unique_ptr<Engine>& engine) {
    if (!engine) return;
    RetireOffThread([old = std::shared_ptr<Engine>(std::move(engine))]() mutable {
        old.reset();
        // The decoders' buffers were freed on many streaming threads, each with its own heap;
        // what they freed is handed back to the system rather than kept by every heap, which
        // otherwise grows the memory over the first rounds of a show.
        malloc_trim(0);
    });
}

void MediaPlayerControl::readBus(GstMessage* message) {
    if (!engine_) return;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ASYNC_DONE:
        loadedNow();
        [[fallthrough]];
    case GST_MESSAGE_DURATION_CHANGED: {
        gint64 ns = -1;
        if (gst_element_query_duration(engine_->playbin, GST_FORMAT_TIME, &ns) && ns > 0)
            durationMs_ = ns / GST_MSECOND;
        break;
    }
    case GST_MESSAGE_EOS:
        if (loop_ && playing_) {
            // Round again as a play after the end does: a flushing seek alone, straight after
            // the end, now and then left the stream standing at the start while it said it
            // played.
            engine_->setState(GST_STATE_PAUSED);
            ended_ = true;
            startPlaying();
        } else if (playing_) {
            ended_ = true;
            playing_ = false;
            engine_->setState(GST_STATE_PAUSED);
        }
        break;
    case GST_MESSAGE_ERROR: {
        GError* err = nullptr;
        gst_message_parse_error(message, &err, nullptr);
        const QString text = err ? QString::fromUtf8(err->message) : QString();
        if (err) g_error_free(err);
        if (FromSoundOutput(message) || !soundServer().Check()) {
            soundLost();
            break;
        }
        failedWhilePlaying_ = playing_;
        playing_ = false;
        // A medium that broke off shows black, not its last picture marked playing.
        {
            QMutexLocker lock(&frameLock_);
            frame_.reset();
        }
        emit pictureChanged();
        fail(text);
        break;
    }
    default:
        break;
    }
    emit changed();
    stateMaybeChanged();
}

void MediaPlayerControl::loadedNow() {
    if (prerolled_ || !error_.isEmpty()) return;
    prerolled_ = true;
    gint audio = 0;
    g_object_get(engine_->playbin, "n-audio", &audio, nullptr);
    engine_->hasAudio = audio > 0;
    gint64 ns = -1;
    if (gst_element_query_duration(engine_->playbin, GST_FORMAT_TIME, &ns) && ns > 0)
        durationMs_ = ns / GST_MSECOND;
    if (pendingSeekMs_ >= 0) seekTo(std::exchange(pendingSeekMs_, -1));
    // A play asked for while it loaded starts now, from where it was sought.
    if (playing_) engine_->setState(GST_STATE_PLAYING);
}

// Of a medium loaded ahead only a failure is news: the operator hears of it before its GO.
void MediaPlayerControl::readPreparedBus(GstMessage* message) {
    if (!prepared_ || GST_MESSAGE_TYPE(message) != GST_MESSAGE_ERROR || !preparedError_.isEmpty())
        return;
    GError* err = nullptr;
    gst_message_parse_error(message, &err, nullptr);
    preparedError_ = err ? QString::fromUtf8(err->message) : QString();
    if (err) g_error_free(err);
    if (preparedError_.isEmpty()) preparedError_ = PlatformTextOf(PlatformText::MediumCannotPlay);
    // A sound server that went away is no fault of the file: the load at the GO says so.
    if (FromSoundOutput(message) || !soundServer().Check()) {
        retire(prepared_);
        preparedUrl_.clear();
        preparedError_.clear();
        return;
    }
    if (onPrepareError) onPrepareError(preparedUrl_, preparedError_);
}

void MediaPlayerControl::Prepare(const QString& url) {
    if (url == preparedUrl_ && (prepared_ || url.isEmpty())) return;
    retire(prepared_);
    preparedUrl_.clear();
    preparedError_.clear();
    if (url.isEmpty()) return;
    preparedMedium_ = preparedMedium_ < 0 ? preparedMedium_ - 1 : -1;
    prepared_ = makeEngine(preparedMedium_);
    if (!prepared_) return;
    preparedUrl_ = url;
    const QByteArray uri = uriOf(url);
    g_object_set(prepared_->playbin, "uri", uri.constData(), nullptr);
    gst_element_set_state(prepared_->playbin, GST_STATE_PAUSED);
}

// The medium loaded ahead becomes the player's: its picture, its place and its length are the
// player's now, and what its pipeline says from here on is the player's news.
void MediaPlayerControl::adoptPrepared() {
    // The medium replaced stops at once, but its pipeline goes down a moment later: taken down
    // now, a video's keeps a core busy while this one starts, which delays its first sound.
    retire(leaving_);
    if (engine_) {
        engine_->setState(GST_STATE_PAUSED);
        leaving_ = std::move(engine_);
        QTimer::singleShot(kLeaveAfterMs, this, [this] { retire(leaving_); });
    }
    {
        QMutexLocker lock(&frameLock_);
        ++medium_;
        adoptedMedium_ = preparedMedium_;
        engine_ = std::move(prepared_);
        engine_->medium = medium_.load();
        frame_ = std::move(engine_->held);
    }
    emit pictureChanged();
    preparedUrl_.clear();
    g_object_set(engine_->playbin, "volume", amplitudeOf(volume_), nullptr);
    if (!preparedError_.isEmpty()) {
        fail(std::exchange(preparedError_, QString()));
        return;
    }
    if (engine_->asyncDone.load()) loadedNow();
}

void MediaPlayerControl::stateMaybeChanged() {
    const QString now = State();
    if (now == lastState_) return;
    lastState_ = now;
    if (onStateChange) onStateChange();
}

bool MediaPlayerControl::Retiring() const {
    return SoundOutputsRetiring();
}

// What the previous medium still has to say is not news, and its last picture goes.
void MediaPlayerControl::nextMedium() {
    {
        QMutexLocker lock(&frameLock_);
        ++medium_;
        frame_.reset();
    }
    adoptedMedium_ = 0;
    emit pictureChanged();
}

// "http://..." and "file://..." are URLs; anything else, and any absolute path whatever
// characters it holds, is a path.
QByteArray MediaPlayerControl::uriOf(const QString& url) {
    const QUrl parsed(url);
    const bool isUrl =
        !url.startsWith(u'/') && url.contains(QLatin1String("://")) && parsed.scheme().size() > 1;
    return (isUrl ? parsed : QUrl::fromLocalFile(QFileInfo(NativePath(url)).absoluteFilePath()))
        .toEncoded();
}

void MediaPlayerControl::setURL(const QString& url) {
    url_ = url;
    error_.clear();
    lost_ = failedWhilePlaying_ = false;
    prerolled_ = playing_ = paused_ = ended_ = false;
    durationMs_ = 0;
    pendingSeekMs_ = -1;
    lastPositionMs_ = 0;
    if (prepared_ && url == preparedUrl_) {
        adoptPrepared();
    } else {
        nextMedium();
        // A fresh pipeline for each medium: only a pipeline taken down to NULL lets go of what
        // its decoders hold (the MIDI synthesizer's sound font, some 14 MB, stayed behind at
        // each new medium), and the old one goes down off the GUI thread.
        retire(engine_);
        engine_ = makeEngine(medium_.load());
        if (!engine_) {
            fail(PlatformTextOf(PlatformText::MediumCannotPlay));
            emit changed();
            stateMaybeChanged();
            return;
        }
        const QByteArray uri = uriOf(url);
        g_object_set(engine_->playbin, "uri", uri.constData(), nullptr);
        // Loads in the background. A live stream has nothing to load ahead and never says it
        // is loaded: it counts as loaded at once.
        if (gst_element_set_state(engine_->playbin, GST_STATE_PAUSED) ==
            GST_STATE_CHANGE_NO_PREROLL)
            prerolled_ = true;
    }
    if (design_.autoStart) controls.play();
    emit changed();
    stateMaybeChanged();
}

void MediaPlayerControl::close() {
    nextMedium();
    retire(engine_);
    url_.clear();
    error_.clear();
    lost_ = failedWhilePlaying_ = false;
    prerolled_ = playing_ = paused_ = ended_ = false;
    durationMs_ = 0;
    emit changed();
    stateMaybeChanged();
}

void MediaPlayerControl::fail(const QString& reason) {
    if (!error_.isEmpty()) return; // one report for one failed load
    error_ = reason.isEmpty() ? PlatformTextOf(PlatformText::MediumCannotPlay) : reason;
    if (onError) onError(error_);
}

bool MediaPlayerControl::loaded() const {
    return (engine_ || lost_) && !url_.isEmpty() && error_.isEmpty();
}

// Every stream of the process shares one connection to the sound server; a pipeline kept after
// the server went away keeps the dead one, and every stream made later would use it and stay
// silent. So the pipeline goes down at once, and the medium stands stopped where it was, its
// picture black, until a play loads it again.
void MediaPlayerControl::soundLost() {
    // A medium loaded ahead holds a stream on the dead connection too; the GO loads it afresh.
    retire(prepared_);
    retire(leaving_);
    preparedUrl_.clear();
    preparedError_.clear();
    if (!engine_ || lost_) return;
    if (url_.isEmpty() || !error_.isEmpty()) {
        // A medium that failed keeps nothing to resume, but its pipeline may hold a stream.
        retire(engine_);
        prerolled_ = playing_ = paused_ = ended_ = false;
        return;
    }
    lostAtMs_ = ended_ ? 0 : positionMs();
    nextMedium();
    retire(engine_);
    lost_ = true;
    prerolled_ = playing_ = paused_ = ended_ = false;
    emit changed();
    stateMaybeChanged();
}

qint64 MediaPlayerControl::positionMs() const {
    if (lost_) return lostAtMs_;
    // At the end the position is the length exactly, so the two texts agree.
    if (ended_) return durationMs_;
    if (!prerolled_) return qMax<qint64>(0, pendingSeekMs_);
    gint64 ns = 0;
    if (gst_element_query_position(engine_->playbin, GST_FORMAT_TIME, &ns) && ns >= 0)
        lastPositionMs_ = ns / GST_MSECOND;
    return lastPositionMs_;
}

void MediaPlayerControl::seekTo(qint64 ms) {
    lastPositionMs_ = ms;
    gst_element_seek_simple(engine_->playbin, GST_FORMAT_TIME,
                            GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            ms * GST_MSECOND);
}

// The sound server's stream keeps time from its making even while it waits paused, and the
// sound sink places the first sound by that time: a medium loaded, stopped or paused and played
// a while later would start late by the whole wait. So before each start the sound sink alone
// is made afresh (a new stream, nothing else rebuilt) and the medium moved to where it stands.
void MediaPlayerControl::startPlaying() {
    if (lost_) {
        // Loaded again from where it stood; the sound server may be a new one. Every pipeline
        // taken down at the loss, this player's and the others', must be gone first: while one
        // lives, a new stream would share its dead connection.
        AwaitRetiredSoundOutputs();
        const qint64 at = lostAtMs_;
        const bool autoStart = std::exchange(design_.autoStart, false);
        setURL(url_);
        design_.autoStart = autoStart;
        if (!engine_) return;
        pendingSeekMs_ = at;
    }
    if (prerolled_) {
        const qint64 at = ended_ ? 0 : positionMs();
        if (engine_->hasAudio && engine_->audioSink) {
            gst_element_set_state(engine_->audioSink, GST_STATE_READY);
            gst_element_set_state(engine_->audioSink, GST_STATE_PAUSED);
            seekTo(at);
        } else if (ended_) {
            seekTo(0);
        }
    }
    ended_ = false;
    playing_ = true;
    paused_ = false;
    // Still loading: it starts once loaded and moved to its place. Played at once, the start of
    // the file was heard before the move, and a medium loaded again after a lost sound server
    // now and then stood still while it said it played.
    if (prerolled_) engine_->setState(GST_STATE_PLAYING);
}

void MediaPlayerControl::Controls::play() {
    MediaPlayerControl& o = *owner_;
    if (!o.loaded() || o.playing_) return;
    o.startPlaying();
    emit o.changed();
    o.stateMaybeChanged();
}

void MediaPlayerControl::Controls::pause() {
    MediaPlayerControl& o = *owner_;
    if (!o.loaded() || o.ended_) return;
    if (o.lost_) return; // it stands still already
    o.positionMs();      // the position it pauses at
    o.playing_ = false;
    o.paused_ = true;
    o.engine_->setState(GST_STATE_PAUSED);
    emit o.changed();
    o.stateMaybeChanged();
}

void MediaPlayerControl::Controls::stop() {
    MediaPlayerControl& o = *owner_;
    if (!o.loaded()) return;
    o.playing_ = o.paused_ = o.ended_ = false;
    if (o.lost_) {
        o.lostAtMs_ = 0;
        emit o.changed();
        o.stateMaybeChanged();
        return;
    }
    o.engine_->setState(GST_STATE_PAUSED);
    if (o.prerolled_)
        o.seekTo(0);
    else
        o.pendingSeekMs_ = 0;
    emit o.changed();
    o.stateMaybeChanged();
}

double MediaPlayerControl::Controls::currentPosition() const {
    return owner_->loaded() ? owner_->positionMs() / 1000.0 : 0.0;
}

void MediaPlayerControl::Controls::setCurrentPosition(double seconds) {
    MediaPlayerControl& o = *owner_;
    if (!o.loaded()) return;
    // Any number a cue can hold, however large, stays a valid position (the end at most).
    constexpr double kLongestSeconds = 1e9;
    const double at = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kLongestSeconds) : 0.0;
    qint64 ms = qint64(std::llround(at * 1000.0));
    if (o.durationMs_ > 0) ms = qMin(ms, o.durationMs_);
    if (o.lost_) {
        o.lostAtMs_ = ms;
        return;
    }
    if (!o.prerolled_) {
        o.pendingSeekMs_ = ms;
        return;
    }
    if (o.ended_) {
        // Moved from its end, the medium waits there for play.
        o.ended_ = false;
        o.engine_->setState(GST_STATE_PAUSED);
    }
    o.seekTo(ms);
    emit o.changed();
    o.stateMaybeChanged();
}

QString MediaPlayerControl::Controls::currentPositionString() const {
    return owner_->loaded() ? MediaTimeText(owner_->positionMs() / 1000.0) : QString();
}

double MediaPlayerControl::CurrentMedia::duration() const {
    return owner_->loaded() ? owner_->durationMs_ / 1000.0 : 0.0;
}

QString MediaPlayerControl::CurrentMedia::durationString() const {
    return owner_->loaded() && owner_->durationMs_ > 0 ? MediaTimeText(duration()) : QString();
}

int MediaPlayerControl::Settings::volume() const {
    return owner_->volume_;
}

void MediaPlayerControl::Settings::setVolume(int volume) {
    owner_->volume_ = qBound(0, volume, 100);
    if (owner_->engine_)
        g_object_set(owner_->engine_->playbin, "volume", amplitudeOf(owner_->volume_), nullptr);
}

bool MediaPlayerControl::Settings::autoStart() const {
    return owner_->design_.autoStart;
}
void MediaPlayerControl::Settings::setAutoStart(bool on) {
    owner_->design_.autoStart = on;
}

bool MediaPlayerControl::Settings::loop() const {
    return owner_->loop_;
}

void MediaPlayerControl::Settings::setLoop(bool on) {
    owner_->loop_ = on;
}

QString MediaPlayerControl::State() const {
    if (!loaded()) return QStringLiteral("closed");
    if (ended_) return QStringLiteral("ended");
    if (playing_) return QStringLiteral("playing");
    if (paused_) return QStringLiteral("paused");
    return QStringLiteral("stopped");
}

bool MediaPlayerControl::DrawNewestFrame(
    const std::function<void(const QImage& picture, const QSizeF& shape)>& draw) const {
    QMutexLocker lock(&frameLock_);
    if (!frame_) return false;
    GstCaps* caps = gst_sample_get_caps(frame_->sample);
    GstBuffer* buffer = gst_sample_get_buffer(frame_->sample);
    GstVideoInfo info;
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps)) return false;
    GstVideoFrame frame;
    if (!gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) return false;
    const QImage picture(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                         GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                         GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0), QImage::Format_RGB32);
    const double shown = double(info.width) * info.par_n / qMax(1, info.par_d);
    draw(picture, QSizeF(shown, info.height));
    gst_video_frame_unmap(&frame);
    return true;
}

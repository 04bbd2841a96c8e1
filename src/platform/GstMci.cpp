// The command-string audio device over GStreamer: one playbin per alias, driven
// synchronously by polling its bus (never a Qt event loop).
#include "platform/GstMci.h"

#include "platform/GstSoundOutput.h"
#include "platform/Mp3Gapless.h"
#include "platform/SoundServer.h"
#include "platform/StoredPaths.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <gst/gst.h>
#include <utility>

namespace {

constexpr GstClockTime kStateWait = 5 * GST_SECOND;
// A playing stream whose position has not moved for this long is stuck, whatever the pipeline
// says; it is started afresh once, and given up after a second stall.
constexpr qint64 kStallMs = 600;
// A file loaded again after a failure answers at once, or it is broken: the operator is not kept
// waiting with the window frozen.
constexpr GstClockTime kReviveWait = 2 * GST_SECOND;

// An MP3 played from its start: the segment the sound output gets begins at the lead (data
// points to it), so the output cuts the lead off to the sample, and stream times stay as they are.
GstPadProbeReturn skipLead(GstPad*, GstPadProbeInfo* info, gpointer data) {
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_SEGMENT) return GST_PAD_PROBE_OK;
    const GstClockTime lead = *static_cast<const GstClockTime*>(data);
    const GstSegment* segment = nullptr;
    gst_event_parse_segment(event, &segment);
    if (segment->format != GST_FORMAT_TIME || segment->rate < 0 || segment->start >= lead)
        return GST_PAD_PROBE_OK;
    GstSegment later;
    gst_segment_copy_into(segment, &later);
    later.time += lead - later.start;
    later.start = lead;
    later.position = qMax(later.position, lead);
    GstEvent* moved = gst_event_new_segment(&later);
    gst_event_set_seqnum(moved, gst_event_get_seqnum(event));
    gst_event_unref(event);
    GST_PAD_PROBE_INFO_DATA(info) = moved;
    return GST_PAD_PROBE_OK;
}

} // namespace

struct GstMci::Device {
    GstElement* playbin = nullptr;
    QString file;
    bool ended = false; // the stream reached its end and has not been moved since
    bool playing = false;
    // Where the stream stands prerolled and has not moved since (opened, or sought while
    // still); -1 once it has played or gone down. A seek there has nothing to do.
    qint64 standsAt = 0;
    // Told to play, not started yet: the stream starts when the handler that sent the play
    // has returned, unless a stop, seek or close comes first.
    bool waiting = false;
    qint64 length = -1; // milliseconds, -1 until known
    // An MP3's lead (the silence its encoder and the decoder put before the sound) is never
    // played, and what its encoder added around the sound is no part of the length: the times
    // are those of the sound the file was made from.
    GstClockTime lead = 0;
    GstClockTime added = 0;
    bool lengthStale = false;
    // Taken down after its stream failed; the reason, and where it stood.
    long failure = 0;
    qint64 resumeAt = 0;
    // The stall watch of a playing stream: the position last seen moving, and since when.
    qint64 watchedAt = -1;
    QElapsedTimer watchClock;
    int stalls = 0;
};

// GStreamer starts with the first file opened: a show that never plays audio, and the start-up
// of every show, go without it.
GstMci::GstMci() {
    QObject::connect(&soundServer(), &SoundServer::Lost, &waiting_, [this] { soundServerLost(); });
}

GstMci::~GstMci() {
    closeAll();
}

void GstMci::closeAll() {
    for (auto& [alias, device] : devices_) {
        gst_element_set_state(device->playbin, GST_STATE_NULL);
        gst_object_unref(device->playbin);
    }
    devices_.clear();
}

// Reads the device's bus: the end of the stream, errors and a new length.
void GstMci::drain(Device& d) {
    GstBus* bus = gst_element_get_bus(d.playbin);
    while (GstMessage* msg =
               gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR |
                                                        GST_MESSAGE_DURATION_CHANGED))) {
        if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_DURATION_CHANGED) {
            d.lengthStale = true;
        } else if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS) {
            d.ended = true;
            d.playing = false;
        } else if (!d.failure) {
            const long reason = FromSoundOutput(msg) || !soundServer().Check()
                                    ? mcierr::SoundServerGone
                                    : mcierr::StreamBroken;
            gst_message_unref(msg);
            gst_object_unref(bus);
            takeDown(d, reason);
            return;
        }
        gst_message_unref(msg);
    }
    gst_object_unref(bus);
}

bool GstMci::settle(Device& d, int state) {
    const GstStateChangeReturn r = gst_element_set_state(d.playbin, GstState(state));
    if (r == GST_STATE_CHANGE_FAILURE) return false;
    GstState now = GST_STATE_NULL;
    return gst_element_get_state(d.playbin, &now, nullptr, kStateWait) != GST_STATE_CHANGE_FAILURE;
}

qint64 GstMci::lengthMs(Device& d) {
    // A length once known stands until the stream reports a new one (an estimate refined as a
    // file plays); some elements stop answering at the end of the stream.
    if (d.length >= 0 && !d.lengthStale) return d.length;
    gint64 duration = -1;
    if (gst_element_query_duration(d.playbin, GST_FORMAT_TIME, &duration) && duration >= 0) {
        d.length =
            qint64((GstClockTime(duration) - qMin(GstClockTime(duration), d.added)) / GST_MSECOND);
        d.lengthStale = false;
    }
    return d.length;
}

qint64 GstMci::positionMs(Device& d) {
    drain(d);
    if (d.failure) return d.resumeAt;
    const qint64 length = lengthMs(d);
    if (d.ended && length >= 0) return length;
    gint64 position = 0;
    if (!gst_element_query_position(d.playbin, GST_FORMAT_TIME, &position) || position < 0 ||
        GstClockTime(position) <= d.lead)
        return 0;
    const qint64 ms = qint64((GstClockTime(position) - d.lead) / GST_MSECOND);
    return length >= 0 ? qMin(ms, length) : ms;
}

bool GstMci::inRange(Device& d, qint64 ms) {
    // Past the furthest position a clock time can hold nothing can be reached, whether or not
    // the length is known; a seek there would overflow.
    const qint64 furthest = (G_MAXINT64 - qint64(d.lead)) / GST_MSECOND;
    const qint64 length = lengthMs(d);
    return ms >= 0 && ms <= furthest && (length < 0 || ms <= length);
}

long GstMci::seek(Device& d, qint64 ms) {
    if (!inRange(d, ms)) return mcierr::OutOfRange;
    // The load of a cue seeks to the start of a file that stands there: a flushing seek would
    // decode it again for nothing, on the way to the GO.
    if (!d.playing && !d.ended && d.standsAt == ms) return 0;
    // A seek needs a prerolled pipeline; from the end of the stream, pause first.
    if (d.ended) settle(d, GST_STATE_PAUSED);
    // The start of an MP3 is its stream's start, cut by the sound output: the decoder here,
    // sent to the lead, would begin with its whole first frame, the lead itself.
    if (!gst_element_seek_simple(d.playbin, GST_FORMAT_TIME,
                                 GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                 ms > 0 ? ms * GST_MSECOND + d.lead : 0))
        return mcierr::DeviceFailed;
    gst_element_get_state(d.playbin, nullptr, nullptr, kStateWait);
    // An end of stream reported before the seek is stale: the stream is elsewhere now.
    GstBus* bus = gst_element_get_bus(d.playbin);
    while (GstMessage* msg = gst_bus_pop_filtered(bus, GST_MESSAGE_EOS))
        gst_message_unref(msg);
    gst_object_unref(bus);
    d.ended = false;
    d.standsAt = d.playing ? -1 : ms;
    return 0;
}

// A sound server stream keeps time from its creation even while it waits unstarted, so a file
// opened at a cue and played later would start late by the whole wait, in silence; and a
// stream that has been paused, moved while paused or played and stopped within a moment can be
// left corked on the sound server for good: the pipeline plays, the position stands, nothing is
// heard. Every start therefore gives the sound output a new stream of its own (the decoders
// keep what they hold, so a file opened ahead starts without being loaded again) and moves the
// file back to where it stood.
long GstMci::restartSink(Device& d, qint64 at) {
    GstElement* sink = nullptr;
    g_object_get(d.playbin, "audio-sink", &sink, nullptr);
    if (sink) {
        gst_element_set_state(sink, GST_STATE_READY);
        gst_element_set_state(sink, GST_STATE_PAUSED);
        gst_object_unref(sink);
    }
    d.standsAt = -1; // the new stream needs the file to flow again
    return seek(d, at);
}

long GstMci::start(Device& d) {
    d.waiting = false;
    const qint64 at = positionMs(d);
    if (const long code = restartSink(d, at)) return code;
    if (!settle(d, GST_STATE_PLAYING)) return mcierr::DeviceFailed;
    d.standsAt = -1;
    d.watchedAt = at;
    d.watchClock.start();
    d.stalls = 0;
    return 0;
}

// Called at every look at a playing device's position: a position that stands still while the
// device plays means a stream that went silent; it is started again at the same place once, and
// the device gives up (answering "not ready") when that does not move it either.
void GstMci::watch(Device& d, qint64 position) {
    if (!d.playing || d.waiting || d.ended || d.failure) return;
    if (position != d.watchedAt) {
        d.watchedAt = position;
        d.watchClock.start();
        d.stalls = 0;
        return;
    }
    if (!d.watchClock.isValid() || d.watchClock.elapsed() < kStallMs) return;
    if (d.stalls++ == 0 && restartSink(d, position) == 0 && settle(d, GST_STATE_PLAYING)) {
        d.watchClock.start();
        return;
    }
    takeDown(d, mcierr::DeviceFailed);
}

// The stream failed: the pipeline goes down to NULL, which lets go of its connection to the
// sound server (a dead connection kept by one pipeline is shared by every new one), and the
// device keeps its place for the next play.
void GstMci::takeDown(Device& d, long reason) {
    if (d.failure) return;
    d.resumeAt = d.ended ? 0 : positionMs(d);
    if (d.length >= 0) d.resumeAt = qMin(d.resumeAt, d.length);
    gst_element_set_state(d.playbin, GST_STATE_NULL);
    // What the dead pipeline said is not news any more.
    GstBus* bus = gst_element_get_bus(d.playbin);
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
    d.failure = reason;
    d.playing = d.waiting = d.ended = false;
    d.standsAt = -1;
}

// Loads the file again after a failure and puts it back where it stood.
long GstMci::revive(Device& d) {
    if (!d.failure) return 0;
    if (!soundServer().Up()) return mcierr::SoundServerGone;
    // A video player's pipeline still going down would lend the new stream its dead connection.
    AwaitRetiredSoundOutputs();
    gst_element_set_state(d.playbin, GST_STATE_PAUSED);
    GstBus* bus = gst_element_get_bus(d.playbin);
    GstMessage* msg = gst_bus_timed_pop_filtered(
        bus, kReviveWait, GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
    const bool loaded = msg && GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ASYNC_DONE;
    const long reason = loaded                        ? 0
                        : msg && FromSoundOutput(msg) ? mcierr::SoundServerGone
                                                      : mcierr::StreamBroken;
    if (msg) gst_message_unref(msg);
    gst_object_unref(bus);
    if (!loaded) {
        gst_element_set_state(d.playbin, GST_STATE_NULL);
        d.failure = reason;
        return reason;
    }
    d.failure = 0;
    const qint64 at = std::exchange(d.resumeAt, 0);
    return at > 0 ? seek(d, at) : 0;
}

void GstMci::soundServerLost() {
    for (auto& [alias, device] : devices_)
        takeDown(*device, mcierr::SoundServerGone);
}

void GstMci::startWaiting() {
    for (auto& [alias, device] : devices_) {
        if (!device->waiting) continue;
        if (const long code = start(*device))
            takeDown(*device, soundServer().Up() ? code : mcierr::SoundServerGone);
    }
}

long GstMci::open(const QStringList& w) {
    // open "file" alias NAME [type ...]
    QString file, alias;
    for (qsizetype i = 1; i < w.size(); ++i) {
        if (w[i].compare(QLatin1String("alias"), Qt::CaseInsensitive) == 0 && i + 1 < w.size())
            alias = w[++i].toLower();
        else if (w[i].compare(QLatin1String("type"), Qt::CaseInsensitive) == 0 && i + 1 < w.size())
            ++i;
        else if (file.isEmpty())
            file = w[i];
    }
    if (file.isEmpty()) return mcierr::MissingParameter;
    if (alias.isEmpty()) alias = file.toLower();
    if (devices_.count(alias)) return mcierr::DuplicateAlias;
    const QFileInfo info(NativePath(file));
    if (!info.isFile()) return mcierr::FileNotFound;

    gst_init(nullptr, nullptr); // once; later calls return at once
    auto d = std::make_unique<Device>();
    d->file = info.absoluteFilePath();
    d->playbin = gst_element_factory_make("playbin", nullptr);
    if (!d->playbin) return mcierr::DeviceFailed;
    if (const std::optional<Mp3Gapless> gapless = Mp3GaplessOf(d->file)) {
        const auto rate = guint64(gapless->sampleRate);
        d->lead =
            gst_util_uint64_scale(guint64(gapless->delay + kMp3DecoderDelay), GST_SECOND, rate);
        d->added =
            gst_util_uint64_scale(guint64(gapless->delay + gapless->padding), GST_SECOND, rate);
    }
    // Sound only: a video stream in a file opened here must not open a window.
    GstElement* noVideo = gst_element_factory_make("fakesink", nullptr);
    if (noVideo) g_object_set(d->playbin, "video-sink", noVideo, nullptr);
    // A short buffer on the sound server: a cue must be heard as soon as it is played.
    if (GstElement* sound = gst_element_factory_make("pulsesink", nullptr)) {
        g_object_set(sound, "buffer-time", gint64(40000), "latency-time", gint64(10000), nullptr);
        if (d->lead) {
            GstPad* pad = gst_element_get_static_pad(sound, "sink");
            gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, skipLead, &d->lead,
                              nullptr);
            gst_object_unref(pad);
        }
        g_object_set(d->playbin, "audio-sink", sound, nullptr);
    }
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded();
    g_object_set(d->playbin, "uri", uri.constData(), nullptr);
    gst_element_set_state(d->playbin, GST_STATE_PAUSED);
    // Wait for the file to be loaded (or refused) before answering.
    GstBus* bus = gst_element_get_bus(d->playbin);
    GstMessage* msg = gst_bus_timed_pop_filtered(
        bus, 10 * GST_SECOND, GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
    const bool loaded = msg && GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ASYNC_DONE;
    // Without a sound server no file loads; that is not the file's fault.
    const bool noServer = !loaded && ((msg && FromSoundOutput(msg)) || !soundServer().Check());
    if (msg) gst_message_unref(msg);
    gst_object_unref(bus);
    bool hasAudio = false;
    if (loaded) {
        gint audioStreams = 0;
        g_object_get(d->playbin, "n-audio", &audioStreams, nullptr);
        hasAudio = audioStreams > 0;
    }
    if (!loaded || !hasAudio) {
        gst_element_set_state(d->playbin, GST_STATE_NULL);
        gst_object_unref(d->playbin);
        return noServer ? mcierr::SoundServerGone : mcierr::CannotPlay;
    }
    devices_[alias] = std::move(d);
    return 0;
}

long GstMci::mciSendString(const QString& command, QString* returnText) {
    if (returnText) returnText->clear();
    const QStringList w = MciWords(command);
    if (w.isEmpty()) return mcierr::UnrecognizedCommand;
    const QString verb = w[0].toLower();
    if (verb == QLatin1String("open")) return open(w);
    if (w.size() < 2) return mcierr::MissingParameter;
    const QString alias = w[1].toLower();
    if (verb == QLatin1String("close") && alias == QLatin1String("all")) {
        closeAll();
        return 0;
    }
    const auto found = devices_.find(alias);
    if (found == devices_.end()) return mcierr::NotOpen;
    Device& d = *found->second;
    drain(d);
    const QString arg2 = w.size() > 2 ? w[2].toLower() : QString();
    const QString arg3 = w.size() > 3 ? w[3].toLower() : QString();

    if (verb == QLatin1String("close")) {
        gst_element_set_state(d.playbin, GST_STATE_NULL);
        gst_object_unref(d.playbin);
        devices_.erase(found);
        return 0;
    }
    if (verb == QLatin1String("rename")) {
        // rename ALIAS to NEW: an opened file changes hands without being opened again.
        if (arg2 != QLatin1String("to") || arg3.isEmpty()) return mcierr::MissingParameter;
        if (devices_.count(arg3)) return mcierr::DuplicateAlias;
        auto node = devices_.extract(found);
        node.key() = arg3;
        devices_.insert(std::move(node));
        return 0;
    }
    if (verb == QLatin1String("play")) {
        const bool from = arg2 == QLatin1String("from");
        const std::optional<qint64> fromMs = MciMilliseconds(arg3);
        if (from && !fromMs) return mcierr::MissingParameter;
        if (d.failure) {
            if (from) {
                if (!inRange(d, *fromMs)) return mcierr::OutOfRange;
                d.resumeAt = *fromMs;
            }
            if (const long code = revive(d)) return code;
        }
        if (!from && d.ended) return 0; // at the end there is nothing left to play
        if (from) {
            const qint64 at = *fromMs;
            if (!inRange(d, at)) return mcierr::OutOfRange;
            // A playing stream jumps at once; a waiting one is moved before it starts.
            if (d.playing && !d.waiting) return seek(d, at);
            if (const long code = seek(d, at)) return code;
        }
        if (d.playing) return 0;
        // The load of a cue plays and stops the device within one handler: a stream started
        // at once would let a few milliseconds of the file out. The start waits for the event
        // loop, so a stop sent first means nothing reaches the sound server.
        d.playing = true;
        d.waiting = true;
        QTimer::singleShot(0, &waiting_, [this] { startWaiting(); });
        return 0;
    }
    if (verb == QLatin1String("stop") || verb == QLatin1String("pause")) {
        if (d.failure) return 0; // it stands still already
        const bool wasWaiting = d.waiting;
        d.waiting = false;
        d.playing = false;
        if (!wasWaiting && !d.ended && !settle(d, GST_STATE_PAUSED)) return mcierr::DeviceFailed;
        return 0;
    }
    if (verb == QLatin1String("seek")) {
        if (arg2 != QLatin1String("to") || arg3.isEmpty()) return mcierr::MissingParameter;
        if (d.failure) {
            // Stood still after a failure: the place is kept for the next play.
            const std::optional<qint64> toMs =
                arg3 == QLatin1String("start") ? 0
                : arg3 == QLatin1String("end") ? std::optional<qint64>(qMax<qint64>(0, d.length))
                                               : MciMilliseconds(arg3);
            if (!toMs) return mcierr::MissingParameter;
            if (!inRange(d, *toMs)) return mcierr::OutOfRange;
            d.resumeAt = *toMs;
            return 0;
        }
        // Seeking stops playback, as on the original device.
        d.waiting = false;
        d.ended = false;
        if (!settle(d, GST_STATE_PAUSED)) return mcierr::DeviceFailed;
        d.playing = false;
        if (arg3 == QLatin1String("start")) return seek(d, 0);
        if (arg3 == QLatin1String("end")) return seek(d, qMax<qint64>(0, lengthMs(d)));
        const std::optional<qint64> toMs = MciMilliseconds(arg3);
        if (!toMs) return mcierr::MissingParameter;
        return seek(d, *toMs);
    }
    if (verb == QLatin1String("info")) {
        if (arg2 != QLatin1String("file")) return mcierr::UnrecognizedCommand;
        if (returnText) *returnText = d.file;
        return 0;
    }
    if (verb == QLatin1String("status")) {
        // A waiting play is not started here: a seek while paused plays and pauses within one
        // handler, and a stream started and stopped within a moment is what goes silent.
        QString answer;
        if (arg2 == QLatin1String("length")) {
            const qint64 length = lengthMs(d);
            if (length < 0) return mcierr::DeviceFailed;
            answer = QString::number(length);
        } else if (arg2 == QLatin1String("position")) {
            const qint64 position = positionMs(d);
            watch(d, position);
            answer = QString::number(d.failure ? d.resumeAt : position);
        } else if (arg2 == QLatin1String("mode")) {
            watch(d, positionMs(d));
            answer = d.playing && !d.ended ? QStringLiteral("playing") : QStringLiteral("stopped");
            if (!d.playing && !d.ended && positionMs(d) > 0) answer = QStringLiteral("paused");
            if (d.failure) answer = QStringLiteral("not ready");
        } else {
            return mcierr::UnrecognizedCommand;
        }
        if (returnText) *returnText = answer;
        return 0;
    }
    return mcierr::UnrecognizedCommand;
}

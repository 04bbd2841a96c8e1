#include "platform/MediaProbe.h"

#include <QFileInfo>
#include <QUrl>
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>
#include <memory>

namespace {

// Each GStreamer object goes with the scope that made it, whichever way the probe returns.
struct ObjectUnref {
    void operator()(gpointer p) const { g_object_unref(p); }
};
struct StreamListFree {
    void operator()(GList* list) const { gst_discoverer_stream_info_list_free(list); }
};
using DiscovererPtr = std::unique_ptr<GstDiscoverer, ObjectUnref>;
using InfoPtr = std::unique_ptr<GstDiscovererInfo, ObjectUnref>;
using StreamListPtr = std::unique_ptr<GList, StreamListFree>;

QString missingDecoders(GstDiscovererInfo* info) {
    QStringList names;
    // Owned by the info.
    if (const gchar** details = gst_discoverer_info_get_missing_elements_installer_details(info)) {
        for (const gchar** d = details; *d; ++d) {
            // "gstreamer|1.0|app|description|decoder-caps": the description is what a person
            // can read.
            const QStringList parts = QString::fromUtf8(*d).split(u'|');
            names << (parts.size() > 3 ? parts[3] : parts.value(0));
        }
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

GstMediaProbe::GstMediaProbe(int timeoutMs) : timeoutMs_(timeoutMs) {
    gst_init(nullptr, nullptr);
}

MediaFacts GstMediaProbe::Probe(const QString& path) {
    MediaFacts facts;
    const QFileInfo file(path);
    if (file.isFile() && file.size() == 0) {
        facts.outcome = MediaFacts::Outcome::Empty;
        return facts;
    }
    GError* error = nullptr;
    DiscovererPtr discoverer(gst_discoverer_new(GstClockTime(timeoutMs_) * GST_MSECOND, &error));
    if (!discoverer) {
        facts.detail = error ? QString::fromUtf8(error->message) : QString();
        g_clear_error(&error);
        return facts;
    }
    const QByteArray uri = QUrl::fromLocalFile(file.absoluteFilePath()).toEncoded();
    InfoPtr info(gst_discoverer_discover_uri(discoverer.get(), uri.constData(), &error));
    const QString message = error ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    if (!info) {
        facts.detail = message;
        return facts;
    }
    switch (gst_discoverer_info_get_result(info.get())) {
    case GST_DISCOVERER_OK:
        facts.outcome = MediaFacts::Outcome::Readable;
        break;
    case GST_DISCOVERER_MISSING_PLUGINS:
        facts.outcome = MediaFacts::Outcome::NoDecoder;
        facts.detail = missingDecoders(info.get());
        return facts;
    case GST_DISCOVERER_TIMEOUT:
        facts.outcome = MediaFacts::Outcome::TimedOut;
        return facts;
    default:
        facts.detail = message;
        return facts;
    }

    const GstClockTime duration = gst_discoverer_info_get_duration(info.get());
    if (GST_CLOCK_TIME_IS_VALID(duration) && duration > 0)
        facts.lengthMs = qint64(duration / GST_MSECOND);

    StreamListPtr audio(gst_discoverer_info_get_audio_streams(info.get()));
    facts.audioStreams = int(g_list_length(audio.get()));
    if (audio) {
        auto* a = GST_DISCOVERER_AUDIO_INFO(audio->data);
        facts.channels = int(gst_discoverer_audio_info_get_channels(a));
        facts.rate = int(gst_discoverer_audio_info_get_sample_rate(a));
    }
    StreamListPtr video(gst_discoverer_info_get_video_streams(info.get()));
    facts.videoStreams = int(g_list_length(video.get()));
    if (video) {
        auto* v = GST_DISCOVERER_VIDEO_INFO(video->data);
        facts.width = int(gst_discoverer_video_info_get_width(v));
        facts.height = int(gst_discoverer_video_info_get_height(v));
        const guint den = gst_discoverer_video_info_get_framerate_denom(v);
        if (!gst_discoverer_video_info_is_image(v) && den > 0)
            facts.frameRate = double(gst_discoverer_video_info_get_framerate_num(v)) / den;
    }
    return facts;
}

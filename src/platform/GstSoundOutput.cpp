#include "platform/GstSoundOutput.h"

#include <algorithm>
#include <gst/gst.h>
#include <mutex>
#include <vector>

bool FromSoundOutput(GstMessage* message) {
    for (GstObject* o = GST_MESSAGE_SRC(message); o; o = GST_OBJECT_PARENT(o)) {
        if (!GST_IS_ELEMENT(o)) continue;
        GstElementFactory* f = gst_element_get_factory(GST_ELEMENT(o));
        if (!f) continue;
        const gchar* klass = gst_element_factory_get_metadata(f, GST_ELEMENT_METADATA_KLASS);
        if (klass && g_strrstr(klass, "Sink") && g_strrstr(klass, "Audio")) return true;
    }
    return false;
}

namespace {
std::mutex retiringLock;
std::vector<std::shared_future<void>> retiring;

bool done(const std::shared_future<void>& task) {
    return task.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}
} // namespace

std::shared_future<void> RetireOffThread(std::function<void()> takeDown) {
    std::shared_future<void> task = std::async(std::launch::async, std::move(takeDown)).share();
    const std::lock_guard lock(retiringLock);
    std::erase_if(retiring, done);
    retiring.push_back(task);
    return task;
}

void AwaitRetiredSoundOutputs() {
    std::vector<std::shared_future<void>> pending;
    {
        const std::lock_guard lock(retiringLock);
        pending = retiring;
    }
    for (const std::shared_future<void>& task : pending)
        task.wait();
}

bool SoundOutputsRetiring() {
    const std::lock_guard lock(retiringLock);
    return !std::all_of(retiring.begin(), retiring.end(), done);
}

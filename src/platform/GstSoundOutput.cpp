#include "platform/GstSoundOutput.h"

#include <gst/gst.h>

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

#include "platform/widgets/ViewDialogs.h"

#include <QtGlobal>

ViewDialogs& viewDialogs() {
    auto* view = dynamic_cast<ViewDialogs*>(&dialogs());
    if (!view) qFatal("the dialogs installed cannot open the view's own dialogs");
    return *view;
}

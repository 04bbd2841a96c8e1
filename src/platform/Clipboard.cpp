#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace clipboard {

void Put(QMimeData* data) {
    QClipboard* board = QGuiApplication::clipboard();
    if (!board) {
        delete data;
        return;
    }
    board->setMimeData(data);
}

const QMimeData* Contents() {
    const QClipboard* board = QGuiApplication::clipboard();
    return board ? board->mimeData() : nullptr;
}

} // namespace clipboard

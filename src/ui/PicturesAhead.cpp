#include "ui/PicturesAhead.h"

#include "app/Paths.h"

#include <QDir>
#include <QHash>
#include <QImageReader>
#include <future>

namespace {

using Pictures = QHash<QString, QImage>;

std::shared_future<Pictures>& decoding() {
    static std::shared_future<Pictures> pending;
    return pending;
}

Pictures decodeAll(const QStringList& files) {
    Pictures decoded;
    for (const QString& file : files) {
        QImageReader reader(file);
        QImage image;
        if (reader.read(&image)) decoded.insert(file, image);
    }
    return decoded;
}

} // namespace

QStringList ProgramPictureFiles() {
    // Named exactly as the window's code names them when it loads them.
    QStringList files;
    const QStringList patterns = {QStringLiteral("*.jpg"), QStringLiteral("*.png")};
    for (const QString& folder : {QString(), QStringLiteral("Menu/")}) {
        for (const QString& name : QDir(PictureFile(folder)).entryList(patterns, QDir::Files))
            files << PictureFile(folder + name);
    }
    return files;
}

void DecodePicturesAhead(const QStringList& files) {
    decoding() = std::async(std::launch::async, decodeAll, files).share();
}

std::optional<QImage> DecodedPicture(const QString& file) {
    const std::shared_future<Pictures>& pending = decoding();
    if (!pending.valid()) return std::nullopt;
    const Pictures& decoded = pending.get();
    const auto found = decoded.constFind(file);
    if (found == decoded.cend()) return std::nullopt;
    return *found;
}

void ForgetDecodedPictures() {
    decoding() = {};
}

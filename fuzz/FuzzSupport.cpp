#include "FuzzSupport.h"

#include "app/Paths.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzz {

namespace {
struct QuietMixer : Mixer {
    bool mixerOpen() override { return true; }
    bool GetMixerControl() override { return true; }
    long VolumeMax() const override { return 65536; }
    bool SetMixerControlValue(long) override { return true; }
};
QTemporaryDir* folder = nullptr;
} // namespace

void SetUp(int* argc, char*** argv) {
    if (folder) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    folder = new QTemporaryDir;
    const QString lang = folder->path() + QStringLiteral("/Lang");
    QDir().mkpath(lang);
    QDir().mkpath(folder->path() + QStringLiteral("/Files"));
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/Lang");
    for (const QString& name : QDir(shipped).entryList(QDir::Files))
        QFile::copy(shipped + u'/' + name, lang + u'/' + name);
    SetProgramFolder(folder->path());
    QDir::setCurrent(folder->path());
    SetDialogs(new SilentDialogs);
    SetMci(new CountingMci);
    SetMixer(new QuietMixer);
}

QString Folder() {
    return folder ? folder->path() : QString();
}

QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = Folder() + u'/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

} // namespace fuzz

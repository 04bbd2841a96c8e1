#include "support/Wav.h"

#include "support/SupportFailure.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <cmath>

bool MakeWav(const QString& path, double seconds, double frequency) {
    const int rate = 44100;
    const int samples = int(seconds * rate);
    QByteArray data;
    data.resize(samples * 2);
    for (int i = 0; i < samples; ++i) {
        const auto v = qint16(std::lround(0.8 * 32767 * std::sin(2 * M_PI * frequency * i / rate)));
        qToLittleEndian(v, data.data() + 2 * i);
    }
    QByteArray header;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        header.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        header.append(b, 2);
    };
    header.append("RIFF");
    u32(36 + quint32(data.size()));
    header.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    header.append("data");
    u32(quint32(data.size()));
    QFile file(path);
    const QByteArray bytes = header + data;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    SupportFailure()(QStringLiteral("could not write %1: %2").arg(path, file.errorString()));
    return false;
}

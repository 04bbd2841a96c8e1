// The command-string audio device over GStreamer.
#pragma once

#include "platform/Mci.h"

#include <QStringList>
#include <map>
#include <memory>

typedef struct _GstElement GstElement;

class GstMci : public MciDevice {
public:
    GstMci();
    ~GstMci() override;
    long mciSendString(const QString& command, QString* returnText = nullptr) override;

private:
    struct Device;
    long open(const QStringList& words);
    void closeAll();
    void drain(Device& device);
    bool settle(Device& device, int state);
    bool inRange(Device& device, qint64 ms);
    long seek(Device& device, qint64 ms);
    long startFresh(Device& device, qint64 at);
    qint64 lengthMs(Device& device);
    qint64 positionMs(Device& device);

    std::map<QString, std::unique_ptr<Device>> devices_;
};

// The command-string audio device over GStreamer.
#pragma once

#include "platform/Mci.h"

#include <QObject>
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
    long restartSink(Device& device, qint64 at);
    void takeDown(Device& device, long reason);
    long revive(Device& device);
    void watch(Device& device, qint64 position);
    qint64 lengthMs(Device& device);
    qint64 positionMs(Device& device);
    long start(Device& device);
    void startWaiting();
    void soundServerLost();

    std::map<QString, std::unique_ptr<Device>> devices_;
    QObject waiting_; // owns the queued start of the plays that are waiting for it
};

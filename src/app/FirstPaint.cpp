#include "app/FirstPaint.h"

#include <QEvent>
#include <QFile>
#include <QWidget>
#include <QWindow>
#include <ctime>

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, const QString& file) : window_(window), file_(file) {
        window_.installEventFilter(this);
        window_.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            if (event->type() == QEvent::Paint) painted_ = true;
            return false;
        }
        if (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest) return false;
        // The window paints and flushes inside its own handling of these events: let it, then
        // note the time if it painted.
        painted_ = false;
        watched->event(event);
        if (painted_) report();
        return true;
    }

private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        QFile out(file_);
        if (out.open(QIODevice::WriteOnly))
            out.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
        window_.removeEventFilter(this);
        window_.windowHandle()->removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    QString file_;
    bool painted_ = false;
};

} // namespace

void ReportFirstPaint(QWidget& window) {
    const QString file = qEnvironmentVariable("SCENOLUX_FIRST_PAINT_FILE");
    if (file.isEmpty() || !window.windowHandle()) return;
    new FirstPaintWatch(window, file);
}

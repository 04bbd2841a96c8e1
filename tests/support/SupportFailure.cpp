#include "support/SupportFailure.h"

#include <QDebug>

std::function<void(const QString&)>& SupportFailure() {
    static std::function<void(const QString&)> report = [](const QString& what) {
        qWarning().noquote() << what;
    };
    return report;
}

#include "core/Show.h"

Show::Show(const QString& applicationTitle, QObject* parent)
    : QObject(parent), session(applicationTitle) {}

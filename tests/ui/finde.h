#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

/// The child of `fenster` with this objectName; a missing control ends the test run.
template <typename T>
T* finde(QObject* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (!w) qFatal("control %s missing", qPrintable(name));
    return w;
}

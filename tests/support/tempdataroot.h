#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "deviceinfo.h"

class AppContext;

// A fresh, empty data root in a temporary directory, removed with the object; optionally with
// an application context on it whose hand-offs stay away from the desktop.
class TempDataRoot
{
public:
    TempDataRoot();
    ~TempDataRoot();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Creates (or re-creates, as a relaunch would) the context on this data root.
    AppContext *context(const DeviceInfo::Profile &profile = DeviceInfo::FaceIdPhone);
    AppContext *relaunch(const DeviceInfo::Profile &profile = DeviceInfo::FaceIdPhone);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppContext> m_context;
};

#pragma once

#include "appcontext.h"

#include <QTemporaryDir>
#include <memory>

// A fresh, empty data root in a temporary directory, removed with the object; optionally with
// an application context on it whose hand-offs stay away from the desktop.
class TempDataRoot
{
public:
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Creates (or re-creates, as a relaunch would) the context on this data root.
    AppContext *context(const DeviceInfo::Profile &profile = DeviceInfo::FaceIdPhone)
    {
        return m_context ? m_context.get() : relaunch(profile);
    }
    AppContext *relaunch(const DeviceInfo::Profile &profile = DeviceInfo::FaceIdPhone)
    {
        m_context.reset();
        m_context = std::make_unique<AppContext>(m_dir.path(), profile);
        m_context->urlOpener()->setHandToDesktop(false);
        return m_context.get();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppContext> m_context;
};

#include "tempdataroot.h"

#include "appcontext.h"

TempDataRoot::TempDataRoot() = default;
TempDataRoot::~TempDataRoot() = default;

AppContext *TempDataRoot::context(const DeviceInfo::Profile &profile)
{
    if (!m_context)
        relaunch(profile);
    return m_context.get();
}

AppContext *TempDataRoot::relaunch(const DeviceInfo::Profile &profile)
{
    m_context.reset();
    m_context = std::make_unique<AppContext>(m_dir.path(), profile);
    m_context->urlOpener()->setHandToDesktop(false);
    return m_context.get();
}

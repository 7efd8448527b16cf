#include "startuptimeline.h"

#include <QByteArray>

#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 &origin()
{
    static qint64 value = [] {
        const qint64 spawned = qgetenv("KESTREL_STARTUP_TIMELINE").toLongLong();
        return spawned > 1 ? spawned : monotonicNs();
    }();
    return value;
}

} // namespace

bool StartupTimeline::enabled()
{
    static const bool on = qEnvironmentVariableIsSet("KESTREL_STARTUP_TIMELINE");
    return on;
}

void StartupTimeline::mark(const char *what)
{
    if (!enabled())
        return;
    static qint64 previous = origin();
    const qint64 now = monotonicNs();
    std::fprintf(stderr, "startup %8.1f ms (+%6.1f)  %s\n", (now - origin()) / 1e6, (now - previous) / 1e6, what);
    previous = now;
}

#include "diagnostics.h"

#include <cstdio>

namespace kestrel {

namespace {
void (*g_sink)(const QString &) = nullptr;
}

void diagnostic(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (g_sink)
        g_sink(line);
}

void setDiagnosticSink(void (*sink)(const QString &line)) { g_sink = sink; }

} // namespace kestrel

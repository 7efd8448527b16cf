#pragma once

#include "packages.h"

#include <QObject>
#include <QString>
#include <functional>

class QNetworkAccessManager;

// Fetches a repository document and hands its packages to a completion. Keeps nothing between
// fetches. The request is a plain GET on the shell's shared network access manager; the body is
// decoded on a worker thread whatever the HTTP status, and the completion runs on the GUI thread
// at most once, with the decoded list. Nothing at all happens for an address that is no URL, a
// request that gets no answer, a body that is not a repository document, a body past the size
// cap, or a source still unfinished at the timeout. A completion whose context object has gone
// by then is dropped.
class LoadAppsFunc
{
public:
    using Completion = std::function<void(const QList<Packages> &)>;

    // A repository of ten thousand packages is about 3 MiB; a source sending more than this is
    // cut off rather than allowed to fill memory.
    static constexpr qint64 MaxBodyBytes = 16 * 1024 * 1024;
    // A source that has not finished within this time (stalled, or trickling) is given up.
    static constexpr int FetchTimeoutMs = 60 * 1000;

    // False when no request was made (the address does not form a URL).
    static bool fetch(QNetworkAccessManager *network, const QString &address, QObject *context,
                      Completion completion, int timeoutMs = FetchTimeoutMs);
};

#pragma once

#include "update.h"

#include <QString>
#include <functional>

class QNetworkAccessManager;
class QObject;

// Fetches the maker's update document. Stateless: every call is one plain GET on the shared
// network access manager, decoded on a worker thread; the completion runs once on the GUI thread
// with the decoded array, or never (unformable address, failed request, body too large or not
// decodable, or unfinished at the deadline). The request is abandoned when `receiver` goes, so a
// reply for a page the user has left changes nothing and holds no connection.
namespace apiCall {

using Completion = std::function<void(const Updates &)>;

// The update document is a few lines; anything past this is not one, and is not read further.
inline constexpr qint64 MaxUpdateBodyBytes = 256 * 1024;
// A server that stalls or trickles would otherwise hold a connection for as long as it likes, and
// a few such checks would queue every later one behind them.
inline constexpr int UpdateDeadlineMs = 60 * 1000;

void getUpdates(QNetworkAccessManager *network, const QString &address, QObject *receiver, Completion completion,
                int deadlineMs = UpdateDeadlineMs);

} // namespace apiCall

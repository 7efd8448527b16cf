#pragma once

#include "update.h"

#include <QString>
#include <functional>

class QNetworkAccessManager;
class QObject;

// Fetches the maker's update document. Stateless: every call is one plain GET on the shared
// network access manager, decoded on a worker thread; the completion runs once on the GUI thread
// with the decoded array, or never (unformable address, failed request, body too large or not
// decodable). It is dropped when `receiver` is gone by then, so a reply for a page the user has
// left changes nothing.
namespace apiCall {

using Completion = std::function<void(const Updates &)>;

// The update document is a few lines; anything past this is not one, and is not read further.
inline constexpr qint64 MaxUpdateBodyBytes = 256 * 1024;

void getUpdates(QNetworkAccessManager *network, const QString &address, QObject *receiver, Completion completion);

} // namespace apiCall

#pragma once

#include "update.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The update document: a JSON array of objects, each with string members "version" and "log"
// (other members, an "id" among them, are ignored). Decoding is all or nothing: one bad entry
// and there is no array.
namespace UpdateDecoder {

std::optional<Updates> decode(const QByteArray &body);

// The decoded array on one line, for the debug dump: [Update(id: …, version: "1.0", log: "…")].
QString dump(const Updates &updates);

} // namespace UpdateDecoder

#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class QTcpSocket;

// The ways the maker can misbehave on chosen paths (--faults), so that the shell's fetching can
// be tried against every failure a real network or a careless server brings.
enum class Fault {
    NotFound,      // 404
    ServerError,   // 500
    Unavailable,   // 503
    Drip,          // the real answer, one byte a second
    Truncated,     // the real answer's length announced, half of it sent, then the connection closed
    Endless,       // a 200 whose body never ends
    Reset,         // the connection reset without an answer
    InvalidJson,   // 200, JSON type, not JSON
    WrongShape,    // 200, JSON type, valid JSON of another shape
    WrongType,     // 200, an HTML page where a document or picture was asked for
    NotPicture,    // 200, a picture's type, text inside
    HugePicture,   // 200, a valid PNG of 20,000 x 20,000 pixels
    RedirectLoop,  // 302 to itself, for ever
};

namespace Faults {
// Names as written on the command line ("404", "drip", "redirect-loop", ...).
std::optional<Fault> fromName(const QString &name);
QStringList names();
// "path=fault,path=fault" (paths as requested, starting with "/"); nothing when any part is wrong.
std::optional<QHash<QString, Fault>> parse(const QString &text);
// Answers on the raw socket. path is the request's (still encoded); realBody/realType are what
// it would normally serve.
void answer(Fault fault, QTcpSocket *socket, const QByteArray &path, const QByteArray &realBody,
            const QByteArray &realType);
// The 20,000 x 20,000 picture (1-bit grey, about 50 KB compressed), made once.
QByteArray hugePng();
} // namespace Faults

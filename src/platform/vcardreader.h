#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class QIODevice;

// Our own small vCard reader (versions 2.1, 3.0 and 4.0), for the simulated address book. It
// reads only what the phone shows: the name (N as family;given, or FN when N gives none) and the
// first phone number. It streams, so a large book costs the memory of one card at a time. A card
// that is damaged (no END, a line that is not a property, an unknown VERSION, far too large) is
// counted and skipped; nothing in the input can stop the cards after it from being read.
class VCardReader
{
public:
    struct Card {
        QString givenName;
        QString familyName;
        std::optional<QString> phoneNumber;
        QByteArray source; // the card's own lines, BEGIN to END, when asked for
    };

    // A card larger than this is skipped as damaged rather than held in memory.
    static constexpr qsizetype MaxCardBytes = 8 * 1024 * 1024;

    explicit VCardReader(QIODevice *device);

    // Keep each card's lines (CRLF-terminated) in Card::source, to copy cards between books.
    void setKeepSource(bool keep) { m_keepSource = keep; }

    // The next well-formed card, or nothing at the end of the data or on a read error.
    std::optional<Card> next();

    int damagedCount() const { return m_damaged; }
    // A read error of the device; the cards before it have been returned.
    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    // Every well-formed card of a document held in memory.
    static QList<Card> readAll(const QByteArray &data, int *damaged = nullptr);

private:
    struct Line {
        QByteArray bytes;
        bool overlong = false;
    };
    std::optional<Line> nextLine();
    bool fill();
    std::optional<Card> parse(const QList<QByteArray> &lines) const;

    QIODevice *m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_started = false;
    bool m_keepSource = false;
    int m_damaged = 0;
    QString m_error;
};

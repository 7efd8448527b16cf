#include "vcardreader.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringDecoder>

namespace {

constexpr qsizetype ChunkSize = 64 * 1024;

enum class Version { V21, V30, V40 };

bool isSpace(char c) { return c == ' ' || c == '\t'; }

QByteArrayView withoutTrailingSpace(QByteArrayView line)
{
    while (!line.isEmpty() && isSpace(line.back()))
        line.chop(1);
    return line;
}

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && qstrnicmp(text.data(), prefix.data(), prefix.size()) == 0;
}

bool isDelimiter(QByteArrayView line, QByteArrayView expected)
{
    line = withoutTrailingSpace(line);
    return line.size() == expected.size() && startsWithNoCase(line, expected);
}

// One logical line being assembled from folded and soft-broken physical lines. The end of its
// name and parameters (the first colon outside double quotes) is found incrementally, so joining
// many short lines stays linear.
struct LogicalLine {
    QByteArray bytes;
    qsizetype colon = -1;
    qsizetype scanned = 0;
    bool inQuotes = false;

    explicit LogicalLine(const QByteArray &first) : bytes(first) {}

    void findColon()
    {
        for (; colon < 0 && scanned < bytes.size(); ++scanned) {
            const char c = bytes.at(scanned);
            if (c == '"')
                inQuotes = !inQuotes;
            else if (c == ':' && !inQuotes)
                colon = scanned;
        }
    }

    bool quotedPrintable()
    {
        findColon();
        return colon >= 0 && bytes.left(colon).toUpper().contains("QUOTED-PRINTABLE");
    }
};

// Splits on a separator outside double quotes.
QList<QByteArray> splitOutsideQuotes(const QByteArray &text, char separator)
{
    QList<QByteArray> parts;
    bool inQuotes = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '"')
            inQuotes = !inQuotes;
        else if (text.at(i) == separator && !inQuotes) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '=' && i + 2 < text.size() && hexValue(text.at(i + 1)) >= 0 && hexValue(text.at(i + 2)) >= 0) {
            out.append(char(hexValue(text.at(i + 1)) * 16 + hexValue(text.at(i + 2))));
            i += 2;
        } else {
            // A stray "=" is kept as written rather than losing the card.
            out.append(c);
        }
    }
    return out;
}

QString decodeCharset(const QByteArray &bytes, const QByteArray &charset, Version version)
{
    const QByteArray name = charset.toUpper();
    if (name == "ISO-8859-1" || name == "ISO-8859-15" || name == "WINDOWS-1252" || name == "CP1252"
        || name == "US-ASCII" || name == "ASCII" || name == "LATIN1")
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    // Old 2.1 books without a CHARSET are often in Latin-1; newer versions are UTF-8 by definition.
    if (utf8.hasError() && charset.isEmpty() && version == Version::V21)
        return QString::fromLatin1(bytes);
    return text;
}

QString unescape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text.at(++i);
            out.append(n == u'n' || n == u'N' ? QChar(u'\n') : n);
        } else {
            out.append(c);
        }
    }
    return out;
}

// Splits a structured value at the semicolons that are not escaped.
QStringList components(const QString &text)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            current.append(c).append(text.at(++i));
        } else if (c == u';') {
            parts.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    parts.append(current);
    return parts;
}

struct Property {
    QByteArray encoding;
    QByteArray charset;
    QByteArray value;
};

// The property's name without its group ("item1.TEL" is TEL), or nothing when the line is no
// property at all.
std::optional<QByteArrayView> nameOf(LogicalLine &line)
{
    line.findColon();
    if (line.colon < 0)
        return std::nullopt;
    QByteArrayView name(line.bytes.constData(), line.colon);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name.at(i) == ';') {
            name.truncate(i);
            break;
        }
    }
    name = name.trimmed();
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.sliced(dot + 1);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

Property splitProperty(const LogicalLine &line)
{
    Property property;
    property.value = line.bytes.mid(line.colon + 1);
    const QList<QByteArray> head = splitOutsideQuotes(line.bytes.left(line.colon), ';');
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray parameter = head.at(i).trimmed();
        const qsizetype equals = parameter.indexOf('=');
        const QByteArray key = equals < 0 ? QByteArray() : parameter.left(equals).trimmed().toUpper();
        QByteArray value = equals < 0 ? parameter : parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (key == "ENCODING" || (key.isEmpty() && (value.toUpper() == "QUOTED-PRINTABLE" || value.toUpper() == "BASE64")))
            property.encoding = value.toUpper();
        else if (key == "CHARSET")
            property.charset = value;
    }
    return property;
}

QString textOf(const Property &property, Version version)
{
    QByteArray bytes = property.value;
    if (property.encoding == "QUOTED-PRINTABLE")
        bytes = decodeQuotedPrintable(bytes);
    else if (property.encoding == "B" || property.encoding == "BASE64") {
        auto decoded = QByteArray::fromBase64Encoding(bytes, QByteArray::AbortOnBase64DecodingErrors);
        if (decoded)
            bytes = *decoded;
    }
    return decodeCharset(bytes, property.charset, version);
}

} // namespace

VCardReader::VCardReader(QIODevice *device) : m_device(device) {}

QList<VCardReader::Card> VCardReader::readAll(const QByteArray &data, int *damaged)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    VCardReader reader(&buffer);
    QList<Card> cards;
    while (std::optional<Card> card = reader.next())
        cards.append(std::move(*card));
    if (damaged)
        *damaged = reader.damagedCount();
    return cards;
}

bool VCardReader::fill()
{
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    if (m_atEnd || !m_device)
        return false;
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + ChunkSize);
    const qint64 read = m_device->read(m_buffer.data() + old, ChunkSize);
    m_buffer.resize(old + qMax<qint64>(read, 0));
    if (read < 0)
        m_error = m_device->errorString();
    if (read <= 0) {
        m_atEnd = true;
        return false;
    }
    return true;
}

std::optional<VCardReader::Line> VCardReader::nextLine()
{
    if (!m_started) {
        m_started = true;
        while (m_buffer.size() - m_pos < 3 && fill()) {
        }
        if (m_buffer.mid(m_pos, 3) == "\xEF\xBB\xBF")
            m_pos += 3;
    }
    Line line;
    qsizetype scanFrom = m_pos;
    for (;;) {
        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        qsizetype i = scanFrom;
        while (i < size && data[i] != '\n' && data[i] != '\r')
            ++i;
        if (i < size) {
            if (data[i] == '\r' && i + 1 == size && !m_atEnd) {
                // Whether a "\n" follows decides if this is one line break or two.
                const qsizetype offset = i - m_pos;
                fill();
                scanFrom = m_pos + offset;
                continue;
            }
            if (!line.overlong)
                line.bytes = m_buffer.mid(m_pos, i - m_pos);
            qsizetype next = i + 1;
            if (data[i] == '\r' && next < size && data[next] == '\n')
                ++next;
            m_pos = next;
            return line;
        }
        if (size - m_pos > MaxCardBytes) {
            // A line this long is dropped as it streams past; its card is damaged.
            line.overlong = true;
            m_pos = size;
        }
        const qsizetype offset = size - m_pos;
        if (!fill()) {
            if (m_pos < m_buffer.size() || line.overlong) {
                if (!line.overlong)
                    line.bytes = m_buffer.mid(m_pos);
                m_pos = m_buffer.size();
                return line;
            }
            return std::nullopt;
        }
        scanFrom = m_pos + offset;
    }
}

std::optional<VCardReader::Card> VCardReader::next()
{
    bool inCard = false;
    bool damaged = false;
    qsizetype cardBytes = 0;
    QList<QByteArray> lines;
    while (std::optional<Line> line = nextLine()) {
        if (isDelimiter(line->bytes, "BEGIN:VCARD")) {
            // A card that starts before the last one ended: the last one lost its END.
            if (inCard)
                ++m_damaged;
            inCard = true;
            damaged = false;
            cardBytes = 0;
            lines.clear();
            continue;
        }
        if (!inCard)
            continue;
        if (isDelimiter(line->bytes, "END:VCARD")) {
            inCard = false;
            std::optional<Card> card = damaged ? std::nullopt : parse(lines);
            if (!card) {
                ++m_damaged;
                lines.clear();
                continue;
            }
            if (m_keepSource) {
                card->source = "BEGIN:VCARD\r\n" + lines.join("\r\n") + (lines.isEmpty() ? "" : "\r\n")
                               + "END:VCARD\r\n";
            }
            return card;
        }
        if (damaged)
            continue;
        cardBytes += line->bytes.size() + 2;
        if (line->overlong || cardBytes > MaxCardBytes) {
            damaged = true;
            lines.clear();
            continue;
        }
        lines.append(line->bytes);
    }
    if (inCard)
        ++m_damaged;
    return std::nullopt;
}

std::optional<VCardReader::Card> VCardReader::parse(const QList<QByteArray> &lines) const
{
    Version version = Version::V30; // a card without VERSION is read as the common case
    for (const QByteArray &line : lines) {
        if (startsWithNoCase(line, "VERSION:")) {
            const QByteArray value = line.mid(8).trimmed();
            if (value == "2.1")
                version = Version::V21;
            else if (value == "3.0")
                version = Version::V30;
            else if (value == "4.0")
                version = Version::V40;
            else
                return std::nullopt;
            break;
        }
    }

    // Unfold: a line that starts with a space or tab continues the last one (in 2.1 the
    // whitespace is part of the text, later versions drop it); a quoted-printable value that
    // ends in "=" continues on the next line whatever it starts with.
    QList<LogicalLine> logical;
    bool softBreak = false;
    for (const QByteArray &physical : lines) {
        if (softBreak)
            logical.last().bytes += physical;
        else if (!logical.isEmpty() && !physical.isEmpty() && isSpace(physical.at(0)))
            logical.last().bytes += version == Version::V21 ? physical : physical.mid(1);
        else if (physical.trimmed().isEmpty())
            continue;
        else
            logical.append(LogicalLine(physical));
        LogicalLine &current = logical.last();
        softBreak = current.bytes.endsWith('=') && current.quotedPrintable();
        if (softBreak)
            current.bytes.chop(1);
    }

    Card card;
    std::optional<Property> n, fn;
    for (LogicalLine &line : logical) {
        const std::optional<QByteArrayView> name = nameOf(line);
        if (!name)
            return std::nullopt;
        // Only three properties matter; the others are checked to be properties and skipped.
        if (isDelimiter(*name, "N") && !n)
            n = splitProperty(line);
        else if (isDelimiter(*name, "FN") && !fn)
            fn = splitProperty(line);
        else if (isDelimiter(*name, "TEL") && !card.phoneNumber) {
            // The first number that has one; an empty TEL line is no number. 4.0 writes it as
            // a "tel:" address.
            QString number = unescape(textOf(splitProperty(line), version));
            if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            if (!number.trimmed().isEmpty())
                card.phoneNumber = number;
        }
    }

    if (n) {
        const QStringList parts = components(textOf(*n, version));
        card.familyName = unescape(parts.value(0));
        card.givenName = unescape(parts.value(1));
    }
    // An N that names nobody (companies often carry "N:;;;;") falls back to FN as well.
    if (card.givenName.isEmpty() && card.familyName.isEmpty() && fn)
        card.givenName = unescape(textOf(*fn, version));
    return card;
}

// The quick way through a repository document: one pass over its bytes straight into the
// packages, for the plain JSON that repositories are written in. Whatever it is not sure the full
// parse would read the same way, it hands back unread (see readPlainPackages).
#include "packages.h"

#include <array>
#include <cstring>
#include <string_view>

namespace {

// As the document spells them, in the order of Packages::Text, then DockOpacity.
constexpr std::string_view MemberNames[] = {"PackageName", "PackageID",    "Category", "PackageVersion",
                                            "AppIcon",     "AuthorEmail",  "ContactEmail", "Website",
                                            "Description", "DockOpacity"};
constexpr int DockOpacityMember = Packages::TextCount;
constexpr unsigned RequiredMembers = 0b1111;
// Far below the full parser's own nesting limit, so both always agree on what is too deep.
constexpr int MaxDepth = 32;
// Numbers no longer than this, with exponents no larger, stay finite and above the smallest
// double, where the full parse would refuse or round them in its own way.
constexpr int MaxDigits = 50;
constexpr int MaxExponent = 200;

// Bytes that stand for themselves inside a string: printable ASCII but the quote and backslash.
constexpr auto PlainByte = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c)
        plain[c] = c != '"' && c != '\\';
    return plain;
}();

int memberIndex(std::string_view name)
{
    for (int i = 0; i <= DockOpacityMember; ++i) {
        if (MemberNames[i] == name)
            return i;
    }
    return -1;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// An ASCII string's content whose escapes were checked when it was scanned.
void appendUnescaped(const char *begin, const char *end, QString &out)
{
    const char *run = begin;
    for (const char *q = begin; q != end;) {
        if (*q != '\\') {
            ++q;
            continue;
        }
        out += QLatin1StringView(run, q - run);
        const char escape = q[1];
        q += 2;
        switch (escape) {
        case 'b': out += u'\b'; break;
        case 'f': out += u'\f'; break;
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        case 'u':
            // Each escape is one UTF-16 unit: pairs join by standing together, lone halves stay.
            out += QChar(char16_t((hexValue(q[0]) << 12) | (hexValue(q[1]) << 8) | (hexValue(q[2]) << 4)
                                  | hexValue(q[3])));
            q += 4;
            break;
        default: out += QLatin1Char(escape); break; // '"', '\\' or '/'
        }
        run = q;
    }
    out += QLatin1StringView(run, end - run);
}

class Reader
{
public:
    explicit Reader(QByteArrayView json) : m_p(json.data()), m_end(json.data() + json.size())
    {
        // Texts never take more characters than their bytes; what is left over is given back.
        m_texts.reserve(json.size());
    }

    std::optional<QList<Packages>> read()
    {
        QList<Packages> packages;
        // A byte-order mark is allowed once, at the very start, as in the full parse.
        takeWord("\xef\xbb\xbf");
        skipSpace();
        if (!take('['))
            return std::nullopt;
        skipSpace();
        if (!take(']')) {
            do {
                skipSpace();
                Packages package;
                if (!readPackage(package))
                    return std::nullopt;
                package.id = freshPackageId();
                packages.append(std::move(package));
                skipSpace();
            } while (take(','));
            if (!take(']'))
                return std::nullopt;
        }
        skipSpace();
        if (m_p != m_end)
            return std::nullopt;
        m_texts.squeeze();
        for (Packages &package : packages)
            package.shareTexts(m_texts);
        return packages;
    }

private:
    void skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
    }

    bool take(char c)
    {
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    bool takeWord(std::string_view word)
    {
        if (size_t(m_end - m_p) < word.size() || std::memcmp(m_p, word.data(), word.size()) != 0)
            return false;
        m_p += word.size();
        return true;
    }

    bool readPackage(Packages &package)
    {
        if (!take('{'))
            return false;
        unsigned seen = 0;
        skipSpace();
        if (!take('}')) {
            do {
                skipSpace();
                const char *name = nullptr, *nameEnd = nullptr;
                bool escaped = false, ascii = true;
                // An escaped name may spell a listed one, and so may one behind a byte-order
                // mark, which the full parse drops; it reads those.
                if (!scanString(name, nameEnd, escaped, ascii) || escaped || !ascii)
                    return false;
                const int member = memberIndex(std::string_view(name, size_t(nameEnd - name)));
                skipSpace();
                if (!take(':'))
                    return false;
                skipSpace();
                if (member < 0) {
                    if (!skipValue(3))
                        return false;
                } else {
                    // A repeated member: the full parse keeps the last, and decides.
                    if (seen & (1u << member))
                        return false;
                    seen |= 1u << member;
                    if (!readMember(package, member))
                        return false;
                }
                skipSpace();
            } while (take(','));
            if (!take('}'))
                return false;
        }
        return (seen & RequiredMembers) == RequiredMembers;
    }

    bool readMember(Packages &package, int member)
    {
        if (takeWord("null"))
            return member > int(Packages::Text::PackageVersion);
        if (member == DockOpacityMember)
            return readInteger(package.DockOpacity);
        const char *begin = nullptr, *end = nullptr;
        bool escaped = false, ascii = true;
        if (!scanString(begin, end, escaped, ascii))
            return false;
        // Escapes among other UTF-8 characters: where the full parse keeps or drops a
        // byte-order mark there is its own affair.
        if (escaped && !ascii)
            return false;
        const qsizetype start = m_texts.size();
        if (escaped)
            appendUnescaped(begin, end, m_texts);
        else if (ascii)
            m_texts += QLatin1StringView(begin, end - begin);
        else
            m_texts += QString::fromUtf8(begin, end - begin); // drops an opening byte-order mark, as the full parse does
        package.setText(Packages::Text(member), start, m_texts.size() - start);
        return true;
    }

    // Only an integer of up to 18 digits, which a 64-bit integer holds exactly, or of up to 15
    // with a fraction of zeros, which a double holds exactly; other fractions, exponents and
    // longer numbers are left to the full parse.
    bool readInteger(std::optional<qint64> &out)
    {
        const bool negative = take('-');
        const char *digits = m_p;
        qint64 value = 0;
        while (m_p != m_end && isDigit(*m_p))
            ++m_p;
        const qsizetype count = m_p - digits;
        for (const char *d = digits; count <= 18 && d != m_p; ++d)
            value = value * 10 + (*d - '0');
        if (count == 0 || count > 18 || (count > 1 && *digits == '0'))
            return false;
        if (count <= 15 && take('.')) {
            const char *zeros = m_p;
            while (m_p != m_end && *m_p == '0')
                ++m_p;
            if (m_p == zeros)
                return false;
        }
        if (m_p != m_end && (isDigit(*m_p) || *m_p == '.' || *m_p == 'e' || *m_p == 'E'))
            return false;
        out = negative ? -value : value;
        return true;
    }

    // A member value that is not listed: checked, not kept.
    bool skipValue(int depth)
    {
        if (m_p == m_end || depth > MaxDepth)
            return false;
        switch (*m_p) {
        case '"': {
            const char *begin = nullptr, *end = nullptr;
            bool escaped = false, ascii = true;
            return scanString(begin, end, escaped, ascii);
        }
        case '[':
            ++m_p;
            skipSpace();
            if (take(']'))
                return true;
            do {
                skipSpace();
                if (!skipValue(depth + 1))
                    return false;
                skipSpace();
            } while (take(','));
            return take(']');
        case '{':
            ++m_p;
            skipSpace();
            if (take('}'))
                return true;
            do {
                skipSpace();
                const char *begin = nullptr, *end = nullptr;
                bool escaped = false, ascii = true;
                if (!scanString(begin, end, escaped, ascii))
                    return false;
                skipSpace();
                if (!take(':'))
                    return false;
                skipSpace();
                if (!skipValue(depth + 1))
                    return false;
                skipSpace();
            } while (take(','));
            return take('}');
        case 't': return takeWord("true");
        case 'f': return takeWord("false");
        case 'n': return takeWord("null");
        default: return skipNumber();
        }
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, within MaxDigits and MaxExponent.
    bool skipNumber()
    {
        take('-');
        const char *start = m_p;
        if (take('0')) {
            if (m_p != m_end && isDigit(*m_p))
                return false;
        } else {
            while (m_p != m_end && isDigit(*m_p))
                ++m_p;
            if (m_p == start)
                return false;
        }
        qsizetype digits = m_p - start;
        if (take('.')) {
            const char *fraction = m_p;
            while (m_p != m_end && isDigit(*m_p))
                ++m_p;
            if (m_p == fraction)
                return false;
            digits += m_p - fraction;
        }
        if (digits > MaxDigits)
            return false;
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            const char *exponent = m_p;
            int value = 0;
            while (m_p != m_end && isDigit(*m_p) && m_p - exponent < 4)
                value = value * 10 + (*m_p++ - '0');
            if (m_p == exponent || value > MaxExponent || (m_p != m_end && isDigit(*m_p)))
                return false;
        }
        return true;
    }

    // From the opening quote to past the closing one; [begin, end) is the content. Refuses raw
    // control characters, unknown escapes and any UTF-8 that is not well formed.
    bool scanString(const char *&begin, const char *&end, bool &escaped, bool &ascii)
    {
        if (!take('"'))
            return false;
        begin = m_p;
        for (;;) {
            while (m_p != m_end && PlainByte[uchar(*m_p)])
                ++m_p;
            if (m_p == m_end)
                return false;
            const uchar c = uchar(*m_p);
            if (c == '"') {
                end = m_p++;
                return true;
            }
            if (c == '\\') {
                escaped = true;
                if (!scanEscape())
                    return false;
            } else if (c < 0x20 || !scanUtf8()) {
                return false;
            } else {
                ascii = false;
            }
        }
    }

    bool scanEscape()
    {
        ++m_p; // the backslash
        if (m_p == m_end)
            return false;
        switch (*m_p++) {
        case '"': case '\\': case '/': case 'b': case 'f': case 'n': case 'r': case 't': return true;
        case 'u':
            for (int i = 0; i < 4; ++i) {
                if (m_p == m_end || hexValue(*m_p++) < 0)
                    return false;
            }
            return true;
        default: return false;
        }
    }

    // One multi-byte character: no overlong forms, no surrogates, nothing past U+10FFFF.
    bool scanUtf8()
    {
        const uchar lead = uchar(*m_p);
        int more = 0;
        uchar low = 0x80, high = 0xbf; // the range of the second byte
        if (lead >= 0xc2 && lead <= 0xdf) {
            more = 1;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            more = 2;
            if (lead == 0xe0)
                low = 0xa0;
            else if (lead == 0xed)
                high = 0x9f;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            more = 3;
            if (lead == 0xf0)
                low = 0x90;
            else if (lead == 0xf4)
                high = 0x8f;
        } else {
            return false;
        }
        if (m_end - m_p <= more)
            return false;
        ++m_p;
        for (int i = 0; i < more; ++i, ++m_p) {
            const uchar c = uchar(*m_p);
            if (c < (i == 0 ? low : 0x80) || c > (i == 0 ? high : 0xbf))
                return false;
        }
        return true;
    }

    const char *m_p;
    const char *m_end;
    QString m_texts; // of every package, shared by them all at the end
};

} // namespace

std::optional<QList<Packages>> readPlainPackages(QByteArrayView json)
{
    return Reader(json).read();
}

#include "vcardreader.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

// Hands out the data a few bytes at a time, so that every line break and soft break falls on a
// read boundary somewhere.
class TrickleBuffer : public QBuffer
{
public:
    TrickleBuffer(const QByteArray &data, qint64 step) : m_step(step)
    {
        setData(data);
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override { return QBuffer::readData(data, qMin(maxSize, m_step)); }

private:
    qint64 m_step;
};

// Thousands of randomly damaged address books: the reader must neither crash nor hang, must
// never make up a card where no card began, and every card it accepts must read back alike
// from its own source (which is what an import copies).
class TestVCardFuzz : public QObject
{
    Q_OBJECT

private:
    static QByteArray corpus()
    {
        return QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\nTEL;TYPE=CELL:+1 555 0100\r\n"
                          "END:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCl=\r\nler;J=C3=B6rg\r\n"
                          "TEL;HOME;VOICE:030\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ola \\, Nordvik\r\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+47\r\n"
                          "NOTE:Folded\r\n  line\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\nVERSION:3.0\nitem1.N:O\\;Brien;Se\\\\an\nEND:VCARD\n");
    }

    static QByteArray mutate(QByteArray data, QRandomGenerator &random)
    {
        static const QList<QByteArray> tokens = {
            "\r\n", "\r", "\n", "\r\n ", "\r\n\t", "=", "=\r\n", "=C3", "=ZZ", ";", ":", "\\", "\"", ".", ",",
            "BEGIN:VCARD\r\n", "END:VCARD\r\n", "VERSION:2.1\r\n", "VERSION:9\r\n", ";ENCODING=QUOTED-PRINTABLE",
            ";CHARSET=ISO-8859-1", ";ENCODING=b", "\xff", "\xc3", "\xef\xbb\xbf", QByteArray(1, '\0'), "TEL:", "N:",
            "FN:", "tel:"};
        const int steps = 1 + int(random.bounded(8));
        for (int s = 0; s < steps; ++s) {
            const qsizetype at = data.isEmpty() ? 0 : qsizetype(random.bounded(quint32(data.size())));
            switch (random.bounded(6)) {
            case 0: // one byte changed
                if (!data.isEmpty())
                    data[at] = char(random.bounded(256));
                break;
            case 1: // a token of the format inserted
                data.insert(at, tokens.at(random.bounded(qsizetype(tokens.size()))));
                break;
            case 2: // a range removed
                data.remove(at, qsizetype(random.bounded(40)));
                break;
            case 3: // a range repeated
                data.insert(at, data.mid(at, qsizetype(random.bounded(60))));
                break;
            case 4: // cut short
                data.truncate(at);
                break;
            default: // a long run of one byte
                data.insert(at, QByteArray(qsizetype(random.bounded(200)), "=\r \\;:"[random.bounded(6)]));
                break;
            }
        }
        return data;
    }

    // Lines that start a card, counted the way any reader would split lines.
    static int beginLines(const QByteArray &data)
    {
        static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
        int count = 0;
        // A byte order mark belongs to the file, not to its first line.
        const QByteArray text = data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
        for (const QString &line : QString::fromLatin1(text).split(breaks)) {
            QString trimmed = line;
            while (trimmed.endsWith(u' ') || trimmed.endsWith(u'\t'))
                trimmed.chop(1);
            if (trimmed.compare(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive) == 0)
                ++count;
        }
        return count;
    }

    // A failing input, kept for a person to look at.
    static QString keep(const QByteArray &data, int iteration)
    {
        const QString path = QDir::temp().filePath(QStringLiteral("vcard-fuzz-%1.vcf").arg(iteration));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(data);
        return path;
    }

private slots:
    void randomlyDamagedBooks()
    {
        const int iterations = qEnvironmentVariableIntValue("KESTREL_FUZZ_ITERATIONS") > 0
                                   ? qEnvironmentVariableIntValue("KESTREL_FUZZ_ITERATIONS")
                                   : 5000;
        QRandomGenerator random(20240109);
        const QByteArray seed = corpus();
        int accepted = 0, damaged = 0;
        for (int i = 0; i < iterations; ++i) {
            const QByteArray data = mutate(i % 4 == 0 ? seed + seed : seed, random);
            QBuffer buffer;
            buffer.setData(data);
            buffer.open(QIODevice::ReadOnly);
            VCardReader reader(&buffer);
            reader.setKeepSource(true);
            int cards = 0;
            while (std::optional<VCardReader::Card> card = reader.next()) {
                ++cards;
                const QList<VCardReader::Card> again = VCardReader::readAll(card->source);
                QVERIFY2(again.size() == 1, qPrintable(QStringLiteral("iteration %1: a card's source does not read back").arg(i)));
                QVERIFY2(again.first().givenName == card->givenName && again.first().familyName == card->familyName
                             && again.first().phoneNumber == card->phoneNumber,
                         qPrintable(QStringLiteral("iteration %1: a card reads back differently").arg(i)));
            }
            QVERIFY(!reader.hasError());
            // Read in small pieces, the same book gives the same cards.
            TrickleBuffer trickle(data, 1 + qint64(random.bounded(16)));
            VCardReader pieces(&trickle);
            QList<VCardReader::Card> again;
            while (std::optional<VCardReader::Card> card = pieces.next())
                again.append(*card);
            const QList<VCardReader::Card> whole = VCardReader::readAll(data);
            if (again.size() != whole.size() || pieces.damagedCount() != reader.damagedCount())
                QFAIL(qPrintable(QStringLiteral("iteration %1: reading in pieces differs in %2").arg(i).arg(keep(data, i))));
            for (qsizetype c = 0; c < whole.size(); ++c)
                QVERIFY2(again.at(c).givenName == whole.at(c).givenName && again.at(c).familyName == whole.at(c).familyName
                             && again.at(c).phoneNumber == whole.at(c).phoneNumber,
                         qPrintable(QStringLiteral("iteration %1: a card differs when read in pieces").arg(i)));
            if (cards + reader.damagedCount() > beginLines(data))
                QFAIL(qPrintable(QStringLiteral("iteration %1: more cards than BEGIN lines in %2").arg(i).arg(keep(data, i))));
            accepted += cards;
            damaged += reader.damagedCount();
        }
        // The mutations must leave many cards whole and damage many others, or this tests little.
        QVERIFY2(accepted > iterations, qPrintable(QString::number(accepted)));
        QVERIFY2(damaged > iterations / 10, qPrintable(QString::number(damaged)));
    }
};

QTEST_GUILESS_MAIN(TestVCardFuzz)
#include "tst_vcardfuzz.moc"

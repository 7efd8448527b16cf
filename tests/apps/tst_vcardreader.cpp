#include "vcardreader.h"

#include <QtTest>

namespace {

QByteArray card(const QByteArray &body, const QByteArray &version = "3.0")
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

QStringList describe(const QList<VCardReader::Card> &cards)
{
    QStringList out;
    for (const VCardReader::Card &c : cards)
        out.append(c.givenName + "|" + c.familyName + "|" + c.phoneNumber.value_or("-"));
    return out;
}

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

// Reading in pieces gives what reading at once gives, and each card's own source (which is what
// an import copies) reads back as the same card.
void checkReadInPieces(const QByteArray &data)
{
    int damaged = 0;
    const QStringList whole = describe(VCardReader::readAll(data, &damaged));
    for (const qint64 step : {1, 3}) {
        TrickleBuffer buffer(data, step);
        VCardReader reader(&buffer);
        reader.setKeepSource(true);
        QList<VCardReader::Card> cards;
        while (const std::optional<VCardReader::Card> card = reader.next()) {
            QCOMPARE(describe(VCardReader::readAll(card->source)), describe({*card}));
            cards.append(*card);
        }
        QCOMPARE(describe(cards), whole);
        QCOMPARE(reader.damagedCount(), damaged);
    }
}

} // namespace

class TestVCardReader : public QObject
{
    Q_OBJECT

private slots:
    void readsNamesAndFirstNumber_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QVariant>("phone"); // null: no number

        QTest::newRow("3.0, first TEL wins")
            << card("N:Doe;Jane;;;\r\nFN:Jane Doe\r\nTEL;TYPE=CELL:+1 555 0100\r\nTEL:999\r\n") << "Jane" << "Doe"
            << QVariant("+1 555 0100");
        QTest::newRow("4.0 number as a tel: address, quoted parameter")
            << card("FN:Ola Nordvik\r\nN:Nordvik;Ola;;;\r\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+47-2200-0000\r\n", "4.0")
            << "Ola" << "Nordvik" << QVariant("+47-2200-0000");
        QTest::newRow("2.1 quoted-printable UTF-8")
            << card("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=B6rg\r\nTEL;HOME;VOICE:0301234\r\n", "2.1")
            << QString::fromUtf8("J\xc3\xb6rg") << QString::fromUtf8("M\xc3\xbcller") << QVariant("0301234");
        QTest::newRow("2.1 bare QUOTED-PRINTABLE, soft line break")
            << card("N;QUOTED-PRINTABLE:Sch=\r\nmidt;Anna\r\n", "2.1") << "Anna" << "Schmidt" << QVariant();
        QTest::newRow("2.1 soft break onto a line that starts with a space")
            << card("N;ENCODING=QUOTED-PRINTABLE:Van=\r\n der Berg;Piet\r\n", "2.1") << "Piet" << "Van der Berg" << QVariant();
        // Bytes that would also read as UTF-8: the declared charset decides.
        QTest::newRow("2.1 ISO-8859-1 quoted-printable")
            << card("N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;Jo\r\n", "2.1") << "Jo"
            << QString::fromLatin1("M\xc3\xbcller") << QVariant();
        QTest::newRow("2.1 Latin-1 bytes without a charset")
            << card("N:M\xfcller;Jo\r\n", "2.1") << "Jo" << QString::fromUtf8("M\xc3\xbcller") << QVariant();
        QTest::newRow("3.0 folding drops one space")
            << card("N:Wester\r\n huis;E\r\n\tva\r\n") << "Eva" << "Westerhuis" << QVariant();
        QTest::newRow("2.1 folding keeps the space")
            << card("N:Van der\r\n Berg;Piet\r\n", "2.1") << "Piet" << "Van der Berg" << QVariant();
        QTest::newRow("escaped characters")
            << card("N:O\\;Brien\\, Jr.;Se\\\\an\\nX;;;\r\n") << QString("Se\\an\nX") << "O;Brien, Jr." << QVariant();
        QTest::newRow("a trailing backslash is kept") << card("FN:Back\\\r\n") << "Back\\" << "" << QVariant();
        QTest::newRow("FN when there is no N")
            << card("FN:Larkspur Plumbing\\, Ltd\r\nTEL:12\r\n") << "Larkspur Plumbing, Ltd" << "" << QVariant("12");
        QTest::newRow("FN when N names nobody") << card("N:;;;;\r\nFN:Harbour Office\r\n") << "Harbour Office" << ""
                                                << QVariant();
        QTest::newRow("N before FN") << card("FN:Someone Else\r\nN:Quill;Ada\r\n") << "Ada" << "Quill" << QVariant();
        QTest::newRow("family name only") << card("N:Okafor;;;;\r\n") << "" << "Okafor" << QVariant();
        QTest::newRow("no names at all") << card("TEL:777\r\n") << "" << "" << QVariant("777");
        QTest::newRow("grouped TEL, lower-case names")
            << QByteArray("begin:vcard\r\nversion:3.0\r\nn:lind;mira\r\nitem1.TEL:+46 8 000\r\nend:vcard\r\n") << "mira"
            << "lind" << QVariant("+46 8 000");
        QTest::newRow("empty TEL skipped") << card("N:A;B\r\nTEL:\r\nTEL;TYPE=WORK:55\r\n") << "B" << "A" << QVariant("55");
        QTest::newRow("LF line ends") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:Ko;Li\nTEL:1\nEND:VCARD\n") << "Li"
                                      << "Ko" << QVariant("1");
        QTest::newRow("CR line ends") << QByteArray("BEGIN:VCARD\rVERSION:3.0\rN:Ko;Li\rEND:VCARD") << "Li" << "Ko"
                                      << QVariant();
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + card("N:Be;Al\r\n") << "Al" << "Be" << QVariant();
        QTest::newRow("no VERSION read as 3.0") << QByteArray("BEGIN:VCARD\r\nN:X\r\n y;Z\r\nEND:VCARD\r\n") << "Z" << "Xy"
                                                << QVariant();
        QTest::newRow("colon inside a quoted parameter")
            << card("TEL;X-LABEL=\"a:b\":555\r\nN:P;Q\r\n") << "Q" << "P" << QVariant("555");
        QTest::newRow("blank lines and a photo")
            << card("PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\r\n  AAAQABAAD\r\n\r\nN:Ek;Jo\r\n") << "Jo" << "Ek"
            << QVariant();
    }

    void readsNamesAndFirstNumber()
    {
        QFETCH(QByteArray, data);
        QFETCH(QVariant, phone);
        int damaged = -1;
        const QList<VCardReader::Card> cards = VCardReader::readAll(data, &damaged);
        QCOMPARE(damaged, 0);
        QCOMPARE(cards.size(), 1);
        checkReadInPieces(data);
        QTEST(cards.first().givenName, "given");
        QTEST(cards.first().familyName, "family");
        QCOMPARE(cards.first().phoneNumber.has_value(), !phone.isNull());
        if (!phone.isNull())
            QCOMPARE(*cards.first().phoneNumber, phone.toString());
    }

    void damagedCardsAreSkippedAndTheRestRead_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<int>("count");
        QTest::newRow("no END before the next card") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lost;Card\r\n") << 1;
        QTest::newRow("a line that is no property") << card("N:Bad;Card\r\nthis line has no colon\r\n") << 1;
        QTest::newRow("unknown version") << card("N:Bad;Card\r\n", "5.0") << 1;
        QTest::newRow("empty property name") << card(":value\r\n") << 1;
        QTest::newRow("a card far too large")
            << card("NOTE:" + QByteArray(VCardReader::MaxCardBytes + 10, 'x') + "\r\n") << 1;
        QTest::newRow("many short lines beyond the limit")
            << card(QByteArray("X:").append(QByteArray("\r\n x").repeated(VCardReader::MaxCardBytes / 4))) << 1;
        QTest::newRow("two broken in a row") << QByteArray("BEGIN:VCARD\r\nN:x\r\nBEGIN:VCARD\r\nnonsense\r\nEND:VCARD\r\n")
                                             << 2;
        QTest::newRow("stray lines between cards") << QByteArray("garbage\r\nEND:VCARD\r\n:::\r\n") << 0;
    }

    void damagedCardsAreSkippedAndTheRestRead()
    {
        QFETCH(QByteArray, damaged);
        const QByteArray data = card("N:One;First\r\n") + damaged + card("N:Two;Second\r\n");
        int count = -1;
        const QList<VCardReader::Card> cards = VCardReader::readAll(data, &count);
        QCOMPARE(describe(cards), QStringList({"First|One|-", "Second|Two|-"}));
        QTEST(count, "count");
        if (damaged.size() < VCardReader::MaxCardBytes) // a byte at a time would take long
            checkReadInPieces(data);
    }

    void unterminatedLastCardIsDamaged()
    {
        int damaged = 0;
        const auto cards = VCardReader::readAll(card("N:A;B\r\n") + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:C;D\r\n", &damaged);
        QCOMPARE(describe(cards), QStringList{"B|A|-"});
        QCOMPARE(damaged, 1);
        checkReadInPieces(card("N:A;B\r\n") + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:C;D\r\n");
    }

    // Many times the reader's 64 KiB read size.
    void largeBookInOrder()
    {
        QByteArray data;
        for (int i = 0; i < 5000; ++i)
            data += card("N:Family" + QByteArray::number(i) + ";Given\r\nTEL:" + QByteArray::number(i) + "\r\n");
        const auto cards = VCardReader::readAll(data);
        QCOMPARE(cards.size(), 5000);
        QCOMPARE(cards.at(4321).familyName, "Family4321");
        QCOMPARE(*cards.at(4321).phoneNumber, "4321");
    }
};

QTEST_GUILESS_MAIN(TestVCardReader)
#include "tst_vcardreader.moc"

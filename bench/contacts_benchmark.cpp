// Reading and sorting an address book of 10,000 contacts (the contacts tab's refresh: the vCard
// reader, the records and the stable sort by given name) against a bare read of the same file.
#include "desktopcontactsstore.h"
#include "phonecontactsmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Contacts = 10000;
constexpr int Runs = 21;

QByteArray name(QRandomGenerator &random)
{
    static const char *const syllables[] = {"ka", "lo", "mi", "ren", "sa", "tor", "vi", "an", "el", "os", "ul", "bre",
                                            "dan", "fe", "gri", "ho", "ja", "qui", "ze", "wy"};
    QByteArray text;
    const int count = 2 + int(random.bounded(3));
    for (int i = 0; i < count; ++i)
        text += syllables[random.bounded(20)];
    // Mostly capitalised, some not, so both halves of the code point order are exercised.
    if (random.bounded(10) > 0)
        text[0] = char(text.at(0) - 'a' + 'A');
    return text;
}

// A book of the kinds of cards people import: mostly 3.0, some 2.1 with quoted-printable
// names, some 4.0 with tel: addresses, folded notes, and cards without a number.
QByteArray book(int contacts)
{
    QRandomGenerator random(42);
    QByteArray data;
    for (int i = 0; i < contacts; ++i) {
        const QByteArray given = name(random), family = name(random);
        const QByteArray number = "+1 555 " + QByteArray::number(1000 + random.bounded(9000));
        switch (i % 10) {
        case 0:
            data += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + family + "=C3=A9;" + given
                    + "\r\nTEL;CELL:" + number + "\r\nEND:VCARD\r\n";
            break;
        case 1:
            data += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" + given + " " + family + "\r\nN:" + family + ";" + given
                    + ";;;\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:" + number + "\r\nEND:VCARD\r\n";
            break;
        case 2:
            data += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + family + ";" + given + ";;;\r\nFN:" + given + " " + family
                    + "\r\nEND:VCARD\r\n";
            break;
        default:
            data += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + family + ";" + given + ";;;\r\nFN:" + given + " " + family
                    + "\r\nORG:Harbour Works\r\nTEL;TYPE=CELL:" + number + "\r\nTEL;TYPE=WORK:" + number
                    + "\r\nNOTE:Met at the spring fair\\, wants a call back about the boat\r\n  before the end of the mont"
                      "h.\r\nEND:VCARD\r\n";
        }
    }
    return data;
}

template<typename Work>
double medianMilliseconds(Work work)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(Runs / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("contacts.vcf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(book(Contacts)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    DesktopContactsStore store(path, root.filePath(QStringLiteral("simulator.ini")));
    PhoneContactsModel model;
    model.setStore(&store);

    qsizetype bytes = 0;
    const double bare = medianMilliseconds([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll().size();
    });
    qsizetype listed = 0;
    const double full = medianMilliseconds([&] { listed = model.fetchContacts().size(); });
    if (listed != Contacts) {
        std::fprintf(stderr, "read %lld contacts, expected %d\n", qlonglong(listed), Contacts);
        return 1;
    }

    std::printf("address book: %d contacts, %.1f MB\n", Contacts, double(bytes) / 1e6);
    std::printf("bare read of the file:   %8.2f ms (median of %d)\n", bare, Runs);
    std::printf("read, parse and sort:    %8.2f ms (median of %d)\n", full, Runs);
    std::printf("ratio read+sort / bare read: %.1fx\n", full / bare);
    return 0;
}

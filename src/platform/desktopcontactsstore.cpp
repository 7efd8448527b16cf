#include "desktopcontactsstore.h"

#include "vcardreader.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QThreadPool>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString AuthorizationKey = QStringLiteral("Contacts/Authorization");

QString identity(const QString &given, const QString &family, const std::optional<QString> &number)
{
    return given + QChar(0x1f) + family + QChar(0x1f) + (number ? *number : QStringLiteral("\x1e"));
}

// QSaveFile syncs the new book's data before renaming it over the old one, but not the directory
// holding the rename: without this an import shown as done could be undone by a power cut.
void syncDirectoryOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

DesktopContactsStore::DesktopContactsStore(const QString &addressBookPath, const QString &stateFile, QObject *parent)
    : ContactsStore(parent), m_addressBook(addressBookPath), m_stateFile(stateFile)
{
}

ContactsStore::Authorization DesktopContactsStore::authorization() const
{
    // Read afresh each time: the state file is the one place the permission lives.
    const QSettings state(m_stateFile, QSettings::IniFormat);
    if (!state.contains(AuthorizationKey))
        return Authorization::NotDetermined;
    const QByteArray name = state.value(AuthorizationKey).toString().toLatin1();
    bool ok = false;
    const int value = QMetaEnum::fromType<Authorization>().keyToValue(name.constData(), &ok);
    if (!ok || value == int(Authorization::Unknown))
        return Authorization::Unknown;
    return Authorization(value);
}

void DesktopContactsStore::setAuthorization(Authorization status)
{
    const Authorization before = authorization();
    QSettings state(m_stateFile, QSettings::IniFormat);
    state.setValue(AuthorizationKey, QString::fromLatin1(QMetaEnum::fromType<Authorization>().valueToKey(int(status))));
    state.sync();
    if (before != status)
        emit authorizationChanged();
}

void DesktopContactsStore::requestAccess(AccessReply reply)
{
    if (!reply)
        return;
    switch (authorization()) {
    case Authorization::NotDetermined:
        m_waiting.append(std::move(reply));
        if (m_waiting.size() == 1)
            emit promptShownChanged();
        return;
    case Authorization::Authorized:
        deliver({reply}, true);
        return;
    default:
        // Refused, restricted or unreadable: answered at once, without asking.
        deliver({reply}, false);
        return;
    }
}

void DesktopContactsStore::deliver(const QList<AccessReply> &replies, bool granted)
{
    for (const AccessReply &reply : replies)
        QThreadPool::globalInstance()->start([reply, granted] { reply(granted, QString()); });
}

void DesktopContactsStore::answerPrompt(bool allow)
{
    if (m_waiting.isEmpty())
        return;
    setAuthorization(allow ? Authorization::Authorized : Authorization::Denied);
    const QList<AccessReply> waiting = std::exchange(m_waiting, {});
    emit promptShownChanged();
    deliver(waiting, allow);
}

void DesktopContactsStore::grant()
{
    if (promptShown())
        answerPrompt(true);
    else
        setAuthorization(Authorization::Authorized);
}

void DesktopContactsStore::deny()
{
    if (promptShown())
        answerPrompt(false);
    else
        setAuthorization(Authorization::Denied);
}

void DesktopContactsStore::reset() { setAuthorization(Authorization::NotDetermined); }

bool DesktopContactsStore::enumerate(QList<Contact> *contacts, QString *error) const
{
    QFile file(m_addressBook);
    // A phone that was never given contacts has an empty book, not a broken one.
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(m_addressBook, file.errorString());
        return false;
    }
    VCardReader reader(&file);
    while (std::optional<VCardReader::Card> card = reader.next())
        contacts->append({card->givenName, card->familyName, card->phoneNumber});
    if (reader.hasError()) {
        *error = QStringLiteral("%1: %2").arg(m_addressBook, reader.errorString());
        return false;
    }
    return true;
}

DesktopContactsStore::ImportResult DesktopContactsStore::importFile(const QString &path)
{
    ImportResult result;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        result.error = source.errorString();
        return result;
    }
    VCardReader reader(&source);
    reader.setKeepSource(true);
    QList<VCardReader::Card> cards;
    while (std::optional<VCardReader::Card> card = reader.next())
        cards.append(std::move(*card));
    result.damaged = reader.damagedCount();
    if (reader.hasError()) {
        result.error = reader.errorString();
        return result;
    }

    // The book is read whole before anything is written: a book that cannot be read is never
    // replaced by the imported cards alone.
    QByteArray book;
    QFile existing(m_addressBook);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            result.error = existing.errorString();
            return result;
        }
        book = existing.readAll();
        if (existing.error() != QFileDevice::NoError) {
            result.error = existing.errorString();
            return result;
        }
        existing.close();
    }
    QSet<QString> known;
    for (const VCardReader::Card &card : VCardReader::readAll(book))
        known.insert(identity(card.givenName, card.familyName, card.phoneNumber));

    QByteArray added;
    for (const VCardReader::Card &card : std::as_const(cards)) {
        const QString id = identity(card.givenName, card.familyName, card.phoneNumber);
        if (known.contains(id)) {
            ++result.alreadyPresent;
            continue;
        }
        known.insert(id);
        added += card.source;
        ++result.added;
    }
    if (result.added == 0)
        return result;

    if (!book.isEmpty() && !book.endsWith('\n') && !book.endsWith('\r'))
        book += "\r\n";
    QSaveFile out(m_addressBook);
    if (!out.open(QIODevice::WriteOnly) || out.write(book) != book.size() || out.write(added) != added.size()
        || !out.commit()) {
        result.error = out.errorString();
        result.added = 0;
    } else {
        syncDirectoryOf(m_addressBook);
    }
    return result;
}

QString DesktopContactsStore::importContacts(const QUrl &file)
{
    const QString path = file.isLocalFile() ? file.toLocalFile() : file.toString();
    const QString name = QFileInfo(path).fileName();
    const ImportResult result = importFile(path);
    if (!result.error.isEmpty())
        return QStringLiteral("Could not import %1: %2").arg(name, result.error);
    if (result.added == 0 && result.alreadyPresent == 0)
        return QStringLiteral("No contacts found in %1").arg(name);
    if (result.added == 0)
        return QStringLiteral("Every contact in %1 is already present").arg(name);
    QString text = result.added == 1 ? QStringLiteral("Imported 1 contact")
                                     : QStringLiteral("Imported %1 contacts").arg(result.added);
    if (result.alreadyPresent > 0)
        text += QStringLiteral(", %1 already present").arg(result.alreadyPresent);
    if (result.damaged > 0)
        text += QStringLiteral(", %1 damaged skipped").arg(result.damaged);
    return text;
}

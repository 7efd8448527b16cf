#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QUuid>
#include <array>
#include <optional>

// A new random (version 4) identifier. It only tells list rows apart, so it comes from the
// fast, once-seeded generator rather than from the system's entropy for every record.
inline QUuid newContactId()
{
    std::array<quint32, 4> words;
    QRandomGenerator::global()->fillRange(words.data(), words.size());
    auto *bytes = reinterpret_cast<uchar *>(words.data());
    bytes[6] = uchar((bytes[6] & 0x0f) | 0x40);
    bytes[8] = uchar((bytes[8] & 0x3f) | 0x80);
    return QUuid::fromRfc4122(QByteArrayView(bytes, 16));
}

// One row of the contacts list. The id is made new with the record and only tells rows apart.
struct ContactInfo {
    QUuid id = newContactId();
    QString firstName;
    QString lastName;
    std::optional<QString> phoneNumber; // the contact's first number, absent when it has none
};

#include "phonekeypadmodel.h"

#include <QVariantMap>

QVariantList PhoneKeypadModel::keys()
{
    static const char *const table[][2] = {
        {"1", ""},    {"2", "ABC"}, {"3", "DEF"},  {"4", "GHI"}, {"5", "JKL"}, {"6", "MNO"},
        {"7", "PQRS"}, {"8", "TUV"}, {"9", "WXYZ"}, {"*", ""},    {"0", "+"},   {"#", ""},
    };
    QVariantList keys;
    for (const auto &entry : table)
        keys.append(QVariantMap{{QStringLiteral("key"), QString::fromLatin1(entry[0])},
                                {QStringLiteral("letters"), QString::fromLatin1(entry[1])}});
    return keys;
}

void PhoneKeypadModel::press(const QString &key)
{
    if (key.size() != 1 || !QStringLiteral("0123456789*#").contains(key.at(0)))
        return;
    m_phoneNumber += key;
    emit phoneNumberChanged();
}

void PhoneKeypadModel::deleteLast()
{
    if (m_phoneNumber.isEmpty())
        return;
    m_phoneNumber.chop(1);
    emit phoneNumberChanged();
}

bool PhoneKeypadModel::call(UrlOpener *opener) const
{
    return opener && !m_phoneNumber.isEmpty() && opener->open(callUrl());
}

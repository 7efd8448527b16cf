#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "urlopener.h"

// The Phone keypad's typed number: exactly the keys pressed, in order, with no limit and no
// formatting; a call hands "tel:" and the number to the system.
class PhoneKeypadModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString PhoneNumber READ phoneNumber NOTIFY phoneNumberChanged)
    Q_PROPERTY(QString callUrl READ callUrl NOTIFY phoneNumberChanged)
    Q_PROPERTY(QVariantList keys READ keys CONSTANT)

public:
    using QObject::QObject;

    QString phoneNumber() const { return m_phoneNumber; }
    QString callUrl() const { return QStringLiteral("tel:") + m_phoneNumber; }

    // The twelve keys in rows of three: { key, letters } ("0" shows "+" but types "0").
    static QVariantList keys();

    // Appends the key's own character; anything that is not a key is ignored.
    Q_INVOKABLE void press(const QString &key);
    Q_INVOKABLE void deleteLast();
    // Hands the "tel:" URL to the system; false, and nothing happens, when it is no URL.
    Q_INVOKABLE bool call(UrlOpener *opener) const;

signals:
    void phoneNumberChanged();

private:
    QString m_phoneNumber;
};

#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <optional>

// The simulated phone: model name, screen size in points and safe-area insets of one profile.
class DeviceInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(QString profile READ profile CONSTANT)
    Q_PROPERTY(QString modelName READ modelName CONSTANT)
    Q_PROPERTY(QString profileName READ profileName CONSTANT)
    Q_PROPERTY(int screenWidth READ screenWidth CONSTANT)
    Q_PROPERTY(int screenHeight READ screenHeight CONSTANT)
    Q_PROPERTY(int topInset READ topInset CONSTANT)
    Q_PROPERTY(int bottomInset READ bottomInset CONSTANT)
    Q_PROPERTY(qreal scale READ scale CONSTANT)
    Q_PROPERTY(bool faceId READ faceId CONSTANT)
    Q_PROPERTY(QString biometryKind READ biometryKind CONSTANT)

public:
    struct Profile {
        QString id;
        QString description;
        int width;
        int height;
        int topInset;
        int bottomInset;
    };
    static const Profile FaceIdPhone;
    static const Profile TouchIdPhone;
    // "faceid" or "touchid"; anything else is not a profile.
    static std::optional<Profile> profileNamed(const QString &id);

    explicit DeviceInfo(const Profile &profile = FaceIdPhone, QObject *parent = nullptr);

    QString profile() const { return m_profile.id; }
    QString profileName() const { return m_profile.description; }
    QString modelName() const { return QStringLiteral("iPhone"); }
    int screenWidth() const { return m_profile.width; }
    int screenHeight() const { return m_profile.height; }
    int topInset() const { return m_profile.topInset; }
    int bottomInset() const { return m_profile.bottomInset; }
    qreal scale() const { return 1.0; }
    // Face ID when the window has a bottom safe-area inset, else Touch ID.
    bool faceId() const { return m_profile.bottomInset > 0; }
    QString biometryKind() const { return faceId() ? QStringLiteral("Face ID") : QStringLiteral("Touch ID"); }

private:
    Profile m_profile;
};

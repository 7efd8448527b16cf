#include "deviceinfo.h"

const DeviceInfo::Profile DeviceInfo::FaceIdPhone{QStringLiteral("faceid"),
                                                  QStringLiteral("Face ID phone, 390 x 844 pt"), 390, 844, 47, 34};
const DeviceInfo::Profile DeviceInfo::TouchIdPhone{QStringLiteral("touchid"),
                                                   QStringLiteral("Touch ID phone, 375 x 667 pt"), 375, 667, 20, 0};

std::optional<DeviceInfo::Profile> DeviceInfo::profileNamed(const QString &id)
{
    if (id == FaceIdPhone.id)
        return FaceIdPhone;
    if (id == TouchIdPhone.id)
        return TouchIdPhone;
    return std::nullopt;
}

DeviceInfo::DeviceInfo(const Profile &profile, QObject *parent) : QObject(parent), m_profile(profile) {}

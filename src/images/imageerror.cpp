#include "imageerror.h"

ImageError ImageError::image(int code, const QString &message, const QVariantMap &userInfo)
{
    return ImageError{QString::fromLatin1(Domain), code, message, userInfo};
}

ImageError ImageError::invalidStatus(int statusCode, const ImageError &underlying)
{
    QVariantMap info{{QString::fromLatin1(StatusCodeKey), statusCode}};
    if (!underlying.isNull())
        info.insert(QString::fromLatin1(UnderlyingErrorKey), QVariant::fromValue(underlying));
    return image(InvalidDownloadStatusCode, QString::fromLatin1(InvalidStatusFormat).arg(statusCode), info);
}

ImageError ImageError::underlying() const
{
    return userInfo.value(QLatin1String(UnderlyingErrorKey)).value<ImageError>();
}

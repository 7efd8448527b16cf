#include "cydialinks.h"

#include "makerendpoints.h"

QString CydiaLinks::cydiaProfile()
{
    return QLatin1String(MakerEndpoints::MakerBase) + QLatin1String(MakerEndpoints::CydiaProfilePath);
}

QString CydiaLinks::authorProfile()
{
    return QLatin1String(MakerEndpoints::MakerBase) + QLatin1String(MakerEndpoints::CydiaAuthorProfilePath);
}

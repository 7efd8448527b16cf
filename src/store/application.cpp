#include "application.h"

#include "makerendpoints.h"

QString application::installLink() const
{
    return MakerEndpoints::installLink(plist);
}

size_t qHash(const application &app, size_t seed) noexcept
{
    seed = qHashMulti(seed, app.id, app.name, app.icon, app.plist, app.section, app.banner, app.twitter, app.website,
                      app.description, app.dev, app.screenshots.size());
    for (const QString &screenshot : app.screenshots)
        seed = qHashMulti(seed, screenshot);
    return seed;
}

#include "namedcolors.h"

namespace {
struct Named
{
    const char *name;
    QColor (*value)();
};

const Named All[] = {
    {"MyPurple", &NamedColors::myPurple},
    {"MyWhite", &NamedColors::myWhite},
    {"GradientColor1", &NamedColors::gradientColor1},
    {"GradientColor2", &NamedColors::gradientColor2},
};
} // namespace

QColor NamedColors::color(const QString &name)
{
    for (const Named &n : All) {
        if (name == QLatin1String(n.name))
            return n.value();
    }
    return {};
}

QStringList NamedColors::names()
{
    QStringList all;
    for (const Named &n : All)
        all.append(QLatin1String(n.name));
    return all;
}

#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The shell's named colours. Screens refer to them by name ("MyPurple"), in QML as
// NamedColors.MyPurple and in C++ through color(name); the values live only here.
class NamedColors : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The store's page background.
    Q_PROPERTY(QColor MyPurple READ myPurple CONSTANT)
    // Text and glyphs drawn over MyPurple and the store gradient.
    Q_PROPERTY(QColor MyWhite READ myWhite CONSTANT)
    // The store gradient runs from GradientColor1 (top-leading) to GradientColor2 (bottom-trailing).
    Q_PROPERTY(QColor GradientColor1 READ gradientColor1 CONSTANT)
    Q_PROPERTY(QColor GradientColor2 READ gradientColor2 CONSTANT)

public:
    using QObject::QObject;

    static QColor myPurple() { return QColor(0x2a, 0x16, 0x4f); }
    static QColor myWhite() { return QColor(0xf6, 0xf3, 0xfc); }
    static QColor gradientColor1() { return QColor(0x9b, 0x3c, 0xe6); }
    static QColor gradientColor2() { return QColor(0x3f, 0x6f, 0xf2); }

    // The colour of a name, or an invalid colour for an unknown name.
    Q_INVOKABLE static QColor color(const QString &name);
    static QStringList names();
};

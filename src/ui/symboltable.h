#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The one mapping from system-symbol names ("lock.fill", "magnifyingglass") to glyphs of the
// Material Icons font. Screens name symbols the way the phone's own symbol set does; this table
// decides how each one looks here. An unmapped name has no glyph: tests scan the screens for
// every name they use, so a missing entry fails a test instead of drawing blank.
class SymbolTable : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)
    Q_PROPERTY(qreal scale READ scale CONSTANT)

public:
    using QObject::QObject;

    // Where the symbol font is installed (the fonts-material-design-icons-iconfont package).
    static QString fontPath();
    // Before the application object exists: keeps the font configuration from offering other
    // copies of the symbol font than fontPath(), so fontFamily() draws from that file.
    static void hideSystemCopies();
    // The family to draw glyphs with; loads the font file on first use.
    static QString fontFamily();
    // Pixel size of the symbol font per point of the system font a symbol stands for, so a
    // symbol of size 20 sits beside 20-point text at about the same height.
    static constexpr qreal scale() { return 1.25; }

    // The font's code point for a symbol name, or 0 when the name is not mapped.
    static char32_t codepoint(const QString &name);
    // The glyph as text, or an empty string when the name is not mapped.
    Q_INVOKABLE static QString glyph(const QString &name);
    Q_INVOKABLE static bool contains(const QString &name) { return codepoint(name) != 0; }
    // Every mapped name, in table order.
    static QStringList names();
};

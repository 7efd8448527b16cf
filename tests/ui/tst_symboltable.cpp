#include "symboltable.h"

#include <QDirIterator>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Symbol names used in QML source: the `name` binding of every Symbol element and every binding
// of a property called symbol or ending in Symbol (symbol: "gear", filledSymbol: "star.fill"). A
// binding's value runs to the next ',', ';', '}' or line end, so "on ? \"a\" : \"b\"" keeps both.
QSet<QString> symbolNamesIn(const QString &qml)
{
    static const QRegularExpression element(QStringLiteral("\\bSymbol\\s*(\\{(?:[^{}]|(?1))*\\})"));
    static const QRegularExpression nameBinding(QStringLiteral("(?<!\\.)\\bname\\s*:([^,;}\\n]*)"));
    static const QRegularExpression symbolBinding(QStringLiteral("\\b(?:symbol|[a-z]\\w*Symbol)\\s*:([^,;}\\n]*)"));
    static const QRegularExpression literal(QStringLiteral("\"([^\"\\\\]*)\""));
    QStringList values;
    for (const QRegularExpressionMatch &body : element.globalMatch(qml)) {
        for (const QRegularExpressionMatch &binding : nameBinding.globalMatch(body.captured(1)))
            values.append(binding.captured(1));
    }
    for (const QRegularExpressionMatch &binding : symbolBinding.globalMatch(qml))
        values.append(binding.captured(1));
    QSet<QString> names;
    for (const QString &value : values) {
        for (const QRegularExpressionMatch &match : literal.globalMatch(value))
            names.insert(match.captured(1));
    }
    names.remove(QString());
    return names;
}

} // namespace

class TestSymbolTable : public QObject
{
    Q_OBJECT

private slots:
    void everySymbolInTheScreensIsMapped()
    {
        QStringList unmapped;
        int found = 0;
        for (QDirIterator it(QStringLiteral(KESTREL_QML_SOURCE_DIR), {QStringLiteral("*.qml")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            for (const QString &name : symbolNamesIn(QString::fromUtf8(file.readAll()))) {
                ++found;
                if (!SymbolTable::contains(name))
                    unmapped.append(QStringLiteral("%1 (%2)").arg(name, file.fileName()));
            }
        }
        QVERIFY2(found > 0, "no symbol names found in the screens");
        QVERIFY2(unmapped.isEmpty(), qPrintable(QStringLiteral("unmapped symbols: ") + unmapped.join(u", ")));
    }

    void fontHasAGlyphForEveryMappedName()
    {
        const QRawFont font(SymbolTable::fontPath(), 24);
        QVERIFY2(font.isValid(), qPrintable(QStringLiteral("cannot load ") + SymbolTable::fontPath()));
        QStringList missing;
        for (const QString &name : SymbolTable::names()) {
            const QList<quint32> indexes = font.glyphIndexesForString(SymbolTable::glyph(name));
            if (indexes.size() != 1 || indexes.first() == 0 || font.pathForGlyph(indexes.first()).isEmpty())
                missing.append(name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no glyph in the font for: ") + missing.join(u", ")));
    }

    void unknownNamesHaveNoGlyph()
    {
        for (const QString &unknown : {QString(), QStringLiteral("lock"), QStringLiteral("Lock.fill"), QStringLiteral("lock.fill ")}) {
            QVERIFY2(!SymbolTable::contains(unknown), qPrintable(unknown));
            if (!unknown.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no glyph for the symbol")));
            QVERIFY(SymbolTable::glyph(unknown).isEmpty());
        }
    }
};

QTEST_MAIN(TestSymbolTable)
#include "tst_symboltable.moc"

#include "symboltable.h"

#include <QDirIterator>
#include <QFile>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Every string literal in a piece of QML (a binding's right-hand side).
QStringList literalsIn(QStringView text)
{
    static const QRegularExpression literal(QStringLiteral("\"([^\"\\\\]*)\""));
    QStringList found;
    for (auto it = literal.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(1));
    return found;
}

// The right-hand side of a binding: up to the next ',', ';' or '}' outside a string literal,
// so "name: on ? \"a\" : \"b\"" keeps both names and "{ symbol: \"a\", label: \"b\" }" only "a".
QStringView bindingValue(QStringView rest)
{
    bool inString = false;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest.at(i);
        if (c == u'"')
            inString = !inString;
        else if (!inString && (c == u',' || c == u';' || c == u'}' || c == u'\n'))
            return rest.first(i);
    }
    return rest;
}

// Symbol names used in QML source: the `name` binding of every Symbol element and every binding
// of a property called symbol or ending in Symbol (symbol: "gear", filledSymbol: "star.fill").
QSet<QString> symbolNamesIn(const QString &qml)
{
    QSet<QString> names;
    static const QRegularExpression element(QStringLiteral("\\bSymbol\\s*\\{"));
    static const QRegularExpression nameBinding(QStringLiteral("\\bname\\s*:"));
    for (auto it = element.globalMatch(qml); it.hasNext();) {
        const auto match = it.next();
        // The element's body up to its matching closing brace.
        qsizetype depth = 1, end = match.capturedEnd();
        for (; end < qml.size() && depth > 0; ++end) {
            if (qml.at(end) == u'{')
                ++depth;
            else if (qml.at(end) == u'}')
                --depth;
        }
        const QString body = qml.mid(match.capturedEnd(), end - match.capturedEnd());
        for (auto n = nameBinding.globalMatch(body); n.hasNext();) {
            const auto binding = n.next();
            for (const QString &name : literalsIn(bindingValue(QStringView(body).mid(binding.capturedEnd()))))
                names.insert(name);
        }
    }
    static const QRegularExpression symbolBinding(QStringLiteral("\\b(?:symbol|[a-z]\\w*Symbol)\\s*:"));
    for (auto it = symbolBinding.globalMatch(qml); it.hasNext();) {
        const auto binding = it.next();
        for (const QString &name : literalsIn(bindingValue(QStringView(qml).mid(binding.capturedEnd()))))
            names.insert(name);
    }
    names.remove(QString());
    return names;
}

} // namespace

class TestSymbolTable : public QObject
{
    Q_OBJECT

private slots:
    void everyNameTheShellNeedsIsMapped_data()
    {
        QTest::addColumn<QString>("name");
        // Every system symbol the shell's screens are described with.
        const char *const required[] = {
            "magnifyingglass", "star", "star.fill", "rectangle.stack", "rectangle.stack.fill",
            "lock.fill", "lock.open.fill", "flashlight.on.fill", "flashlight.off.fill", "circle",
            "circle.fill", "square.and.arrow.down", "square.and.arrow.down.fill",
            "square.and.arrow.up", "square.on.square", "phone.fill", "person.fill", "folder.fill",
            "delete.left.fill", "clock", "clock.fill", "circle.grid.3x3.fill", "chevron.left",
            "chevron.right", "camera.fill", "arrow.down", "airplane", "wifi",
            "antenna.radiowaves.left.and.right", "personalhotspot", "app.badge", "switch.2",
            "moon.fill", "gear", "textformat.size", "speaker.wave.3.fill", "faceid", "touchid",
            "battery.100", "hand.raised.fill", "book"};
        for (const char *name : required)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyNameTheShellNeedsIsMapped()
    {
        QFETCH(QString, name);
        QVERIFY2(SymbolTable::contains(name), qPrintable(name + QStringLiteral(" has no glyph")));
    }

    void everySymbolInTheScreensIsMapped()
    {
        QStringList unmapped;
        int files = 0;
        for (QDirIterator it(QStringLiteral(KESTREL_QML_SOURCE_DIR), {QStringLiteral("*.qml")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            ++files;
            for (const QString &name : symbolNamesIn(QString::fromUtf8(file.readAll()))) {
                if (!SymbolTable::contains(name))
                    unmapped.append(QStringLiteral("%1 (%2)").arg(name, file.fileName()));
            }
        }
        QVERIFY2(files > 0, "no QML sources found to scan");
        QVERIFY2(unmapped.isEmpty(), qPrintable(QStringLiteral("unmapped symbols: ") + unmapped.join(u", ")));
    }

    // The scanner must see the forms screens write, or the test above would pass vacuously.
    void scannerFindsSymbolNames_data()
    {
        QTest::addColumn<QString>("qml");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one line") << QStringLiteral("Symbol { name: \"lock.fill\"; size: 40 }")
                                  << QStringList{QStringLiteral("lock.fill")};
        QTest::newRow("several lines") << QStringLiteral("Symbol {\n  size: 20\n  name: \"gear\"\n  color: \"white\"\n}")
                                       << QStringList{QStringLiteral("gear")};
        QTest::newRow("conditional") << QStringLiteral("Symbol { name: on ? \"flashlight.on.fill\" : \"flashlight.off.fill\" }")
                                     << QStringList{QStringLiteral("flashlight.on.fill"), QStringLiteral("flashlight.off.fill")};
        QTest::newRow("qualified element") << QStringLiteral("Ui.Symbol { name: \"wifi\" }")
                                           << QStringList{QStringLiteral("wifi")};
        QTest::newRow("row model") << QStringLiteral("[{ symbol: \"airplane\", title: \"Airplane Mode\" }, { symbol: \"wifi\", title: \"WiFi\" }]")
                                   << QStringList{QStringLiteral("airplane"), QStringLiteral("wifi")};
        QTest::newRow("named property") << QStringLiteral("property string filledSymbol: \"star.fill\"\nproperty string title: \"Featured\"")
                                        << QStringList{QStringLiteral("star.fill")};
        QTest::newRow("other elements ignored") << QStringLiteral("Text { name: \"x\"; text: \"Search\" } Image { source: \"y\" }")
                                                << QStringList{};
        QTest::newRow("nested item's name") << QStringLiteral("Symbol { name: \"book\"; Item { objectName: \"n\" } }")
                                            << QStringList{QStringLiteral("book")};
    }
    void scannerFindsSymbolNames()
    {
        QFETCH(QString, qml);
        QFETCH(QStringList, expected);
        const QSet<QString> found = symbolNamesIn(qml);
        QCOMPARE(found, QSet<QString>(expected.cbegin(), expected.cend()));
    }

    void fontHasAGlyphForEveryMappedName()
    {
        const QRawFont font(SymbolTable::fontPath(), 24);
        QVERIFY2(font.isValid(), qPrintable(QStringLiteral("cannot load ") + SymbolTable::fontPath()));
        QStringList missing;
        for (const QString &name : SymbolTable::names()) {
            const QString glyph = SymbolTable::glyph(name);
            const QList<quint32> indexes = font.glyphIndexesForString(glyph);
            const bool drawn = indexes.size() == 1 && indexes.first() != 0
                    && !font.pathForGlyph(indexes.first()).isEmpty();
            if (!font.supportsCharacter(glyph.toUcs4().value(0)) || !drawn)
                missing.append(name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no glyph in the font for: ") + missing.join(u", ")));
    }

    void namesAreUniqueAndUnknownNamesHaveNoGlyph()
    {
        const QStringList names = SymbolTable::names();
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
        for (const QString &unknown : {QString(), QStringLiteral("lock"), QStringLiteral("Lock.fill"), QStringLiteral("lock.fill ")}) {
            QVERIFY2(!SymbolTable::contains(unknown), qPrintable(unknown));
            if (!unknown.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no glyph for the symbol")));
            QVERIFY(SymbolTable::glyph(unknown).isEmpty());
        }
    }

    void familyOfTheLoadedFontIsUsed()
    {
        QCOMPARE(SymbolTable::fontFamily(), QStringLiteral("Material Icons"));
    }
};

QTEST_MAIN(TestSymbolTable)
#include "tst_symboltable.moc"

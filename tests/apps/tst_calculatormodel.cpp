#include "calculatormodel.h"
#include "diagnosticlines.h"

#include <QtTest>

namespace {
const QString Div = QStringLiteral("\u00F7");
const QString Mul = QStringLiteral("\u00D7");
const QString Sub = QStringLiteral("\u2212");

QStringList digits(const QString &number)
{
    QStringList keys;
    for (QChar c : number)
        keys.append(QString(c));
    return keys;
}

// Each key's display text afterwards, in order.
QStringList pressAll(CalculatorModel &model, const QStringList &keys)
{
    QStringList trace;
    for (const QString &key : keys) {
        model.press(key);
        trace.append(model.displayNumber());
    }
    return trace;
}
} // namespace

class TestCalculatorModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { DiagnosticLines::start(); }
    void cleanup() { DiagnosticLines::stop(); }

    // The worked sequences: the display after each key, then the state left behind.
    void sequences_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<qint64>("operand1");
        QTest::addColumn<qint64>("operand2");
        QTest::addColumn<QString>("calculation");
        QTest::addColumn<bool>("secondOperation");
        QTest::addColumn<QStringList>("said"); // diagnostics

        QTest::newRow("first digit after the operator clears the display")
            << QStringList{"1", "2", "+", "3", "="} << QStringList{"1", "12", "12", "3", "15"} << 0ll << 0ll << "" << false << QStringList{};
        QTest::newRow("a second operator replaces the first and does not clear")
            << QStringList{"9", Sub, "4", Mul, "2", "="} << QStringList{"9", "9", "4", "4", "42", "378"} << 0ll << 0ll << ""
            << false << QStringList{};
        QTest::newRow("equals without an operator does nothing")
            << QStringList{"6", "="} << QStringList{"6", "6"} << 6ll << 0ll << "" << false << QStringList{};
        QTest::newRow("a result is not an operand: 0 + 5")
            << QStringList{"1", "2", "+", "3", "=", "+", "5", "="}
            << QStringList{"1", "12", "12", "3", "15", "15", "5", "5"} << 0ll << 0ll << "" << false << QStringList{};
        QTest::newRow("digits after a result extend it")
            << QStringList{"1", "2", "+", "3", "=", "7"} << QStringList{"1", "12", "12", "3", "15", "157"} << 157ll << 0ll
            << "" << false << QStringList{};
        QTest::newRow("division truncates")
            << QStringList{"7", Div, "2", "="} << QStringList{"7", "7", "2", "3"} << 0ll << 0ll << "" << false << QStringList{};
        // "." "%" and "+/-" are pending operators that compute nothing.
        for (const QString key : {".", "%", "+/-"})
            QTest::newRow(qPrintable("equals on " + key + " only says hi there"))
                << QStringList{"1", key, "5", "="} << QStringList{"1", "1", "5", "5"} << 1ll << 5ll << key << false
                << QStringList{"hi there"};
        QTest::newRow("operator pressed twice keeps the clearing")
            << QStringList{"4", "+", Mul} << QStringList{"4", "4", "4"} << 4ll << 0ll << Mul << true << QStringList{};
        QTest::newRow("AC after an operator keeps secondOperation; the digit becomes operand1")
            << QStringList{"5", "+", "AC", "7"} << QStringList{"5", "5", "", "7"} << 7ll << 0ll << "" << false << QStringList{};
        QTest::newRow("AC clears everything else")
            << QStringList{"5", "+", "6", "AC"} << QStringList{"5", "5", "6", ""} << 0ll << 0ll << "" << false << QStringList{};
        QTest::newRow("an eleventh digit is ignored")
            << digits("12345678901")
            << QStringList{"1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789",
                           "1234567890", "1234567890"}
            << 1234567890ll << 0ll << "" << false << QStringList{};
        QTest::newRow("a ten-character result takes no digit, even after an operator")
            << QStringList{"1", Sub} + digits("123456789") + QStringList{"=", "5", "+", "5"}
            << QStringList{"1", "1", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789",
                           "-123456788", "-123456788", "-123456788", "-123456788"}
            << 0ll << 0ll << "+" << true << QStringList{};
        QTest::newRow("keys that are not keys do nothing")
            << QStringList{"1", "x", "-", "*", "/", "", "12", "="} << QStringList{"1", "1", "1", "1", "1", "1", "1", "1"}
            << 1ll << 0ll << "" << false << QStringList{};
    }

    void sequences()
    {
        QFETCH(QStringList, keys);
        CalculatorModel model;
        QTEST(pressAll(model, keys), "trace");
        QTEST(model.operand1(), "operand1");
        QTEST(model.operand2(), "operand2");
        QTEST(model.calculation(), "calculation");
        QTEST(model.secondOperation(), "secondOperation");
        QTEST(DiagnosticLines::said, "said");
    }

    // Results without a value show "Error", forget the operation, and the next digit starts over;
    // the largest products that do fit are shown whole.
    void resultsBeyondSixtyFourBits_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("division by zero") << QStringList{"8", Div, "0", "="} << CalculatorModel::ErrorText;
        QTest::newRow("zero by zero") << QStringList{"0", Div, "0", "="} << CalculatorModel::ErrorText;
        // Nine digits: after ten the display takes no more, not even the second operand.
        QTest::newRow("product just beyond 64 bits")
            << (digits("922337204") + QStringList{Mul} + digits("9999999999") + QStringList{"="}) << CalculatorModel::ErrorText;
        QTest::newRow("largest product that fits")
            << (digits("922337203") + QStringList{Mul} + digits("9999999999") + QStringList{"="}) << "9223372029077662797";
    }

    void resultsBeyondSixtyFourBits()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        CalculatorModel model;
        pressAll(model, keys);
        QCOMPARE(model.displayNumber(), shown);
        QCOMPARE(model.operand1(), 0);
        QCOMPARE(model.calculation(), QString());
        if (shown == CalculatorModel::ErrorText)
            QCOMPARE(pressAll(model, {"7", "+", "1", "="}), QStringList({"7", "7", "1", "8"}));
    }

    // The display can be edited by hand; the next digit reads the whole edited text, and text
    // that is no integer leaves the operand as it was.
    void editedDisplay_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<qint64>("operand1"); // edited, then 3
        QTest::addColumn<qint64>("operand2"); // edited, then 4
        QTest::newRow("a number") << "40" << 403ll << 404ll;
        QTest::newRow("a negative number") << "-4" << -43ll << -44ll;
        QTest::newRow("letters") << "1x" << 12ll << 3ll;
        QTest::newRow("other digits") << QString::fromUtf8("\xd9\xa3") << 12ll << 3ll;
    }

    void editedDisplay()
    {
        QFETCH(QString, edited);
        QFETCH(qint64, operand1);
        QFETCH(qint64, operand2);
        CalculatorModel model;
        pressAll(model, {"1", "2"});
        model.setDisplayNumber(edited);
        QCOMPARE(model.operand1(), 12);
        model.press("3");
        QCOMPARE(model.displayNumber(), edited + "3");
        QCOMPARE(model.operand1(), operand1);
        pressAll(model, {"+", "3"});
        model.setDisplayNumber(edited);
        model.press("4");
        QCOMPARE(model.operand2(), operand2);
        model.press("=");
        QCOMPARE(model.displayNumber(), QString::number(operand1 + operand2));
    }

    void digitLimitCountsCharacters()
    {
        CalculatorModel model;
        // Nine characters outside the basic plane are nine, not eighteen: one more digit fits.
        const QString nine = QString::fromUtf8("\xf0\x9f\x98\x80").repeated(9);
        model.setDisplayNumber(nine);
        QCOMPARE(pressAll(model, {"1", "2"}), QStringList({nine + "1", nine + "1"}));
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("value");
        QTest::newRow("plus sign") << "+7" << true << 7ll;
        QTest::newRow("leading zeros") << "-007" << true << -7ll;
        QTest::newRow("largest") << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << "-9223372036854775808" << true << std::numeric_limits<qint64>::min();
        QTest::newRow("one past largest") << "9223372036854775808" << false << 0ll;
        QTest::newRow("one past smallest") << "-9223372036854775809" << false << 0ll;
        QTest::newRow("far too long") << QString(40, u'9') << false << 0ll;
        QTest::newRow("empty") << "" << false << 0ll;
        QTest::newRow("sign alone") << "-" << false << 0ll;
        QTest::newRow("leading space") << " 1" << false << 0ll;
        QTest::newRow("fullwidth digit") << QString::fromUtf8("\xef\xbc\x91") << false << 0ll;
    }

    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<qint64> parsed = CalculatorModel::parseInteger(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QTEST(*parsed, "value");
    }
};

QTEST_GUILESS_MAIN(TestCalculatorModel)
#include "tst_calculatormodel.moc"

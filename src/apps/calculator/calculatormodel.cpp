#include "calculatormodel.h"

#include "diagnostics.h"

namespace {

const QString Divide = QStringLiteral("\u00F7");
const QString Multiply = QStringLiteral("\u00D7");
const QString Minus = QStringLiteral("\u2212");
const QString Plus = QStringLiteral("+");
const QString Equals = QStringLiteral("=");
const QString AllClear = QStringLiteral("AC");

// The display takes digits while it holds at most this many characters.
constexpr qsizetype MaxTypedLength = 9;

bool isDigitKey(const QString &key) { return key.size() == 1 && key.at(0) >= u'0' && key.at(0) <= u'9'; }

qsizetype characterCount(const QString &text)
{
    // Counted in code points, so a pasted symbol outside the basic plane is one character.
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

// The result of one operation, or nothing when it has no signed 64-bit value.
std::optional<qint64> apply(const QString &op, qint64 a, qint64 b)
{
    qint64 r = 0;
    if (op == Plus)
        return __builtin_add_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    if (op == Minus)
        return __builtin_sub_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    if (op == Multiply)
        return __builtin_mul_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    // Division truncates toward zero; the one quotient that overflows is the smallest value by -1.
    if (b == 0 || (a == std::numeric_limits<qint64>::min() && b == -1))
        return std::nullopt;
    return a / b;
}

} // namespace

QStringList CalculatorModel::keys()
{
    return {AllClear, QStringLiteral("+/-"), QStringLiteral("%"), Divide,
            QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), Multiply,
            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), Minus,
            QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), Plus,
            QStringLiteral("0"), QStringLiteral("."), Equals};
}

CalculatorModel::KeyKind CalculatorModel::keyKind(const QString &key)
{
    if (key == AllClear || key == QLatin1String("+/-") || key == QLatin1String("%"))
        return KeyKind::Function;
    if (key == Divide || key == Multiply || key == Minus || key == Plus || key == Equals)
        return KeyKind::Operator;
    return KeyKind::Digit;
}

void CalculatorModel::setDisplayNumber(const QString &text)
{
    if (m_displayNumber == text)
        return;
    m_displayNumber = text;
    emit displayNumberChanged();
}

void CalculatorModel::press(const QString &key)
{
    if (!keys().contains(key))
        return;
    if (key == AllClear)
        clearAll();
    else if (key == Equals)
        equals();
    else if (isDigitKey(key))
        digit(key);
    else if (m_calculation.isEmpty()) {
        setCalculation(key);
        setSecondOperation(true);
    } else {
        // A second operator only replaces the pending one; digits keep extending the display.
        setCalculation(key);
    }
}

void CalculatorModel::clearAll()
{
    setOperand2(0);
    setOperand1(0);
    setCalculation(QString());
    setDisplayNumber(QString());
}

void CalculatorModel::equals()
{
    if (m_calculation.isEmpty())
        return;
    if (keyKind(m_calculation) != KeyKind::Operator) {
        // "+/-", "%" and "." are pending operators that compute nothing.
        kestrel::diagnostic(QStringLiteral("hi there"));
        return;
    }
    const std::optional<qint64> result = apply(m_calculation, m_operand1, m_operand2);
    setDisplayNumber(result ? QString::number(*result) : ErrorText);
    setOperand1(0);
    setOperand2(0);
    setCalculation(QString());
    // The next digit starts a new number rather than extending "Error".
    if (!result)
        setSecondOperation(true);
}

void CalculatorModel::digit(const QString &key)
{
    if (characterCount(m_displayNumber) > MaxTypedLength)
        return;
    if (m_secondOperation) {
        setDisplayNumber(QString());
        setSecondOperation(false);
    }
    setDisplayNumber(m_displayNumber + key);
    // A display edited into other text leaves the operand as it was.
    const std::optional<qint64> value = parseInteger(m_displayNumber);
    if (!value)
        return;
    if (!m_calculation.isEmpty())
        setOperand2(*value);
    else
        setOperand1(*value);
}

std::optional<qint64> CalculatorModel::parseInteger(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulated as a negative number, whose range holds the smallest value as well.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (__builtin_mul_overflow(value, 10, &value) || __builtin_sub_overflow(value, c.unicode() - u'0', &value))
            return std::nullopt;
    }
    if (negative)
        return value;
    if (value == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return -value;
}

void CalculatorModel::setOperand1(qint64 value)
{
    if (m_operand1 == value)
        return;
    m_operand1 = value;
    emit operand1Changed();
}

void CalculatorModel::setOperand2(qint64 value)
{
    if (m_operand2 == value)
        return;
    m_operand2 = value;
    emit operand2Changed();
}

void CalculatorModel::setCalculation(const QString &key)
{
    if (m_calculation == key)
        return;
    m_calculation = key;
    emit calculationChanged();
}

void CalculatorModel::setSecondOperation(bool on)
{
    if (m_secondOperation == on)
        return;
    m_secondOperation = on;
    emit secondOperationChanged();
}

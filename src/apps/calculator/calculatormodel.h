#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>
#include <optional>

// The calculator's state and its one key action: two signed 64-bit operands, one pending
// operator, and the display text. Each Calculator screen makes its own, so reopening the app
// starts from the initial state.
class CalculatorModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString displayNumber READ displayNumber WRITE setDisplayNumber NOTIFY displayNumberChanged)
    Q_PROPERTY(qint64 operand1 READ operand1 NOTIFY operand1Changed)
    Q_PROPERTY(qint64 operand2 READ operand2 NOTIFY operand2Changed)
    Q_PROPERTY(QString calculation READ calculation NOTIFY calculationChanged)
    Q_PROPERTY(bool secondOperation READ secondOperation NOTIFY secondOperationChanged)
    Q_PROPERTY(QStringList keys READ keys CONSTANT)

public:
    // How a key is drawn: digits and ".", the three grey function keys, the orange operators.
    enum class KeyKind { Digit, Function, Operator };
    Q_ENUM(KeyKind)

    // Shown when a result has no value: division by zero, or outside the signed 64-bit range.
    static inline const QString ErrorText = QStringLiteral("Error");

    using QObject::QObject;

    QString displayNumber() const { return m_displayNumber; }
    // Editing the display changes only the display; digits read it back later.
    void setDisplayNumber(const QString &text);
    qint64 operand1() const { return m_operand1; }
    qint64 operand2() const { return m_operand2; }
    QString calculation() const { return m_calculation; }
    bool secondOperation() const { return m_secondOperation; }

    // The 19 keys in display order, four to a row.
    static QStringList keys();
    Q_INVOKABLE static KeyKind keyKind(const QString &key);

    // The action of one key; a text that is not a key does nothing.
    Q_INVOKABLE void press(const QString &key);

    // A whole decimal integer: an optional sign, then ASCII digits only, within range.
    static std::optional<qint64> parseInteger(const QString &text);

signals:
    void displayNumberChanged();
    void operand1Changed();
    void operand2Changed();
    void calculationChanged();
    void secondOperationChanged();

private:
    void clearAll();
    void equals();
    void digit(const QString &key);
    void setOperand1(qint64 value);
    void setOperand2(qint64 value);
    void setCalculation(const QString &key);
    void setSecondOperation(bool on);

    QString m_displayNumber;
    qint64 m_operand1 = 0;
    qint64 m_operand2 = 0;
    QString m_calculation;
    bool m_secondOperation = false;
};

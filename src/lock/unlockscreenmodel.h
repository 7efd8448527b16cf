#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class SettingBinding;

// The passcode screen: the digits typed, the rule that accepts or clears them, and what the
// screen shows. The stored passcode is compared by exact string equality before length, so an
// empty or short stored passcode is accepted as soon as it is matched.
class UnlockscreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString Password READ password NOTIFY PasswordChanged)
    Q_PROPERTY(bool Unlocked READ unlocked NOTIFY shownChanged)
    Q_PROPERTY(bool UnlcokButton READ unlcokButton NOTIFY shownChanged)
    Q_PROPERTY(int CurrentPage READ currentPage WRITE setCurrentPage NOTIFY CurrentPageChanged)
    Q_PROPERTY(Result result READ result NOTIFY resultChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(Screen shown READ shown NOTIFY shownChanged)
    Q_PROPERTY(int transitionEasing READ transitionEasing CONSTANT)

public:
    enum Screen { Keypad, Home, NewLockscreen };
    Q_ENUM(Screen)
    // What the result text shows: nothing, "Correct!", or an empty text that clears the entry.
    enum Result { NoResult, Correct, ClearEntry };
    Q_ENUM(Result)

    explicit UnlockscreenModel(QObject *parent = nullptr);

    QString password() const { return m_password; }
    bool unlocked() const { return m_unlocked; }
    bool unlcokButton() const { return m_unlcokButton; }
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    Result result() const;
    QString title() const;
    Screen shown() const;
    int transitionEasing() const;

    // A keypad key: appends its digit (only "0" to "9").
    Q_INVOKABLE void pressDigit(const QString &digit);
    // "Delete": removes the last digit.
    Q_INVOKABLE void pressDelete();
    // "Cancel", shown while nothing is typed: a new lock screen takes this screen's place.
    Q_INVOKABLE void pressCancel();
    // The result text came into view: accept, or clear a wrong six-digit entry.
    Q_INVOKABLE void resultAppeared();
    // The keypad came into view: offer the biometric unlock, which fills in the passcode.
    Q_INVOKABLE void contentAppeared();
    Q_INVOKABLE QVariantMap homeClockStrings() const;

signals:
    void PasswordChanged();
    void CurrentPageChanged();
    void resultChanged();
    void titleChanged();
    void shownChanged();

private:
    void setPassword(const QString &password);
    QString storedPasscode() const;

    SettingBinding *m_passcode;
    SettingBinding *m_useBiometrics;
    QString m_password;
    bool m_unlocked = false;
    bool m_unlcokButton = true;
    int m_currentPage = 1;
};

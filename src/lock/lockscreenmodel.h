#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "torchstate.h"

class SettingBinding;

// The lock screen: its flags, what it shows by their precedence, and its actions. A new model
// starts fresh: clock strings formatted now, nothing unlocked, torch flag off.
class LockscreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TorchState *torchState READ torchState CONSTANT)
    Q_PROPERTY(QString KestrelDate READ kestrelDate CONSTANT)
    Q_PROPERTY(QString KestrelTime READ kestrelTime CONSTANT)
    Q_PROPERTY(bool UnlcokButton READ unlcokButton NOTIFY flagsChanged)
    Q_PROPERTY(bool Unlocked READ unlocked NOTIFY flagsChanged)
    Q_PROPERTY(bool ShowHomeScreen READ showHomeScreen NOTIFY flagsChanged)
    Q_PROPERTY(bool OpenCamera READ openCamera NOTIFY flagsChanged)
    Q_PROPERTY(int CurrentPage READ currentPage WRITE setCurrentPage NOTIFY CurrentPageChanged)
    Q_PROPERTY(bool usePasscode READ usePasscode NOTIFY usePasscodeChanged)
    Q_PROPERTY(QString lockSymbol READ lockSymbol NOTIFY lockSymbolChanged)
    Q_PROPERTY(Screen shown READ shown NOTIFY shownChanged)
    Q_PROPERTY(int transitionEasing READ transitionEasing NOTIFY transitionEasingChanged)

public:
    enum Screen { LockContent, Camera, Home, Passcode };
    Q_ENUM(Screen)

    explicit LockscreenModel(QObject *parent = nullptr);

    TorchState *torchState() const { return m_torch; }
    QString kestrelDate() const { return m_date; }
    QString kestrelTime() const { return m_time; }
    bool unlcokButton() const { return m_unlcokButton; }
    bool unlocked() const { return m_unlocked; }
    bool showHomeScreen() const { return m_showHomeScreen; }
    bool openCamera() const { return m_openCamera; }
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    bool usePasscode() const;
    QString lockSymbol() const; // empty while no passcode is used
    // Camera, then home, then passcode, else the lock content.
    Screen shown() const;
    int transitionEasing() const { return m_easing; }

    // "Press home to open".
    Q_INVOKABLE void pressHome();
    // The circular buttons: a heavy haptic, then the state change.
    Q_INVOKABLE void pressTorch();
    Q_INVOKABLE void pressCamera();
    // A tap on "Camera Comming Soon!".
    Q_INVOKABLE void closeCamera();
    // The lock content came into view: offer the biometric unlock.
    Q_INVOKABLE void contentAppeared();
    // The four strings a new home screen gets, formatted at this moment.
    Q_INVOKABLE QVariantMap homeClockStrings() const;

signals:
    void flagsChanged();
    void CurrentPageChanged();
    void usePasscodeChanged();
    void lockSymbolChanged();
    void shownChanged();
    void transitionEasingChanged();

private:
    void change(int easing, bool &flag, bool value);

    TorchState *m_torch;
    SettingBinding *m_usePasscode;
    QString m_date;
    QString m_time;
    bool m_unlcokButton = false;
    bool m_unlocked = false;
    bool m_showHomeScreen = false;
    bool m_openCamera = false;
    int m_currentPage = 1;
    int m_easing;
};

#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class SettingBinding;

// The application root: setup screen until setup is complete, then a lock screen.
class KestrelAppModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool SetutComplete READ setutComplete NOTIFY SetutCompleteChanged)

public:
    explicit KestrelAppModel(QObject *parent = nullptr);

    bool setutComplete() const;

    // The end of a drag on "Swipe up to get started", dy being end minus start (up is
    // negative): any upward movement, however small, completes setup; anything else does not.
    Q_INVOKABLE bool endSetupSwipe(qreal dy);

signals:
    void SetutCompleteChanged();

private:
    SettingBinding *m_setupComplete;
};

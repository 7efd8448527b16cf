// Runs the QML tests of one folder against the real screens: every test file gets its own
// engine and an application context on its own empty data root.
#ifdef KESTREL_QML_TEST_WEBENGINE
#include "browserengine.h"
#endif
#include "staticplugins.h"
#include "symboltable.h"
#include "tempdataroot.h"
#include "testsupport.h"

#include <QFont>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQuickTest/quicktest.h>
#include <memory>
#include <utility>

class QmlTestSetup : public QObject
{
    Q_OBJECT

public:
    QmlTestSetup()
    {
#ifdef KESTREL_QML_TEST_WEBENGINE
        // Before the application object, as in the shell.
        BrowserEngine::prepareBeforeApplication();
#endif
    }

public slots:
    void applicationAvailable()
    {
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        QFont font(QStringLiteral("Inter"));
        font.setPixelSize(17);
        QGuiApplication::setFont(font);
        SymbolTable::fontFamily();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_support.reset();
        m_root = std::make_unique<TempDataRoot>();
        AppContext *context = m_root->context(profile());
        context->installInto(*engine);
        m_support = std::make_unique<TestSupport>(context);
        s_current = m_support.get();
        static bool registered = false;
        if (!std::exchange(registered, true)) {
            qmlRegisterSingletonType<TestSupport>("Kestrel.Testing", 1, 0, "TestSupport", [](QQmlEngine *, QJSEngine *) -> QObject * {
                QJSEngine::setObjectOwnership(s_current, QJSEngine::CppOwnership);
                return s_current;
            });
            qmlRegisterType(QUrl::fromLocalFile(QStringLiteral(KESTREL_TEST_SUPPORT_DIR "/ScreenTestCase.qml")), "Kestrel.Testing", 1, 0,
                            "ScreenTestCase");
        }
    }

private:
    static DeviceInfo::Profile profile()
    {
        return DeviceInfo::profileNamed(qEnvironmentVariable("KESTREL_TEST_DEVICE", QStringLiteral("faceid")))
            .value_or(DeviceInfo::FaceIdPhone);
    }

    static inline TestSupport *s_current = nullptr;
    std::unique_ptr<TempDataRoot> m_root;
    std::unique_ptr<TestSupport> m_support;
};

#define KESTREL_QUICK_TEST_MAIN(name) QUICK_TEST_MAIN_WITH_SETUP(name, QmlTestSetup)
KESTREL_QUICK_TEST_MAIN(KESTREL_QML_TEST_NAME)

#include "qmltestmain.moc"

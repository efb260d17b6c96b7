// SPDX-License-Identifier: MIT
// A host that links nothing of Notiva: it finds the library through the class registry, loads it
// with dlopen, creates a MsgBox through the factory and drives it through the meta-object.

#include "boxdriver.h"

#include "notiva/notiva.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

class TestDlopenHost : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void registerRecordsNameAndPath();
    void hostCreatesControlByName();
    void unloadOnlyWhenNothingAlive();
    void unknownNameRefused();
    void showThroughMetaObject();
    void unregisterRemovesEntry();
    void entryOfAnotherCopyStays();
    void unwritableRegistryReported();
    void registryUnderXdgConfigHome();

private:
    QString registeredLibrary() const {
        return QSettings(m_registry, QSettings::IniFormat).value(u"Notiva.MsgBox/Library"_s).toString();
    }
    NotivaClassFactory* factory() {
        NotivaClassFactory* factory = nullptr;
        return m_getClassObject(NotivaMsgBoxProgId, &factory) == NOTIVA_S_OK ? factory : nullptr;
    }

    QTemporaryDir m_dir;
    QString m_registry;
    void* m_handle = nullptr;
    NotivaRegisterFunction m_register = nullptr;
    NotivaRegisterFunction m_unregister = nullptr;
    NotivaGetClassObjectFunction m_getClassObject = nullptr;
    NotivaCanUnloadFunction m_canUnloadNow = nullptr;
};

void TestDlopenHost::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_handle = dlopen(NOTIVA_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(m_handle, dlerror());
    m_register = reinterpret_cast<NotivaRegisterFunction>(dlsym(m_handle, "DllRegisterServer"));
    m_unregister = reinterpret_cast<NotivaRegisterFunction>(dlsym(m_handle, "DllUnregisterServer"));
    m_getClassObject = reinterpret_cast<NotivaGetClassObjectFunction>(dlsym(m_handle, "DllGetClassObject"));
    m_canUnloadNow = reinterpret_cast<NotivaCanUnloadFunction>(dlsym(m_handle, "DllCanUnloadNow"));
    QVERIFY(m_register && m_unregister && m_getClassObject && m_canUnloadNow);
}

void TestDlopenHost::init() {
    m_registry = m_dir.filePath(u"registry.ini"_s);
    QFile::remove(m_registry);
    qputenv(NotivaRegistryVariable, m_registry.toLocal8Bit());
}

void TestDlopenHost::cleanupTestCase() {
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_OK);
    QCOMPARE(dlclose(m_handle), 0);
}

void TestDlopenHost::registerRecordsNameAndPath() {
    QCOMPARE(m_register(), NOTIVA_S_OK);
    QCOMPARE(registeredLibrary(), QFileInfo(QString::fromLocal8Bit(NOTIVA_LIBRARY_FILE)).absoluteFilePath());
}

void TestDlopenHost::hostCreatesControlByName() {
    QCOMPARE(m_register(), NOTIVA_S_OK);
    // What a host does: look the name up, load the library it names, ask it for the factory.
    void* handle = dlopen(registeredLibrary().toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    QVERIFY(handle);
    auto getClassObject = reinterpret_cast<NotivaGetClassObjectFunction>(dlsym(handle, "DllGetClassObject"));
    NotivaClassFactory* factory = nullptr;
    QCOMPARE(getClassObject("Notiva.MsgBox", &factory), NOTIVA_S_OK);
    QVERIFY(factory);

    QWidget form;
    QWidget* control = nullptr;
    QCOMPARE(factory->CreateInstance(&form, &control), NOTIVA_S_OK);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &form);
    QCOMPARE(control->metaObject()->className(), "Notiva::MsgBox");
    QCOMPARE(control->property("BackColor").toUInt(), 0x8000000Au);
    QVERIFY(control->setProperty("Gradient", true));
    QCOMPARE(control->property("Gradient").toBool(), true);
    delete control;
    QCOMPARE(factory->CreateInstance(&form, nullptr), NOTIVA_E_POINTER);
    QCOMPARE(dlclose(handle), 0);
}

void TestDlopenHost::unloadOnlyWhenNothingAlive() {
    NotivaClassFactory* msgBoxes = factory();
    QVERIFY(msgBoxes);
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_OK);
    QWidget* first = nullptr;
    QWidget* second = nullptr;
    msgBoxes->CreateInstance(nullptr, &first);
    msgBoxes->CreateInstance(nullptr, &second);
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_FALSE);
    delete first;
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_FALSE);
    delete second;
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_OK);

    QCOMPARE(msgBoxes->LockServer(true), NOTIVA_S_OK);
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_FALSE);
    QCOMPARE(msgBoxes->LockServer(false), NOTIVA_S_OK);
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_OK);
    // An unlock without a lock does not leave the count below zero.
    QCOMPARE(msgBoxes->LockServer(false), NOTIVA_S_FALSE);
    QCOMPARE(msgBoxes->LockServer(true), NOTIVA_S_OK);
    QCOMPARE(m_canUnloadNow(), NOTIVA_S_FALSE);
    msgBoxes->LockServer(false);
}

void TestDlopenHost::unknownNameRefused() {
    NotivaClassFactory* factory = reinterpret_cast<NotivaClassFactory*>(this);
    QCOMPARE(m_getClassObject("Notiva.InputBox", &factory), NOTIVA_CLASS_E_CLASSNOTAVAILABLE);
    QCOMPARE(factory, nullptr);
    QCOMPARE(m_getClassObject(nullptr, &factory), NOTIVA_E_INVALIDARG);
    QCOMPARE(m_getClassObject(NotivaMsgBoxProgId, nullptr), NOTIVA_E_POINTER);
}

void TestDlopenHost::showThroughMetaObject() {
    QWidget* control = nullptr;
    QCOMPARE(factory()->CreateInstance(nullptr, &control), NOTIVA_S_OK);
    QScopedPointer<QWidget> owner(control);
    BoxDriver driver([](QDialog* box) {
        QCOMPARE(box->windowTitle(), u"Save"_s);
        QTest::mouseClick(box->findChild<QPushButton*>(u"Command5"_s), Qt::LeftButton);
    });
    int answer = -99;
    QVERIFY(QMetaObject::invokeMethod(control, "Show", Q_RETURN_ARG(int, answer), Q_ARG(QString, u"Save changes?"_s),
                                      Q_ARG(int, 4), Q_ARG(QString, u"Save"_s)));
    QCOMPARE(answer, 6); // mbeNo
}

void TestDlopenHost::unregisterRemovesEntry() {
    QCOMPARE(m_register(), NOTIVA_S_OK);
    QCOMPARE(m_unregister(), NOTIVA_S_OK);
    QCOMPARE(registeredLibrary(), QString());
    QVERIFY(!QSettings(m_registry, QSettings::IniFormat).childGroups().contains(u"Notiva.MsgBox"_s));
    // Unregistering what is not registered is no failure.
    QCOMPARE(m_unregister(), NOTIVA_S_OK);
}

void TestDlopenHost::entryOfAnotherCopyStays() {
    {
        QSettings settings(m_registry, QSettings::IniFormat);
        settings.setValue(u"Notiva.MsgBox/Library"_s, u"/opt/other/libnotiva.so.1"_s);
    }
    QCOMPARE(m_unregister(), NOTIVA_S_FALSE);
    QCOMPARE(registeredLibrary(), u"/opt/other/libnotiva.so.1"_s);
}

void TestDlopenHost::unwritableRegistryReported() {
    // The registry's folder would have to be where a plain file already is.
    const QString blocker = m_dir.filePath(u"blocker"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv(NotivaRegistryVariable, (blocker + u"/registry.ini"_s).toLocal8Bit());
    QCOMPARE(m_register(), NOTIVA_SELFREG_E_CLASS);
}

void TestDlopenHost::registryUnderXdgConfigHome() {
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qunsetenv(NotivaRegistryVariable);
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(u"config"_s).toLocal8Bit());
    const NotivaResult registered = m_register();
    const NotivaResult unregistered = m_unregister();
    const bool existed = QFileInfo::exists(m_dir.filePath(u"config/notiva/registry.ini"_s));
    if (hadXdg)
        qputenv("XDG_CONFIG_HOME", savedXdg);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(registered, NOTIVA_S_OK);
    QCOMPARE(unregistered, NOTIVA_S_OK);
    QVERIFY(existed);
}

QTEST_MAIN(TestDlopenHost)
#include "test_dlopenhost.moc"

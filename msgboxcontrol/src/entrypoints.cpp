// SPDX-License-Identifier: MIT
// The four exported entry points of the library, backed by the class registry and one factory.

#include "notiva/notiva.h"

#include "notiva/msgbox.h"

#include "classregistry.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cstring>
#include <dlfcn.h>

using namespace Qt::StringLiterals;

namespace {

std::atomic<int> serverLocks{0};

// The path this library was loaded from, made absolute so the registry entry works from anywhere.
QString thisLibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

class MsgBoxFactory final : public NotivaClassFactory {
public:
    NotivaResult CreateInstance(QWidget* parent, QWidget** object) override {
        if (object == nullptr)
            return NOTIVA_E_POINTER;
        *object = nullptr;
        // Widgets need a QApplication and live on its thread.
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (app == nullptr || QThread::currentThread() != app->thread())
            return NOTIVA_E_FAIL;
        *object = new Notiva::MsgBox(parent);
        return NOTIVA_S_OK;
    }

    NotivaResult LockServer(bool lock) override {
        if (lock) {
            ++serverLocks;
            return NOTIVA_S_OK;
        }
        // Never below zero, whatever a host does.
        int locks = serverLocks.load();
        while (locks > 0 && !serverLocks.compare_exchange_weak(locks, locks - 1)) {
        }
        return locks > 0 ? NOTIVA_S_OK : NOTIVA_S_FALSE;
    }
};

MsgBoxFactory msgBoxFactory;

} // namespace

extern "C" {

NotivaResult DllRegisterServer(void) {
    const QString library = thisLibraryPath();
    if (library.isEmpty())
        return NOTIVA_E_FAIL;
    return Notiva::ClassRegistry::add(QString::fromLatin1(NotivaMsgBoxProgId), library) ? NOTIVA_S_OK
                                                                                        : NOTIVA_SELFREG_E_CLASS;
}

NotivaResult DllUnregisterServer(void) {
    using Notiva::ClassRegistry::Removal;
    switch (Notiva::ClassRegistry::remove(QString::fromLatin1(NotivaMsgBoxProgId), thisLibraryPath())) {
    case Removal::Removed:
    case Removal::Absent:
        return NOTIVA_S_OK;
    case Removal::OtherLibrary:
        return NOTIVA_S_FALSE;
    case Removal::Failed:
        break;
    }
    return NOTIVA_SELFREG_E_CLASS;
}

NotivaResult DllGetClassObject(const char* progId, NotivaClassFactory** factory) {
    if (factory == nullptr)
        return NOTIVA_E_POINTER;
    *factory = nullptr;
    if (progId == nullptr)
        return NOTIVA_E_INVALIDARG;
    if (std::strcmp(progId, NotivaMsgBoxProgId) != 0)
        return NOTIVA_CLASS_E_CLASSNOTAVAILABLE;
    *factory = &msgBoxFactory;
    return NOTIVA_S_OK;
}

NotivaResult DllCanUnloadNow(void) {
    return Notiva::MsgBox::LiveInstances() == 0 && serverLocks.load() == 0 ? NOTIVA_S_OK : NOTIVA_S_FALSE;
}
}

// SPDX-License-Identifier: MIT
#pragma once

// The library's C entry points, for hosts that load libnotiva.so with dlopen and create controls
// by their programmatic name, and for tools that register the library.

#include "notiva/notivaglobal.h"

#include <cstdint>

class QWidget;

using NotivaResult = std::int32_t;

inline constexpr NotivaResult NOTIVA_S_OK = 0;
inline constexpr NotivaResult NOTIVA_S_FALSE = 1;
inline constexpr NotivaResult NOTIVA_E_POINTER = static_cast<NotivaResult>(0x80004003u);
inline constexpr NotivaResult NOTIVA_E_FAIL = static_cast<NotivaResult>(0x80004005u);
inline constexpr NotivaResult NOTIVA_E_INVALIDARG = static_cast<NotivaResult>(0x80070057u);
inline constexpr NotivaResult NOTIVA_CLASS_E_CLASSNOTAVAILABLE = static_cast<NotivaResult>(0x80040111u);
inline constexpr NotivaResult NOTIVA_SELFREG_E_CLASS = static_cast<NotivaResult>(0x80040201u);

// The programmatic name of the MsgBox control.
inline constexpr char NotivaMsgBoxProgId[] = "Notiva.MsgBox";

// Environment variable naming the registry file; unset, the registry is
// $XDG_CONFIG_HOME/notiva/registry.ini (~/.config when XDG_CONFIG_HOME is unset).
inline constexpr char NotivaRegistryVariable[] = "NOTIVA_REGISTRY";

// Creates controls of one class. The factory is owned by the library: never delete it.
class NotivaClassFactory {
public:
    // Creates the control as a child of parent (or a top-level widget when parent is null).
    // Needs a QApplication; the caller owns the new widget.
    virtual NotivaResult CreateInstance(QWidget* parent, QWidget** object) = 0;
    // Keeps the library loaded while a host holds a lock, whether or not controls are alive.
    virtual NotivaResult LockServer(bool lock) = 0;

protected:
    ~NotivaClassFactory() = default;
};

extern "C" {
// Records the programmatic name and this library's path in the registry file.
NOTIVA_EXPORT NotivaResult DllRegisterServer(void);
// Removes this library's entry; an entry naming another copy of the library is left alone (S_FALSE).
NOTIVA_EXPORT NotivaResult DllUnregisterServer(void);
// Gives the factory for a programmatic name.
NOTIVA_EXPORT NotivaResult DllGetClassObject(const char* progId, NotivaClassFactory** factory);
// S_OK when no control is alive and no lock is held, so the host may dlclose the library.
NOTIVA_EXPORT NotivaResult DllCanUnloadNow(void);

typedef NotivaResult (*NotivaRegisterFunction)(void);
typedef NotivaResult (*NotivaGetClassObjectFunction)(const char*, NotivaClassFactory**);
typedef NotivaResult (*NotivaCanUnloadFunction)(void);
}

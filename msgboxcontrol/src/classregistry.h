// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The registry of control classes: a small INI file that maps each programmatic name to the
// library serving it, so a host can find and dlopen the library by name.
//
//   [Notiva.MsgBox]
//   Library=/usr/local/lib/libnotiva.so.1
namespace Notiva::ClassRegistry {

// $NOTIVA_REGISTRY when set, else $XDG_CONFIG_HOME/notiva/registry.ini (~/.config without it).
QString filePath();

bool add(const QString& progId, const QString& libraryPath);

enum class Removal { Removed, Absent, OtherLibrary, Failed };
// Removes progId when it names libraryPath; an entry left by another copy of the library stays.
Removal remove(const QString& progId, const QString& libraryPath);

QString libraryOf(const QString& progId);

} // namespace Notiva::ClassRegistry

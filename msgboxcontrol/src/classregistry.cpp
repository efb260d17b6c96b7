// SPDX-License-Identifier: MIT
#include "classregistry.h"

#include "notiva/notiva.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Notiva::ClassRegistry {

using namespace Qt::StringLiterals;

namespace {

const QString LibraryKey = u"Library"_s;

QString configHome() {
    // Only an absolute XDG_CONFIG_HOME counts; anything else falls back to ~/.config.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + u"/.config"_s;
}

bool flushed(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

QString filePath() {
    const QString named = qEnvironmentVariable(NotivaRegistryVariable);
    if (!named.isEmpty())
        return named;
    return configHome() + u"/notiva/registry.ini"_s;
}

bool add(const QString& progId, const QString& libraryPath) {
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(progId + u'/' + LibraryKey, libraryPath);
    return flushed(settings) && libraryOf(progId) == libraryPath;
}

Removal remove(const QString& progId, const QString& libraryPath) {
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return Removal::Absent;
    QSettings settings(path, QSettings::IniFormat);
    const QString registered = settings.value(progId + u'/' + LibraryKey).toString();
    if (registered.isEmpty())
        return Removal::Absent;
    if (registered != libraryPath)
        return Removal::OtherLibrary;
    settings.remove(progId);
    return flushed(settings) ? Removal::Removed : Removal::Failed;
}

QString libraryOf(const QString& progId) {
    const QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(progId + u'/' + LibraryKey).toString();
}

} // namespace Notiva::ClassRegistry

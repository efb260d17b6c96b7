// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace pantrex {

Translations::Translations(const QLocale& locale, const QString& folder) {
    const QString underscore = QStringLiteral("_");
    m_qtLoaded =
        m_qt.load(locale, QStringLiteral("qtbase"), underscore, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&m_qt);
    m_ownLoaded = m_own.load(locale, QStringLiteral("pantrex"), underscore, folder) &&
                  QCoreApplication::installTranslator(&m_own);
}

Translations::~Translations() {
    if (m_ownLoaded)
        QCoreApplication::removeTranslator(&m_own);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}

QString Translations::installedFolder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PANTREX_TRANSLATIONS_FROM_PROGRAM));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QStringLiteral(PANTREX_BUILT_TRANSLATIONS);
}

} // namespace pantrex

// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace pantrex {

// The program's texts in the user's language: Qt's own (its buttons and standard dialogs) and
// Pantrex's, each where a translation for the locale is there. English, the language the texts are
// written in, needs none. The translations are in use for as long as this lives.
class Translations {
public:
    explicit Translations(const QLocale& locale, const QString& folder = installedFolder());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // True when Pantrex's own translation for the locale was found and is in use.
    bool ownLoaded() const { return m_ownLoaded; }
    bool qtLoaded() const { return m_qtLoaded; }

    // Where the compiled translations (pantrex_LANGUAGE.qm) are: the install's share folder, found
    // from the program's own folder, or the build tree's when the program is not installed.
    static QString installedFolder();

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_qtLoaded = false;
    bool m_ownLoaded = false;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace pantrex::testing {

// A text a window shows, and where: "pantadd/savecmd text", say.
struct ShownText {
    QString where;
    QString text;
};

// Every text a window and its controls show a user or tell a screen reader: titles, captions,
// labels, menus and their commands, tool tips, accessible names and descriptions, placeholder
// texts and the rows of its lists. Qt's own inner widgets ("qt_..." objects) are left out.
QList<ShownText> shownTexts(QWidget* window);

// True for an empty text and for one the pseudo-translation made: "[" + English + "]".
bool isPseudoTranslated(const QString& text);

// The texts that escaped the pseudo-translation, each as "where: text", leaving out the data a
// window shows: the texts of the objects named in dataObjects (or those named there with what they
// are: "listlbl text"), and texts that, blanks trimmed, are
// in dataTexts (a product's or a list's name, say).
QStringList untranslated(const QList<ShownText>& texts, const QSet<QString>& dataObjects = {},
                         const QSet<QString>& dataTexts = {});

} // namespace pantrex::testing

// SPDX-License-Identifier: MIT
#include "filenames.h"

#include <QStringList>

namespace pantrex {

bool isBareFileName(const QString& name) {
    bool onlyDotsAndBlanks = true;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == u'/' || u == u'\\' || u == u':')
            return false;
        if (u != u'.' && u != u' ')
            onlyDotsAndBlanks = false;
    }
    // Empty, ".", ".." and anything a system that drops trailing dots and blanks could read as
    // one of those.
    return !onlyDotsAndBlanks;
}

bool isShoppingListName(const QString& name) {
    return isBareFileName(name) && name.endsWith(QStringLiteral(".lst"), Qt::CaseInsensitive);
}

QString baseName(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

bool isProgramFile(const QString& name) {
    static const QStringList programFiles = {
        DataFile::DefaultProducts, DataFile::ProductBackup, DataFile::ImportedCopy,     DataFile::NameFile,
        DataFile::OldEditionList,  DataFile::CustomLists,   DataFile::CustomListBackup, DataFile::PrintNotes,
        DataFile::Notes,           DataFile::PrintSettings,
    };
    return programFiles.contains(name, Qt::CaseInsensitive);
}

QString ticksFileOf(const QString& shoppingList) {
    return shoppingList + QStringLiteral(".ticks");
}

QString aislesFileOf(const QString& shoppingList) {
    return shoppingList + QStringLiteral(".aisles");
}

QString mergeFileOf(const QString& productList) {
    return baseName(productList) + QStringLiteral(".mrg");
}

QString ownProductList(const QString& shoppingList) {
    const QString own = baseName(shoppingList) + QStringLiteral(".dat");
    return isProgramFile(own) ? QString() : own;
}

} // namespace pantrex

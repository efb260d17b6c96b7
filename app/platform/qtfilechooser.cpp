// SPDX-License-Identifier: MIT
#include "qtfilechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace pantrex {

namespace {

QString chosenFile(QFileDialog& dialog) {
    dialog.resize(720, 440);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

// The program's files are always used from its working folder by their bare names, so the dialog
// keeps to the folder it starts in: a file picked elsewhere would not be the file that opens.
QString QtFileChooser::openFile(const Request& request) {
    QFileDialog dialog(m_parent, request.title, request.folder, request.filter);
    dialog.setObjectName(QStringLiteral("opendialog"));
    // Our own dialog on every system, so that it keeps to the folder everywhere; no renaming or
    // deleting of data files from inside it.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setFilter(QDir::Files);
    if (!request.keepToFolder)
        return chosenFile(dialog);
    const QString home = QDir(request.folder).absolutePath();
    dialog.setSidebarUrls({QUrl::fromLocalFile(home)});
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog, home](const QString& entered) {
        if (QDir(entered) != QDir(home))
            dialog.setDirectory(home);
    });
    return chosenFile(dialog);
}

QString QtFileChooser::saveFile(const Request& request) {
    QFileDialog dialog(m_parent, request.title, QDir(request.folder).filePath(request.name), request.filter);
    dialog.setObjectName(QStringLiteral("savedialog"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(request.name).suffix());
    return chosenFile(dialog);
}

} // namespace pantrex

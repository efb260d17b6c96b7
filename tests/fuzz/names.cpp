// SPDX-License-Identifier: MIT
// File and list names from any text: a bare file name stays in the working folder, a base name is
// the name's part before its first ".", a list's own product list is never one of the program's
// files, and a name the New list dialog takes makes a list file there that the name file can hold.
#include "fuzzsupport.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "mainwindow/newlistdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace pantrex;
using pantrex::fuzz::escapedText;

namespace {

// The files the program keeps for itself.
const QStringList ProgramFiles = {
    QStringLiteral("grocery.dat"),  QStringLiteral("grocery.bak"),  QStringLiteral("grocery.old"),
    QStringLiteral("namefile.dat"), QStringLiteral("pantlist.dat"), QStringLiteral("pantrecp.dat"),
    QStringLiteral("pantrecp.bak"), QStringLiteral("pantnote.dat"), QStringLiteral("pantnotes.dat"),
    QStringLiteral("pantlpt.cfg"),
};

struct Dialog {
    fuzz::Folder folder;
    fuzz::RecordingDialogs dialogs;
    Session session{folder.path()};
    NewListDialog window{session, dialogs, nullptr};
};

void checkNames(const QString& name, const QString& folder) {
    const QString what = escapedText(name);
    if (isBareFileName(name)) {
        // Only ever a file directly in the working folder.
        const QFileInfo file(QDir(folder).absoluteFilePath(name));
        FUZZ_CHECK(file.absolutePath() == folder, what + QStringLiteral(" lies in ") + file.absolutePath());
        FUZZ_CHECK(QDir::cleanPath(QDir(folder).absoluteFilePath(name)).startsWith(folder + QLatin1Char('/')), what);
        FUZZ_CHECK(!name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':'), what);
        for (const QChar c : name)
            FUZZ_CHECK(c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() <= 0x9F), what);
    }
    FUZZ_CHECK(isShoppingListName(name) == (isBareFileName(name) && name.toLower().endsWith(QStringLiteral(".lst"))),
               what);

    const QString base = baseName(name);
    FUZZ_CHECK(name.startsWith(base) && !base.contains(u'.') && (base == name || name.at(base.size()) == u'.'), what);

    const QString own = ownProductList(name);
    FUZZ_CHECK(own.isEmpty() || own == base + QStringLiteral(".dat"), what + QStringLiteral(" owns ") + own);
    FUZZ_CHECK(!ProgramFiles.contains(own, Qt::CaseInsensitive), what + QStringLiteral(" owns ") + own);
    if (own.isEmpty())
        FUZZ_CHECK(ProgramFiles.contains(base + QStringLiteral(".dat"), Qt::CaseInsensitive), what);
}

// The New list dialog: a name it takes becomes a list file in the working folder, whose name
// survives the code page and fits the name file, and whose own product list is no program file.
void checkNewList(Dialog& d, const QString& typed) {
    d.folder.clear();
    d.session.files().closeAll();
    d.session.setShoppingListPath(QStringLiteral("grocery.lst"));
    d.session.setProductListPath(QStringLiteral("grocery.dat"));
    FUZZ_CHECK(d.session.files().open(ShoppingChannel, d.session.shoppingListPath(), ShoppingRecord::Length), typed);
    d.dialogs.shown.clear();
    d.window.findChild<QLineEdit*>(QStringLiteral("fnametxt"))->setText(typed);
    const QString entered = d.window.findChild<QLineEdit*>(QStringLiteral("fnametxt"))->text();
    d.window.findChild<QPushButton*>(QStringLiteral("createcmd"))->click();

    const QString what = escapedText(entered);
    const QString list = d.session.shoppingListPath();
    if (list == QStringLiteral("grocery.lst")) {
        // Refused: the user was told why, and nothing was made.
        FUZZ_CHECK(d.dialogs.shown.size() == 1, what);
        FUZZ_CHECK(d.folder.files() == QStringList{QStringLiteral("grocery.lst")},
                   what + QStringLiteral(" left ") + d.folder.files().join(u' '));
        return;
    }
    FUZZ_CHECK(isShoppingListName(list), what + QStringLiteral(" made ") + escapedText(list));
    FUZZ_CHECK(d.folder.files().contains(list), what + QStringLiteral(" made ") + d.folder.files().join(u' '));
    FUZZ_CHECK(fromAnsi(toAnsi(list)) == list && toAnsi(list).size() <= NameFileRecord::Length,
               what + QStringLiteral(" made ") + escapedText(list));
    FUZZ_CHECK(!ownProductList(list).isEmpty() && d.session.productListPath() == ownProductList(list),
               what + QStringLiteral(" uses ") + escapedText(d.session.productListPath()));
    FUZZ_CHECK(d.session.files().file(ShoppingChannel) &&
                   QFileInfo(d.session.files().file(ShoppingChannel)->path()) == QFileInfo(d.folder.filePath(list)),
               what);
}

} // namespace

PANTREX_FUZZ_STARTS_QT(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto dialog = std::make_unique<Dialog>();
    fuzz::Input input(data, size);
    const int how = input.pick(3);
    const QString name = fuzz::textFrom(input.rest(), how);

    checkNames(name, QFileInfo(dialog->folder.path()).absoluteFilePath());
    checkNewList(*dialog, name);
    return 0;
}

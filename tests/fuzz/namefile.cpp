// SPDX-License-Identifier: MIT
// The list a run ends with is the list the next run starts with, whatever the name file held at the
// start and whatever name a list was then opened or created under; and no file is ever made or
// read outside the working folder.
#include "fuzzsupport.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/newlistdialog.h"
#include "platform/filechooser.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace pantrex;
using pantrex::fuzz::escaped;
using pantrex::fuzz::escapedText;

namespace {

const QString NameFile = QStringLiteral("namefile.dat");

// The file-open dialog, answered with one path.
class ChosenFile : public FileChooser {
public:
    QString openFile(const Request&) override { return path; }
    QString path;
};

struct Run {
    fuzz::RecordingDialogs dialogs;
    ChosenFile chooser;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    explicit Run(const QString& folder) {
        session = std::make_unique<Session>(folder);
        window = std::make_unique<MainWindow>(*session, dialogs);
        window->setFileChooser(&chooser);
        window->load();
    }
    ~Run() {
        window.reset();
        session.reset();
    }
    void quit() {
        window->quit();
        FUZZ_CHECK(session->files().file(ShoppingChannel) == nullptr, QStringLiteral("the run did not finish"));
    }
};

QStringList boxes(const fuzz::RecordingDialogs& dialogs) {
    QStringList texts;
    for (const Dialogs::Message& box : dialogs.shown)
        texts.append(escapedText(box.text));
    return texts;
}

} // namespace

PANTREX_FUZZ_STARTS_QT(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The working folder lies in a folder of its own, so that anything written beside it shows.
    static const fuzz::Folder outer;
    static const QString folder = [] {
        QDir(outer.path()).mkdir(QStringLiteral("work"));
        return outer.filePath(QStringLiteral("work"));
    }();
    QDir(folder).removeRecursively();
    QDir(outer.path()).mkdir(QStringLiteral("work"));
    const auto write = [](const QString& path, QByteArrayView bytes) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size(), path);
    };
    // A product, so that a run always remembers its list at quit rather than removing it empty.
    QByteArray product(ProductRecord::Length, '\0');
    product.replace(0, 4, "Milk");
    write(folder + QStringLiteral("/grocery.dat"), product);

    fuzz::Input input(data, size);
    const int what = input.pick(3);
    const int how = input.pick(3);
    const bool ownProducts = input.pick(2) == 0;
    if (what == 0) {
        // The name file holds anything.
        write(folder + QLatin1Char('/') + NameFile, input.rest());
    }
    Run first(folder);
    FUZZ_CHECK(first.dialogs.shown.isEmpty(), boxes(first.dialogs).join(QLatin1Char('|')));
    FUZZ_CHECK(isShoppingListName(first.session->shoppingListPath()), escapedText(first.session->shoppingListPath()));
    if (what == 1) {
        // A list created under a typed name, with a product list of its own or not.
        first.window->findChild<QAction*>(QStringLiteral("newfilecmd"))->trigger();
        auto* dialog = first.window->findChild<NewListDialog*>(QStringLiteral("pantnew"));
        FUZZ_CHECK(dialog, QStringLiteral("no New list dialog"));
        if (!ownProducts)
            first.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Ok};
        dialog->findChild<QLineEdit*>(QStringLiteral("fnametxt"))->setText(fuzz::textFrom(input.rest(), how));
        dialog->findChild<QPushButton*>(QStringLiteral("createcmd"))->click();
        QCoreApplication::processEvents();
    } else if (what == 2) {
        // A list opened from a file chosen anywhere; one of that name in the working folder holds an item.
        first.chooser.path = fuzz::textFrom(input.rest(), how);
        const QString name = QFileInfo(first.chooser.path).fileName();
        if (isBareFileName(name)) {
            QByteArray item(ShoppingRecord::Length, '\0');
            item.replace(0, 4, "Eggs");
            QFile file(folder + QLatin1Char('/') + name);
            if (file.open(QIODevice::WriteOnly))
                file.write(item);
        }
        first.window->findChild<QAction*>(QStringLiteral("openfilecmd"))->trigger();
    }
    const QString shoppath = first.session->shoppingListPath();
    FUZZ_CHECK(isShoppingListName(shoppath), escapedText(shoppath));
    FUZZ_CHECK(QFileInfo::exists(folder + QLatin1Char('/') + shoppath), escapedText(shoppath));
    first.dialogs.shown.clear();
    first.quit();
    // An empty list other than the default one is removed at quit, once the user agrees.
    const bool eliminated = !first.dialogs.shown.isEmpty() && first.dialogs.shown.constLast().text.endsWith(
                                                                  QStringLiteral(" is empty and will be eliminated."));
    FUZZ_CHECK(!eliminated || !QFileInfo::exists(folder + QLatin1Char('/') + shoppath), escapedText(shoppath));
    const QString expected = eliminated ? QStringLiteral("grocery.lst") : shoppath;
    // A list opened from a file may have a name the name file cannot hold: then the next run starts
    // with the default list, never with another one. Names read from the name file or made by the
    // New list dialog always fit.
    const bool mayForget = what == 2;
    QFile nameFile(folder + QLatin1Char('/') + NameFile);
    const QByteArray remembered = nameFile.open(QIODevice::ReadOnly) ? nameFile.readAll() : QByteArray();

    // The next run opens the same list.
    Run second(folder);
    FUZZ_CHECK(second.session->shoppingListPath() == expected ||
                   (mayForget && second.session->shoppingListPath() == QStringLiteral("grocery.lst")),
               escapedText(expected) + QStringLiteral(" was remembered as ") + escaped(remembered) +
                   QStringLiteral(" and reopened as ") + escapedText(second.session->shoppingListPath()));
    second.quit();
    FUZZ_CHECK(QDir(outer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) ==
                   QStringList{QStringLiteral("work")},
               QStringLiteral("files beside the working folder: ") +
                   QDir(outer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(u' '));
    return 0;
}

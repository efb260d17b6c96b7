// SPDX-License-Identifier: MIT
#include "cli/headless.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/programrun.h"
#include "mainwindow/translations.h"
#include "phone/phoneview.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption dataDir{
        QStringLiteral("data-dir"),
        QCoreApplication::translate("main", "Keep the data files in <folder> (default: the current folder)."),
        QCoreApplication::translate("main", "folder")};
    QCommandLineOption userData{
        QStringLiteral("user-data"),
        QCoreApplication::translate("main",
                                    "Keep the data files in your own data folder, $XDG_DATA_HOME/pantrex (normally "
                                    "~/.local/share/pantrex). The menu entry starts Pantrex this way.")};

    pantrex::HeadlessOptions headless;
    QCommandLineOption phone{
        QStringLiteral("phone"),
        QCoreApplication::translate("main", "Start the phone view at start-up on [address:]port (without an "
                                            "address, the home network's) and print its address."),
        QCoreApplication::translate("main", "[address:]port")};

    CommandLine() {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Pantrex keeps a household's grocery shopping lists."));
        parser.addOption(dataDir);
        parser.addOption(userData);
        headless.addTo(parser);
        parser.addOption(phone);
    }
};

// The user's own data folder for Pantrex. A menu entry cannot spell out a folder that depends on
// the environment, so the program finds it itself.
QString userDataFolder() {
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return shared.isEmpty() ? QString() : QDir(shared).filePath(QStringLiteral("pantrex"));
}

void tell(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
}

// Help and version need no display, so they are answered before the window system is reached.
bool asksOnlyForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

// Reads the command line (the application has already taken Qt's own options out of it). Returns
// the working folder, or nothing with exitCode set when the program is not to run.
std::optional<QString> workingFolder(CommandLine& line, const QStringList& arguments, int& exitCode) {
    if (!line.parser.parse(arguments)) {
        tell(stderr,
             QCoreApplication::translate("main", "pantrex: %1\nTry 'pantrex --help'.\n").arg(line.parser.errorText()));
        exitCode = 2;
        return std::nullopt;
    }
    if (line.parser.isSet(line.help) || line.parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(line.parser.helpText()), stdout);
        exitCode = 0;
        return std::nullopt;
    }
    if (line.parser.isSet(line.version)) {
        std::printf("pantrex %s\n", PANTREX_VERSION);
        exitCode = 0;
        return std::nullopt;
    }
    if (!line.parser.positionalArguments().isEmpty()) {
        tell(stderr, QCoreApplication::translate("main", "pantrex: unexpected argument '%1'\nTry 'pantrex --help'.\n")
                         .arg(line.parser.positionalArguments().constFirst()));
        exitCode = 2;
        return std::nullopt;
    }
    if (line.parser.isSet(line.userData)) {
        const QString folder = userDataFolder();
        if (line.parser.isSet(line.dataDir) || folder.isEmpty()) {
            tell(stderr,
                 folder.isEmpty()
                     ? QCoreApplication::translate("main", "pantrex: there is no home folder to keep the data in.\n")
                     : QCoreApplication::translate("main",
                                                   "pantrex: give either --data-dir or --user-data, not both.\n"));
            exitCode = 2;
            return std::nullopt;
        }
        return folder;
    }
    return line.parser.isSet(line.dataDir) ? line.parser.value(line.dataDir) : QDir::currentPath();
}

// --phone: the one line on standard output is the address the "Phone view" window's QR code holds.
bool startPhoneView(pantrex::ProgramRun& run, const QString& where) {
    const auto address = pantrex::PhoneView::listenAddress(where);
    QString why;
    const std::optional<QUrl> url =
        address ? run.window().phoneView().start(address->first, address->second, why) : std::nullopt;
    if (!url) {
        tell(stderr,
             address
                 ? QCoreApplication::translate("main", "pantrex: the phone view could not start: %1\n").arg(why)
                 : QCoreApplication::translate("main", "pantrex: --phone wants [address:]port, not '%1'\n").arg(where));
        return false;
    }
    std::printf("Phone view: %s\n", url->toString(QUrl::FullyEncoded).toLatin1().constData());
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Pantrex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANTREX_VERSION));
    int exitCode = 0;
    if (asksOnlyForInformation(argc, argv) || pantrex::asksForHeadlessWork(argc, argv)) {
        QCoreApplication information(argc, argv);
        const pantrex::Translations translations(QLocale::system());
        CommandLine line;
        const std::optional<QString> folder = workingFolder(line, information.arguments(), exitCode);
        return folder ? pantrex::runHeadless(*folder, line.parser, line.headless) : exitCode;
    }

    QApplication app(argc, argv);
    const pantrex::Translations translations(QLocale::system());
    CommandLine line;
    const std::optional<QString> folderName = workingFolder(line, app.arguments(), exitCode);
    const QString phone = line.parser.value(line.phone);
    if (!folderName)
        return exitCode;
    pantrex::ProgramRun run(*folderName);
    if (!run.start())
        return 1;
    if (!phone.isEmpty() && !startPhoneView(run, phone))
        return 2;
    return app.exec();
}

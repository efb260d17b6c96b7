#include "mainwindow/pantmod.h"
#include "mainwindow/pantrex1.h"
#include "mainwindow/workingfolder.h"
#include "platform/qtdialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <optional>

namespace {

struct Options {
    QString dataDir;
};

// Reads the command line; prints help or the version and returns nothing when that is all to do.
std::optional<Options> parseCommandLine(int argc, char** argv, int& exitCode) {
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pantrex keeps a household's grocery shopping lists."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption dataDirOption(
        QStringLiteral("data-dir"), QStringLiteral("Keep the data files in <folder> (default: the current folder)."),
        QStringLiteral("folder"));
    parser.addOption(dataDirOption);
    if (!parser.parse(probe.arguments())) {
        std::fprintf(stderr, "pantrex: %s\nTry 'pantrex --help'.\n", qPrintable(parser.errorText()));
        exitCode = 2;
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        std::printf("pantrex %s\n", PANTREX_VERSION);
        exitCode = 0;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "pantrex: unexpected argument '%s'\nTry 'pantrex --help'.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        exitCode = 2;
        return std::nullopt;
    }
    return Options{parser.isSet(dataDirOption) ? parser.value(dataDirOption) : QDir::currentPath()};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Pantrex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PANTREX_VERSION));
    int exitCode = 0;
    const std::optional<Options> options = parseCommandLine(argc, argv, exitCode);
    if (!options)
        return exitCode;

    QApplication app(argc, argv);
    pantrex::QtDialogs dialogs;
    pantrex::WorkingFolder folder(options->dataDir);
    if (!folder.claim(dialogs))
        return 1;

    pantrex::PANTMOD pantmod(folder.path());
    pantrex::pantrex1 window(pantmod, dialogs);
    dialogs.setParent(&window);
    QObject::connect(&window, &pantrex::pantrex1::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.load();
    return app.exec();
}

// SPDX-License-Identifier: MIT
#include "headless.h"

#include "core/listtext.h"
#include "core/productcsv.h"
#include "core/session.h"
#include "core/workingfolder.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace pantrex {

namespace {

constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Headless)
};

void say(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void complain(const QString& text) {
    say(stderr, QStringLiteral("pantrex: ") + text + QLatin1Char('\n'));
}

bool writeToStandardOutput(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

int exportProducts(Session& session, const QString& target) {
    if (target == QLatin1String("-")) {
        session.catalog().refresh(session.files(), session.productListPath());
        if (writeToStandardOutput(productsAsCsv(session.catalog())))
            return Done;
        complain(Texts::tr("could not write the products to standard output."));
        return Failed;
    }
    if (const std::optional<Notice> failed = exportProductsCsv(session, target)) {
        complain(failed->text);
        return Failed;
    }
    const qint64 count = session.catalog().count();
    say(stdout, (count == 1 ? Texts::tr("Exported 1 product from %2 to %3.\n")
                            : Texts::tr("Exported %1 products from %2 to %3.\n").arg(count))
                    .arg(session.productListPath(), target));
    return Done;
}

int importProducts(Session& session, const QString& source, bool write) {
    CsvImportPlan plan;
    if (source == QLatin1String("-")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            complain(input.errorString());
            return Failed;
        }
        plan = planCsvImport(session, input.readAll());
    } else {
        plan = planCsvImportFile(session, source);
    }
    if (plan.refused) {
        complain(plan.refused->text);
        return Failed;
    }
    if (!write) {
        say(stdout, plan.summary(CsvImportPlan::Tense::Planned) + QLatin1Char('\n'));
        if (!plan.additions.isEmpty())
            say(stdout, Texts::tr("Nothing was written: run again with --yes to add them to %1.\n")
                            .arg(session.productListPath()));
        return Done;
    }
    if (const std::optional<Notice> failed = commitCsvImport(session, plan)) {
        complain(failed->text);
        return Failed;
    }
    say(stdout, plan.summary(CsvImportPlan::Tense::Done) + QLatin1Char('\n'));
    return Done;
}

int printList(Session& session) {
    ShoppingList& list = session.shoppingList();
    if (const std::optional<Notice> failed = list.reload()) {
        complain(failed->text);
        return Failed;
    }
    return writeToStandardOutput(shoppingListText(list).toUtf8()) ? Done : Failed;
}

} // namespace

HeadlessOptions::HeadlessOptions()
    : exportCsv(QStringLiteral("export-csv"),
                Texts::tr("Write the open product list as CSV to <file> (- for standard output), without a window."),
                Texts::tr("file")),
      importCsv(QStringLiteral("import-csv"),
                Texts::tr("Tell what importing the products of the CSV file <file> (- for standard input) would "
                          "add to the open product list, without a window; with --yes, add them."),
                Texts::tr("file")),
      yes(QStringLiteral("yes"), Texts::tr("With --import-csv: add the products.")),
      listText(QStringLiteral("list-text"), Texts::tr("Print the open shopping list as text, without a window.")) {}

void HeadlessOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({exportCsv, importCsv, yes, listText});
}

bool HeadlessOptions::anySet(const QCommandLineParser& parser) const {
    return parser.isSet(exportCsv) || parser.isSet(importCsv) || parser.isSet(yes) || parser.isSet(listText);
}

bool asksForHeadlessWork(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--export-csv", "--import-csv", "--yes", "--list-text"}) {
            const size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

int runHeadless(const QString& folder, const QCommandLineParser& parser, const HeadlessOptions& options) {
    const int tasks = int(parser.isSet(options.exportCsv)) + int(parser.isSet(options.importCsv)) +
                      int(parser.isSet(options.listText));
    if (tasks != 1 || (parser.isSet(options.yes) && !parser.isSet(options.importCsv))) {
        complain(Texts::tr("give one of --export-csv, --import-csv and --list-text (--yes only with "
                           "--import-csv).\nTry 'pantrex --help'."));
        return Usage;
    }
    // Another Pantrex working in the folder is not waited for or asked: nothing is done.
    WorkingFolder workingFolder(folder);
    if (const std::optional<Notice> refused = workingFolder.claim()) {
        complain(refused->text);
        return Failed;
    }
    Session session(workingFolder.path());
    bool failed = false;
    for (const Notice& notice : session.openAtStart()) {
        complain(notice.text);
        failed = failed || notice.kind == Notice::Kind::Error;
    }
    if (failed)
        return Failed;
    if (parser.isSet(options.exportCsv))
        return exportProducts(session, parser.value(options.exportCsv));
    if (parser.isSet(options.importCsv))
        return importProducts(session, parser.value(options.importCsv), parser.isSet(options.yes));
    return printList(session);
}

} // namespace pantrex

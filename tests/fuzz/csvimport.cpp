// SPDX-License-Identifier: MIT
// The import of a CSV file from any product and CSV bytes: every row is added, found already there
// or refused with its line; the products already there stay byte for byte; only whole records the
// entry dialog could have made are appended, each new name once; and what was imported, exported
// again, adds nothing.
#include "fuzzsupport.h"

#include "core/csvtable.h"
#include "core/productcsv.h"
#include "core/session.h"
#include "data/ansitext.h"

#include <QSet>

#include <algorithm>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

constexpr int Length = ProductRecord::Length;

bool isText(QByteArrayView field) {
    return std::none_of(field.begin(), field.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

// A record as the entry dialog writes it: a name, a price in the display pattern, flags "1" or a
// blank, zero bytes in the reserved fields and a category that is not blank.
void checkNewProduct(QByteArrayView record) {
    const QByteArrayView name = fieldText(fuzz::fieldOf(record, ProductRecord::ItemName));
    const QByteArrayView price = fieldText(fuzz::fieldOf(record, ProductRecord::Price));
    FUZZ_CHECK(!name.isEmpty() && isText(name), escaped(record));
    FUZZ_CHECK(fuzz::isMoney(price) && !price.startsWith('-'), escaped(record));
    for (const Field flag : {ProductRecord::HighFat, ProductRecord::HighCarb})
        FUZZ_CHECK(fuzz::fieldOf(record, flag) == "1" || fuzz::fieldOf(record, flag) == " ", escaped(record));
    for (const Field reserved : {ProductRecord::Reserved1, ProductRecord::Reserved2}) {
        const QByteArrayView bytes = fuzz::fieldOf(record, reserved);
        FUZZ_CHECK(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; }), escaped(record));
    }
    FUZZ_CHECK(!fieldText(fuzz::fieldOf(record, ProductRecord::Category)).isEmpty(), escaped(record));
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Folder folder;
    folder.clear();
    fuzz::Input input(data, size);
    const qsizetype productBytes = input.byte() | (input.byte() << 8);
    const QByteArray products = input.take(productBytes).toByteArray();
    const QByteArray csv = input.rest().toByteArray();
    folder.write(QStringLiteral("grocery.dat"), products);

    Session session(folder.path());
    FUZZ_CHECK(session.openProductList(QStringLiteral("grocery.dat")), session.files().errorString());
    const CsvImportPlan plan = planCsvImport(session, csv);
    FUZZ_CHECK(folder.read(QStringLiteral("grocery.dat")) == products, QStringLiteral("written by the plan"));
    const QString summary = plan.summary(CsvImportPlan::Tense::Done);
    FUZZ_CHECK(summary.endsWith(QLatin1Char('.')), summary);
    if (plan.refused) {
        FUZZ_CHECK(plan.additions.isEmpty() && !commitCsvImport(session, plan), plan.refused->text);
        return 0;
    }
    // Every row after the header is accounted for once; refusals come in line order.
    const CsvTable table = readCsv(csv);
    FUZZ_CHECK(plan.additions.size() + plan.alreadyThere + plan.refusals.size() == table.rows.size() - 1, summary);
    for (qsizetype i = 1; i < plan.refusals.size(); ++i)
        FUZZ_CHECK(plan.refusals[i - 1].line < plan.refusals[i].line, summary);

    FUZZ_CHECK(!commitCsvImport(session, plan), QStringLiteral("commit failed"));
    const QByteArray after = folder.read(QStringLiteral("grocery.dat"));
    const qint64 oldCount = products.size() / Length;
    // Nothing to add writes nothing; the rewrite drops a partial record at the end.
    if (plan.additions.isEmpty())
        FUZZ_CHECK(after == products, QStringLiteral("written without a new product"));
    else
        FUZZ_CHECK(after.size() == (oldCount + plan.additions.size()) * Length, QString::number(after.size()));
    FUZZ_CHECK(after.startsWith(products.first(oldCount * Length)), QStringLiteral("products changed"));
    QSet<QByteArray> names;
    for (qint64 n = 1; n <= oldCount; ++n)
        names.insert(ansiUpper(fieldText(QByteArrayView(after).sliced((n - 1) * Length, 40))));
    for (qint64 n = oldCount + 1; n <= after.size() / Length; ++n) {
        const QByteArrayView record = QByteArrayView(after).sliced((n - 1) * Length, Length);
        checkNewProduct(record);
        const qsizetype known = names.size();
        names.insert(ansiUpper(fieldText(fuzz::fieldOf(record, ProductRecord::ItemName))));
        FUZZ_CHECK(names.size() > known, QStringLiteral("a name added twice: ") + escaped(record));
    }
    FUZZ_CHECK(session.productCount() == after.size() / Length, QString::number(session.productCount()));

    // The list exported and imported again adds nothing.
    session.catalog().refresh(session.files(), QStringLiteral("grocery.dat"));
    const QByteArray exported = productsAsCsv(session.catalog());
    const CsvImportPlan again = planCsvImport(session, exported);
    FUZZ_CHECK(!again.refused && again.additions.isEmpty(), again.summary(CsvImportPlan::Tense::Planned));
    return 0;
}

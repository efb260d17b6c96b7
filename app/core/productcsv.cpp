// SPDX-License-Identifier: MIT
#include "productcsv.h"

#include "core/csvtable.h"
#include "core/entrytext.h"
#include "core/mergefiles.h"
#include "core/productoperations.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/numbertext.h"
#include "data/productcatalog.h"
#include "data/recordfile.h"
#include "data/safefile.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace pantrex {

namespace {

constexpr QByteArrayView Header("name,price,category,high_fat,high_carb\r\n");
// A refusal list longer than this is cut short: a file that is not a product list at all would
// otherwise fill the screen.
constexpr qsizetype MostRefusalsListed = 20;

// Each byte of the code page as UTF-8, worked out once: an export converts every name byte by byte.
const std::array<QByteArray, 256>& utf8Table() {
    static const std::array<QByteArray, 256> table = [] {
        std::array<QByteArray, 256> bytes;
        for (int b = 0; b < 256; ++b)
            bytes[size_t(b)] = fromAnsi(QByteArrayView(std::array{char(b)}.data(), 1)).toUtf8();
        return bytes;
    }();
    return table;
}

// A stored text field as a CSV field in UTF-8, in quotes where it needs them.
void appendField(QByteArray& csv, QByteArrayView stored) {
    const QByteArrayView text = fieldText(stored);
    const bool quoted = csvNeedsQuotes(text);
    const std::array<QByteArray, 256>& utf8 = utf8Table();
    if (quoted)
        csv.append('"');
    for (const char c : text) {
        if (c == '"')
            csv.append('"');
        if (static_cast<unsigned char>(c) < 0x80)
            csv.append(c);
        else
            csv.append(utf8[static_cast<unsigned char>(c)]);
    }
    if (quoted)
        csv.append('"');
}

// Which field of a row holds what: -1 for a column the file does not have.
struct Columns {
    qsizetype name = -1;
    qsizetype price = -1;
    qsizetype category = -1;
    qsizetype highFat = -1;
    qsizetype highCarb = -1;
};

// Headers are matched ignoring case and blanks around them; "High fat" and "high-fat" do as well.
Columns columnsOf(const QList<QByteArray>& header) {
    Columns columns;
    for (qsizetype i = 0; i < header.size(); ++i) {
        QByteArray key = header[i].trimmed().toLower();
        key.replace(' ', '_').replace('-', '_');
        for (auto [name, column] : {std::pair{"name", &columns.name}, std::pair{"price", &columns.price},
                                    std::pair{"category", &columns.category}, std::pair{"high_fat", &columns.highFat},
                                    std::pair{"high_carb", &columns.highCarb}}) {
            if (key == name && *column < 0)
                *column = i;
        }
    }
    return columns;
}

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProductCsv)
};

// One field of a row read as a product's text, or why it cannot be.
class RowReader {
public:
    RowReader(const CsvRow& row, char separator) : m_row(row), m_separator(separator) {}

    const std::optional<QString>& refusal() const { return m_refusal; }

    // The field as text: "" for a column the file or the row lacks.
    QString text(qsizetype column, const QString& what) {
        if (m_refusal || column < 0 || column >= m_row.fields.size())
            return {};
        const QByteArray& bytes = m_row.fields[column];
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(bytes);
        if (decoder.hasError() || bytes.contains('\0'))
            return refuse(Texts::tr("the %1 is not text").arg(what));
        if (decoded.contains(QLatin1Char('\n')) || decoded.contains(QLatin1Char('\r')))
            return refuse(Texts::tr("the %1 holds a line break").arg(what));
        if (std::any_of(decoded.cbegin(), decoded.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
            return refuse(Texts::tr("the %1 is not text").arg(what));
        return decoded;
    }

    // Text that is to be stored in a field of this width: every character must be one the product
    // list can hold, and all of them must fit.
    QString stored(const QString& text, const QString& what, int width) {
        if (m_refusal)
            return {};
        for (const QChar c : text) {
            if (toAnsi(QString(c)) == "?" && c != QLatin1Char('?'))
                return refuse(Texts::tr("the %1 \"%2\" holds \"%3\", which the product list cannot store")
                                  .arg(what, text, QString(c)));
        }
        if (toAnsi(text).size() > width)
            return refuse(Texts::tr("the %1 \"%2\" does not fit in %3 characters").arg(what, text).arg(width));
        return text;
    }

    // The price as the entry dialog's check leaves it ("5" gives "5.00"). A spreadsheet set to a
    // language that writes a decimal comma uses ";" or a tab between fields: there "2,49" is 2.49.
    QString price(qsizetype column) {
        QString typed = trimBlanks(text(column, Texts::tr("price")));
        if (m_refusal)
            return {};
        if (typed.isEmpty())
            return refuse(Texts::tr("the price is empty"));
        QString entry = typed;
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        if (m_separator != ',' && comma >= 0 && !entry.contains(QLatin1Char('.')) && entry.size() - comma <= 3)
            entry[comma] = QLatin1Char('.');
        // A number for the dialog's check holds at least one digit besides its blanks and point.
        if (!quantityIsNumber(entry))
            return refuse(Texts::tr("price \"%1\" is not a number").arg(typed));
        const QString formatted = formatPriceEntry(entry);
        if (formatted.size() > ProductRecord::Price.width)
            return refuse(Texts::tr("price \"%1\" does not fit in %2 characters (%3)")
                              .arg(typed)
                              .arg(ProductRecord::Price.width)
                              .arg(formatted));
        return formatted;
    }

    bool flag(qsizetype column, const char* header) {
        const QString value = trimBlanks(text(column, QString::fromLatin1(header))).toLower();
        if (m_refusal)
            return false;
        static const std::array<QString, 3> yes{QStringLiteral("yes"), QStringLiteral("true"), QStringLiteral("1")};
        static const std::array<QString, 3> no{QStringLiteral("no"), QStringLiteral("false"), QStringLiteral("0")};
        if (value == QLatin1String("x") || std::find(yes.begin(), yes.end(), value) != yes.end())
            return true;
        if (value.isEmpty() || std::find(no.begin(), no.end(), value) != no.end())
            return false;
        refuse(Texts::tr("%1 \"%2\" is not yes or no").arg(QString::fromLatin1(header), value));
        return false;
    }

private:
    QString refuse(const QString& why) {
        m_refusal = why;
        return {};
    }

    const CsvRow& m_row;
    char m_separator;
    std::optional<QString> m_refusal;
};

// The product a row stands for, named, capitalised and priced as the entry dialog does it.
std::optional<ProductEntry> entryOf(const CsvRow& row, const Columns& columns, char separator, QString& why) {
    RowReader reader(row, separator);
    ProductEntry entry;
    const QString nameWord = Texts::tr("name");
    const QString categoryWord = Texts::tr("category");
    const QString name = capwords(trimBlanks(reader.text(columns.name, nameWord)));
    if (!reader.refusal() && name.isEmpty()) {
        why = Texts::tr("the name is empty");
        return std::nullopt;
    }
    entry.name = reader.stored(name, nameWord, ProductRecord::ItemName.width);
    entry.price = reader.price(columns.price);
    entry.category = reader.stored(capwords(trimBlanks(reader.text(columns.category, categoryWord))), categoryWord,
                                   ProductRecord::Category.width);
    entry.highFat = reader.flag(columns.highFat, "high_fat");
    entry.highCarb = reader.flag(columns.highCarb, "high_carb");
    if (reader.refusal()) {
        why = *reader.refusal();
        return std::nullopt;
    }
    return entry;
}

// "2 lines were refused (line 14: price "abc" is not a number; line 90: the name is empty)".
QString refusedLines(const QList<CsvRefusal>& refusals, bool done) {
    QStringList lines;
    for (qsizetype i = 0; i < std::min(refusals.size(), MostRefusalsListed); ++i)
        lines.append(Texts::tr("line %1: %2").arg(refusals[i].line).arg(refusals[i].reason));
    if (refusals.size() > MostRefusalsListed)
        lines.append(Texts::tr("and %1 more").arg(refusals.size() - MostRefusalsListed));
    const QString listed = lines.join(QStringLiteral("; "));
    if (refusals.size() == 1)
        return (done ? Texts::tr("1 line was refused (%1)") : Texts::tr("1 line would be refused (%1)")).arg(listed);
    return (done ? Texts::tr("%1 lines were refused (%2)") : Texts::tr("%1 lines would be refused (%2)"))
        .arg(refusals.size())
        .arg(listed);
}

CsvImportPlan refusedPlan(const QString& why) {
    CsvImportPlan plan;
    plan.refused = Notice{why, QString(), Notice::Kind::Warning};
    return plan;
}

} // namespace

QByteArray productsAsCsv(const ProductCatalog& catalog) {
    QByteArray csv;
    csv.reserve(Header.size() + catalog.count() * 64);
    csv.append(Header);
    for (qint64 n = 1; n <= catalog.count(); ++n) {
        const QByteArrayView record = catalog.record(n);
        const auto field = [record](Field f) { return record.sliced(f.offset, f.width); };
        appendField(csv, catalog.name(n));
        csv.append(',').append(formatMoney(fieldText(field(ProductRecord::Price)))).append(',');
        appendField(csv, field(ProductRecord::Category));
        csv.append(catalog.highFat(n) ? ",yes" : ",no").append(catalog.highCarb(n) ? ",yes\r\n" : ",no\r\n");
    }
    return csv;
}

std::optional<Notice> exportProductsCsv(Session& session, const QString& path) {
    // A data file of the working folder chosen by mistake would be replaced by text.
    const QFileInfo target(path);
    static const QStringList dataEndings{QStringLiteral("dat"), QStringLiteral("lst"), QStringLiteral("mrg"),
                                         QStringLiteral("bak"), QStringLiteral("old"), QStringLiteral("cfg")};
    if (QFileInfo(target.absolutePath()) == QFileInfo(session.workingFolder()) &&
        dataEndings.contains(target.suffix().toLower()))
        return Notice{Texts::tr("%1 is one of Pantrex's data files. Save the CSV file under another name.")
                          .arg(target.fileName()),
                      QString(), Notice::Kind::Warning};
    session.catalog().refresh(session.files(), session.productListPath());
    FileReplacement file(path);
    if (!file.open() || !file.write(productsAsCsv(session.catalog())) || !file.commit())
        return Notice::fileError(file.errorString());
    return std::nullopt;
}

QString CsvImportPlan::summary(Tense tense) const {
    const bool done = tense == Tense::Done;
    const qsizetype added = additions.size();
    QStringList parts;
    if (added == 0)
        parts.append(done ? tr("Added no products") : tr("Would add no products"));
    else if (added == 1)
        parts.append(done ? tr("Added 1 product") : tr("Would add 1 product"));
    else
        parts.append((done ? tr("Added %1 products") : tr("Would add %1 products")).arg(added));
    if (alreadyThere == 1)
        parts.append(done ? tr("1 was already there") : tr("1 is already there"));
    else if (alreadyThere > 1)
        parts.append((done ? tr("%1 were already there") : tr("%1 are already there")).arg(alreadyThere));
    if (!refusals.isEmpty())
        parts.append(refusedLines(refusals, done));
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

CsvImportPlan planCsvImport(Session& session, QByteArrayView csv) {
    ProductCatalog& catalog = session.catalog();
    catalog.refresh(session.files(), session.productListPath());
    const CsvTable table = readCsv(csv);
    if (!table.complete)
        return refusedPlan(Texts::tr("The file is too large to read."));
    const Columns columns = table.rows.isEmpty() ? Columns() : columnsOf(table.rows.constFirst().fields);
    if (columns.name < 0 || columns.price < 0)
        return refusedPlan(Texts::tr("The file's first line names no \"name\" and \"price\" columns, so it "
                                     "holds no products Pantrex can read."));

    CsvImportPlan plan;
    plan.productFile = session.productListPath();
    plan.basis = catalog.bytes().toByteArray();
    plan.basis.chop(plan.basis.size() % ProductRecord::Length);
    ProductNames names(catalog, table.rows.size());
    for (qsizetype i = 1; i < table.rows.size(); ++i) {
        const CsvRow& row = table.rows[i];
        QString why;
        const std::optional<ProductEntry> entry = entryOf(row, columns, table.separator, why);
        if (!entry) {
            plan.refusals.append({row.line, why});
            continue;
        }
        const Record record = ProductOperations::productRecord(*entry, true);
        if (names.takeNew(record.text(ProductRecord::ItemName)))
            plan.additions.append(record);
        else
            ++plan.alreadyThere;
    }
    return plan;
}

CsvImportPlan planCsvImportFile(Session& session, const QString& path) {
    QString why;
    const std::optional<QByteArray> bytes = readRegularFile(path, -1, why);
    if (!bytes)
        return refusedPlan(Texts::tr("%1 could not be read: %2").arg(path, why));
    return planCsvImport(session, *bytes);
}

std::optional<Notice> commitCsvImport(Session& session, const CsvImportPlan& plan) {
    if (plan.refused || plan.additions.isEmpty())
        return std::nullopt;
    const UndoStep undo(session.undoHistory(), UndoCaptions::tr("Import products from CSV"),
                        {session.productListPath()}, UndoHistory::Writes::NewFiles);
    const QString changed = Texts::tr("%1 was changed since the CSV file was read. Nothing was imported; try the "
                                      "import again.")
                                .arg(plan.productFile);
    if (plan.productFile != session.productListPath())
        return Notice{changed, QString(), Notice::Kind::Warning};
    ProductOperations operations(session);
    std::optional<Notice> failure;
    RecordFile* products = operations.productFile(failure);
    if (!products)
        return failure;
    const std::optional<bool> unchanged = products->holds(plan.basis);
    if (!unchanged)
        return Notice::fileError(products->errorString());
    if (!*unchanged)
        return Notice{changed, QString(), Notice::Kind::Warning};
    QByteArray added;
    added.reserve(plan.additions.size() * ProductRecord::Length);
    for (const Record& record : plan.additions)
        added.append(record.bytes());
    if (!products->rewritePieces({plan.basis, added}))
        return Notice::fileError(products->errorString());
    session.setProductCount(products->count());
    session.notifyProductsChanged();
    return std::nullopt;
}

} // namespace pantrex

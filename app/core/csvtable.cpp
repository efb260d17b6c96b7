// SPDX-License-Identifier: MIT
#include "csvtable.h"

#include <csv.h>

#include <algorithm>
#include <array>

namespace pantrex {

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

QByteArrayView withoutByteOrderMark(QByteArrayView bytes) {
    return bytes.startsWith(ByteOrderMark) ? bytes.sliced(ByteOrderMark.size()) : bytes;
}

// Only blanks around an unquoted field are dropped: a tab may be the separator.
int isBlank(unsigned char c) {
    return c == ' ' ? 1 : 0;
}

// Line ends inside a quoted field: LF, CRLF, or a lone CR.
qint64 lineEndsIn(QByteArrayView text) {
    qint64 ends = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    }
    return ends;
}

// Collects libcsv's fields into rows and follows the line numbers: every line end outside a field is
// reported to it, and those inside quoted fields are counted in the fields.
class RowCollector {
public:
    explicit RowCollector(CsvTable& table) : m_table(table) {}

    static void onField(void* data, size_t length, void* self) {
        static_cast<RowCollector*>(self)->field(QByteArrayView(static_cast<const char*>(data), qsizetype(length)));
    }
    static void onRowEnd(int terminator, void* self) { static_cast<RowCollector*>(self)->rowEnd(terminator); }

private:
    void field(QByteArrayView text) {
        m_row.fields.append(text.toByteArray());
        m_lineEnds += lineEndsIn(text);
        m_afterCarriageReturn = false;
    }

    void rowEnd(int terminator) {
        const bool secondHalfOfCrLf = terminator == CSV_LF && m_afterCarriageReturn && m_row.fields.isEmpty();
        if (terminator == CSV_CR || terminator == CSV_LF) {
            if (!secondHalfOfCrLf)
                ++m_lineEnds;
            m_afterCarriageReturn = terminator == CSV_CR;
        }
        const bool blank = std::all_of(m_row.fields.cbegin(), m_row.fields.cend(),
                                       [](const QByteArray& f) { return f.trimmed().isEmpty(); });
        if (!blank)
            m_table.rows.append(m_row);
        m_row = CsvRow();
        m_row.line = m_lineEnds + 1;
    }

    CsvTable& m_table;
    CsvRow m_row{1, {}};
    qint64 m_lineEnds = 0;
    bool m_afterCarriageReturn = false;
};

} // namespace

char detectSeparator(QByteArrayView bytes) {
    std::array<qsizetype, 3> counts{};
    constexpr std::array<char, 3> candidates{',', ';', '\t'};
    bool quoted = false;
    for (const char c : withoutByteOrderMark(bytes)) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted) {
            const auto* found = std::find(candidates.begin(), candidates.end(), c);
            if (found != candidates.end())
                ++counts[size_t(found - candidates.begin())];
        }
    }
    // The first of the most frequent wins, so "," when there is a tie or none at all.
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : candidates[size_t(most - counts.begin())];
}

CsvTable readCsv(QByteArrayView bytes) {
    CsvTable table;
    const QByteArrayView text = withoutByteOrderMark(bytes);
    table.separator = detectSeparator(text);
    csv_parser parser{};
    if (csv_init(&parser, CSV_REPALL_NL) != 0) {
        table.complete = false;
        return table;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(table.separator));
    csv_set_space_func(&parser, isBlank);
    RowCollector collector(table);
    const auto length = size_t(text.size());
    if (csv_parse(&parser, text.data(), length, RowCollector::onField, RowCollector::onRowEnd, &collector) != length)
        table.complete = false;
    else
        csv_fini(&parser, RowCollector::onField, RowCollector::onRowEnd, &collector);
    csv_free(&parser);
    return table;
}

bool csvNeedsQuotes(QByteArrayView text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ',' || c == ';' || c == '\t' || c == '"' || c == '\n' || c == '\r'; });
}

QByteArray csvField(QByteArrayView text) {
    if (!csvNeedsQuotes(text))
        return text.toByteArray();
    QByteArray quoted;
    quoted.reserve(text.size() + 2);
    quoted.append('"');
    for (const char c : text) {
        if (c == '"')
            quoted.append('"');
        quoted.append(c);
    }
    quoted.append('"');
    return quoted;
}

} // namespace pantrex

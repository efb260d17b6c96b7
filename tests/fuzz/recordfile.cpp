// SPDX-License-Identifier: MIT
// A record file over any bytes: what it counts and reads must be exactly the whole records on disk,
// a read past them must fail, and an append must leave those records as they were.
#include "fuzzsupport.h"

#include "data/recordfile.h"

#include <algorithm>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

// The program's record lengths, then any other.
int recordLength(fuzz::Input& input) {
    static constexpr int Lengths[] = {
        ProductRecord::Length, ShoppingRecord::Length, CustomListRecord::Length, NameFileRecord::Length, 60, 508, 3000};
    const int pick = input.byte();
    return pick < 7 ? Lengths[pick] : 1 + pick % 150;
}

bool allBlanks(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// A field read as text: what stands before its first zero byte, blanks at either end left out.
void checkFieldText(QByteArrayView raw) {
    const QByteArrayView text = fieldText(raw);
    const qsizetype zero = raw.indexOf('\0');
    const QByteArrayView kept = zero < 0 ? raw : raw.first(zero);
    FUZZ_CHECK(!text.startsWith(' ') && !text.endsWith(' '), escaped(raw));
    const qsizetype at = text.isEmpty() ? 0 : text.data() - raw.data();
    FUZZ_CHECK(at >= 0 && at + text.size() <= kept.size(), escaped(raw));
    FUZZ_CHECK(allBlanks(kept.first(at)) && allBlanks(kept.sliced(at + text.size())), escaped(raw));
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Folder folder;
    fuzz::Input input(data, size);
    const int length = recordLength(input);
    const qint64 asked = qint64(input.byte()) - 2;
    const QByteArray bytes = input.rest().toByteArray();
    const QString name = QStringLiteral("records.dat");
    folder.write(name, bytes);

    RecordFile file(folder.filePath(name), length);
    FUZZ_CHECK(file.open(), file.errorString());
    const qint64 count = bytes.size() / length;
    FUZZ_CHECK(file.count() == count,
               QStringLiteral("%1 for %2 bytes of %3").arg(file.count()).arg(bytes.size()).arg(length));

    // Every whole record, each exactly its bytes.
    const std::optional<QList<Record>> all = file.readAll();
    FUZZ_CHECK(all && all->size() == count, file.errorString());
    for (qint64 n = 1; n <= count; ++n) {
        const QByteArrayView expected = QByteArrayView(bytes).sliced((n - 1) * length, length);
        FUZZ_CHECK(all->at(n - 1).bytes() == expected, QStringLiteral("record %1").arg(n));
        checkFieldText(expected.first(std::min(length, 40)));
    }
    // Some records one by one, and the first few at once; past the end nothing, with a reason.
    for (const qint64 n : {asked, count - 1, count, count + 1}) {
        const std::optional<Record> one = file.read(n);
        FUZZ_CHECK(one.has_value() == (n >= 1 && n <= count), QStringLiteral("record %1 of %2").arg(n).arg(count));
        if (one)
            FUZZ_CHECK(one->bytes() == all->at(n - 1).bytes(), QStringLiteral("record %1").arg(n));
        else
            FUZZ_CHECK(!file.errorString().isEmpty(), QStringLiteral("record %1").arg(n));
        const std::optional<QList<Record>> first = file.readFirst(n);
        FUZZ_CHECK(first.has_value() == (n >= 0 && n <= count), QStringLiteral("first %1 of %2").arg(n).arg(count));
        for (qsizetype i = 0; first && i < first->size(); ++i)
            FUZZ_CHECK(first->at(i).bytes() == all->at(i).bytes(), QStringLiteral("first %1").arg(n));
    }

    // An append leaves every whole record as it was and writes one whole record after them.
    Record added(length);
    added.set({0, std::min(length, 4)}, "Milk");
    FUZZ_CHECK(file.append(added), file.errorString());
    file.close();
    const QByteArray after = folder.read(name);
    FUZZ_CHECK(after.size() == (count + 1) * length, QStringLiteral("%1 bytes after the append").arg(after.size()));
    FUZZ_CHECK(after.startsWith(QByteArrayView(bytes).first(count * length)), QStringLiteral("records changed"));
    FUZZ_CHECK(after.endsWith(added.bytes()), escaped(after.right(length)));
    return 0;
}

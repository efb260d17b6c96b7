// SPDX-License-Identifier: MIT
// The custom lists as the chooser gathers them from any "pantrecp.dat": each distinct stored name
// once, in byte order, and for a name exactly the records of its list, in item order.
#include "fuzzsupport.h"

#include "core/customlistcatalog.h"
#include "data/ansitext.h"
#include "data/filechannels.h"

#include <algorithm>
#include <cstring>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

// A stored name as the chooser shows it: all its bytes, a zero byte as a blank.
QByteArray shown(QByteArrayView name) {
    return name.toByteArray().replace('\0', ' ');
}

// A shown name without the blanks around it.
QString withoutBlanks(QByteArrayView name) {
    QByteArray text = shown(name);
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.endsWith(' '))
        text.chop(1);
    return fromAnsi(text);
}

// Two names name the same list when, as shown and without blanks around them, they are equal
// ignoring case.
bool sameList(QByteArrayView a, QByteArrayView b) {
    return withoutBlanks(a).compare(withoutBlanks(b), Qt::CaseInsensitive) == 0;
}

void checkItems(const CustomListCatalog& catalog, const QByteArray& bytes, QByteArrayView name) {
    const qint64 count = bytes.size() / CustomListRecord::Length;
    const QList<ListItem> items = catalog.items(name);
    QList<qint64> expected;
    for (qint64 n = 1; n <= count; ++n) {
        const QByteArrayView record =
            QByteArrayView(bytes).sliced((n - 1) * CustomListRecord::Length, CustomListRecord::Length);
        if (sameList(fuzz::fieldOf(record, CustomListRecord::ListName), name))
            expected.append(n);
    }
    const QString which = QStringLiteral("list ") + escaped(name);
    FUZZ_CHECK(items.size() == expected.size(),
               which + QStringLiteral(": %1 items, not %2").arg(items.size()).arg(expected.size()));
    FUZZ_CHECK(catalog.contains(name) == !expected.isEmpty(), which);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ListItem& item = items.at(i);
        FUZZ_CHECK(expected.contains(item.recno), which + QStringLiteral(": record %1").arg(item.recno));
        const QByteArrayView record =
            QByteArrayView(bytes).sliced((item.recno - 1) * CustomListRecord::Length, CustomListRecord::Length);
        FUZZ_CHECK(item.record == record && item.text == fuzz::fieldOf(record, CustomListRecord::ItemText),
                   which + QStringLiteral(": record %1").arg(item.recno));
        // Item order, byte by byte; equal items in file order.
        if (i > 0) {
            const ListItem& before = items.at(i - 1);
            FUZZ_CHECK(
                fuzz::byteLess(before.text, item.text) || (before.text == item.text && before.recno < item.recno),
                which + QStringLiteral(": ") + escaped(before.text) + QStringLiteral(" before ") + escaped(item.text));
        }
    }
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Folder folder;
    fuzz::Input input(data, size);
    // A name to look for that need not be in the file, then the file.
    const QByteArray asked = input.takeUntilZero().toByteArray();
    const QByteArray bytes = input.rest().toByteArray();
    folder.write(QStringLiteral("pantrecp.dat"), bytes);

    const FileChannels files(folder.path());
    CustomListCatalog catalog;
    QString error;
    FUZZ_CHECK(catalog.refresh(files, error), error);
    const qint64 count = bytes.size() / CustomListRecord::Length;
    FUZZ_CHECK(catalog.count() == count, QStringLiteral("%1 records, not %2").arg(catalog.count()).arg(count));

    // Each distinct name once, byte order.
    QList<QByteArray> names;
    for (qint64 n = 1; n <= count; ++n) {
        const QByteArray name = shown(fuzz::fieldOf(QByteArrayView(bytes).sliced((n - 1) * CustomListRecord::Length),
                                                    CustomListRecord::ListName));
        if (!names.contains(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), fuzz::byteLess);
    FUZZ_CHECK(catalog.names() == names,
               QStringLiteral("%1 names, not %2").arg(catalog.names().size()).arg(names.size()));

    // Each list's items, for the names shown (as a click would choose them) and one asked for.
    for (qsizetype i = 0; i < std::min<qsizetype>(names.size(), 30); ++i)
        checkItems(catalog, bytes, names.at(i));
    checkItems(catalog, bytes, asked);
    return 0;
}

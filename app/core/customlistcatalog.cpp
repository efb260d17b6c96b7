// SPDX-License-Identifier: MIT
#include "customlistcatalog.h"

#include "data/displaysort.h"
#include "data/filechannels.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace pantrex {

namespace {

struct CustomTexts {
    Q_DECLARE_TR_FUNCTIONS(CustomLists)
};

constexpr int Length = CustomListRecord::Length;

} // namespace

bool CustomListCatalog::refresh(const FileChannels& files, QString& error) {
    const QString path = files.pathOf(CustomListFile);
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : 0;
    const quint64 revision = files.revision(CustomListFile);
    if (path == m_path && revision == m_revision && size == m_size && info.lastModified() == m_modified &&
        info.metadataChangeTime() == m_changed)
        return true;
    QByteArray bytes;
    if (info.exists() || info.isSymLink()) {
        QString why;
        std::optional<QByteArray> read = readRegularFile(path, -1, why);
        if (!read) {
            error = CustomTexts::tr("Could not read %1: %2").arg(CustomListFile, why);
            return false;
        }
        bytes = std::move(*read);
    }
    m_path = path;
    m_revision = revision;
    m_size = size;
    m_modified = info.lastModified();
    m_changed = info.metadataChangeTime();
    m_count = bytes.size() / Length;
    m_bytes = std::move(bytes);
    m_names.reset();
    return true;
}

QByteArrayView CustomListCatalog::record(qint64 n) const {
    return QByteArrayView(m_bytes).sliced((n - 1) * Length, Length);
}

QByteArrayView CustomListCatalog::nameOf(qint64 n) const {
    return record(n).sliced(CustomListRecord::ListName.offset, CustomListRecord::ListName.width);
}

const QList<QByteArray>& CustomListCatalog::names() const {
    if (m_names)
        return *m_names;
    // Names are told apart as they are shown: a name another program padded with zero bytes is the
    // same row as the name padded with blanks. Only such names need a copy of their own.
    QSet<QByteArrayView> distinct;
    QList<QByteArray> shownCopies;
    for (qint64 n = 1; n <= m_count; ++n) {
        QByteArrayView name = nameOf(n);
        if (name.contains('\0')) {
            shownCopies.append(name.toByteArray().replace('\0', ' '));
            name = shownCopies.constLast();
        }
        distinct.insert(name);
    }
    QList<QByteArray> names;
    names.reserve(distinct.size());
    for (const QByteArrayView name : std::as_const(distinct))
        names.append(name.toByteArray());
    displaySort(names, [](const QByteArray& name) -> const QByteArray& { return name; });
    m_names = std::move(names);
    return *m_names;
}

QList<ListItem> CustomListCatalog::items(QByteArrayView listName) const {
    const ListMatcher matcher(listName);
    QList<ListItem> items;
    for (qint64 n = 1; n <= m_count; ++n) {
        if (!matcher.matches(nameOf(n)))
            continue;
        const QByteArrayView bytes = record(n);
        const Field text = CustomListRecord::ItemText;
        items.append({bytes.sliced(text.offset, text.width).toByteArray(), n, bytes.toByteArray()});
    }
    displaySort(items, [](const ListItem& item) -> const QByteArray& { return item.text; });
    return items;
}

bool CustomListCatalog::contains(QByteArrayView listName) const {
    const ListMatcher matcher(listName);
    for (qint64 n = 1; n <= m_count; ++n) {
        if (matcher.matches(nameOf(n)))
            return true;
    }
    return false;
}

} // namespace pantrex

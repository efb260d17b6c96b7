// SPDX-License-Identifier: MIT
#pragma once

#include "core/customliststore.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace pantrex {

class FileChannels;

// "pantrecp.dat" in memory, for showing and checking: read again only when the file has changed
// (written by this program, or given another size or time by another one), so that the chooser
// opens without reading a large file each time. Nothing is ever written back from it: what removes
// records reads the file itself.
class CustomListCatalog {
public:
    // Brings the copy up to date with the file; false, with the reason in error, when it cannot be
    // read.
    bool refresh(const FileChannels& files, QString& error);

    // The next refresh reads the file whatever its size and times say.
    void forget() { m_path.clear(); }

    qint64 count() const { return m_count; }
    // The distinct names as shown (all 30 bytes, zero bytes as blanks; names that differ only in
    // case are distinct), sorted byte by byte.
    const QList<QByteArray>& names() const;
    // The records of the named list, sorted by item text; equal texts keep their file order.
    QList<ListItem> items(QByteArrayView listName) const;
    // Whether any record belongs to the named list.
    bool contains(QByteArrayView listName) const;

private:
    QByteArrayView record(qint64 n) const;
    QByteArrayView nameOf(qint64 n) const;

    QString m_path;
    quint64 m_revision = ~quint64(0);
    qint64 m_size = -1;
    QDateTime m_modified;
    QDateTime m_changed;
    QByteArray m_bytes;
    qint64 m_count = 0;
    mutable std::optional<QList<QByteArray>> m_names;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#include "testfolder.h"

#include <QDir>
#include <QFile>

namespace pantrex::testing {

TestFolder::TestFolder() {
    m_dir.setAutoRemove(true);
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

QByteArray TestFolder::read(const QString& name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestFolder::exists(const QString& name) const {
    return QFile::exists(filePath(name));
}

QStringList TestFolder::files() const {
    return QDir(path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray recordBytes(int length, std::initializer_list<std::pair<int, QByteArray>> fields) {
    QByteArray bytes(length, '\0');
    for (const auto& [offset, value] : fields)
        bytes.replace(offset, value.size(), value);
    return bytes;
}

} // namespace pantrex::testing

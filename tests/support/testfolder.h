// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace pantrex::testing {

// A fresh working folder for one test, with helpers to lay down and read back data files byte by byte.
class TestFolder {
public:
    TestFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // The names of the files in the folder, sorted.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
};

// A record of the given length: the fields as bytes, each placed at its offset, zeros elsewhere.
QByteArray recordBytes(int length, std::initializer_list<std::pair<int, QByteArray>> fields);

} // namespace pantrex::testing

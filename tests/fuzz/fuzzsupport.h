// SPDX-License-Identifier: MIT
#pragma once

// What the fuzzing harnesses share: Qt started once, a working folder for the whole run, message
// boxes answered without a person, and checks that stop the run with the reason.

#include "data/records.h"
#include "platform/dialogs.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace pantrex::fuzz {

// Starts Qt for the whole run: windows use the offscreen platform. Call from LLVMFuzzerInitialize.
void startQt(bool widgets);

// A working folder that lives as long as the run (under TMPDIR, which scripts/fuzz puts in memory).
class Folder {
public:
    Folder();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, QByteArrayView bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Every entry of the folder, sorted; hidden ones too.
    QStringList files() const;
    // Empties the folder for the next input.
    void clear() const;

private:
    QTemporaryDir m_dir;
};

// Answers every box with the first of its buttons that the answers list holds (Yes and OK unless told
// otherwise) and every input box with inputReply; keeps what was shown.
class RecordingDialogs : public Dialogs {
public:
    Answer message(const Message& box) override;
    QString input(const Input& box) override;

    QList<Answer> answers{Answer::Yes, Answer::Ok};
    QString inputReply;
    QList<Message> shown;
    QList<Input> asked;
};

// The input read from its front: a few bytes that steer the harness, then the data, so that a seed
// file reads as what it is (its first bytes the choices, the rest the file content).
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_rest(reinterpret_cast<const char*>(data), qsizetype(size)) {}
    // The next byte, 0 when the input is used up.
    quint8 byte();
    // A number from 0 to count - 1 (count at most 256).
    int pick(int count) { return byte() % count; }
    // The next n bytes, or as many as are left.
    QByteArrayView take(qsizetype n);
    // The next bytes up to a zero byte (which is skipped), or all that are left.
    QByteArrayView takeUntilZero();
    QByteArrayView rest() const { return m_rest; }

private:
    QByteArrayView m_rest;
};

// Bytes as text, read in one of three ways: 0 Windows-1252, 1 UTF-8, 2 UTF-16 (any code units,
// lone surrogates too).
QString textFrom(QByteArrayView bytes, int how);

// A field of a record as stored.
inline QByteArrayView fieldOf(QByteArrayView record, Field field) {
    return record.sliced(field.offset, field.width);
}

// Byte order, as every list the user sees is sorted: unsigned bytes, a prefix first.
bool byteLess(QByteArrayView a, QByteArrayView b);

// The display pattern "###.00": an optional "-", whole digits without a leading zero (none below 1),
// ".", two digits; never a "-" before nothing but zeros.
bool isMoney(QByteArrayView text);

// Bytes as readable text for a failure report: printable ASCII as it is, the rest as \xNN.
QString escaped(QByteArrayView bytes);
QString escapedText(const QString& text);

// Stops the run: libFuzzer keeps the input that led here as a finding.
[[noreturn]] void fail(const char* file, int line, const QString& what);

} // namespace pantrex::fuzz

// Stops the run with the condition and the detail (evaluated only on failure) when cond is false.
#define FUZZ_CHECK(cond, detail)                                                                                       \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::pantrex::fuzz::fail(__FILE__, __LINE__, QStringLiteral(#cond) + QStringLiteral(": ") + (detail));        \
    } while (false)

// The harness's start: Qt for the whole run, with widgets (true) or without.
#define PANTREX_FUZZ_STARTS_QT(widgets)                                                                                \
    extern "C" int LLVMFuzzerInitialize(int*, char***) {                                                               \
        ::pantrex::fuzz::startQt(widgets);                                                                             \
        return 0;                                                                                                      \
    }

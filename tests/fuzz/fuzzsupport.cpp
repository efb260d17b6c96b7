// SPDX-License-Identifier: MIT
#include "fuzzsupport.h"

#include "data/ansitext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pantrex::fuzz {

namespace {

// Qt's own warnings (a file it could not open, say) are expected here by the thousand; they would
// only slow the run down. PANTREX_FUZZ_VERBOSE shows them.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("PANTREX_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void startQt(bool widgets) {
    if (QCoreApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    // Qt takes the arguments it knows out of argv; libFuzzer's are kept away from it.
    static int argc = 1;
    static char name[] = "pantrex-fuzz";
    static char* argv[] = {name, nullptr};
    if (widgets)
        new QApplication(argc, argv);
    else
        new QCoreApplication(argc, argv);
}

Folder::Folder() {
    if (!m_dir.isValid())
        fail(__FILE__, __LINE__, QStringLiteral("no temporary folder: ") + m_dir.errorString());
}

void Folder::write(const QString& name, QByteArrayView bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        fail(__FILE__, __LINE__, QStringLiteral("cannot write %1: %2").arg(name, file.errorString()));
    // Another program writes at a person's pace, not thousands of times within the file system's
    // clock tick: give every write a time of its own, as a later write would have.
    static QDateTime stamp = QDateTime::currentDateTimeUtc().addYears(-1);
    stamp = stamp.addSecs(1);
    if (!file.setFileTime(stamp, QFileDevice::FileModificationTime))
        fail(__FILE__, __LINE__, QStringLiteral("cannot set the time of %1").arg(name));
}

QByteArray Folder::read(const QString& name) const {
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Folder::exists(const QString& name) const {
    return QFileInfo::exists(filePath(name));
}

QStringList Folder::files() const {
    return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void Folder::clear() const {
    for (const QString& name : files()) {
        QFile file(filePath(name));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!file.remove() && !QDir(filePath(name)).removeRecursively())
            fail(__FILE__, __LINE__, QStringLiteral("cannot remove %1").arg(name));
    }
}

Dialogs::Answer RecordingDialogs::message(const Message& box) {
    shown.append(box);
    QList<Answer> offered;
    switch (box.buttons) {
    case Buttons::Ok:
        offered = {Answer::Ok};
        break;
    case Buttons::OkCancel:
        offered = {Answer::Ok, Answer::Cancel};
        break;
    case Buttons::YesNo:
        offered = {Answer::Yes, Answer::No};
        break;
    case Buttons::YesNoCancel:
        offered = {Answer::Yes, Answer::No, Answer::Cancel};
        break;
    case Buttons::RetryCancel:
        offered = {Answer::Retry, Answer::Cancel};
        break;
    case Buttons::AbortRetryIgnore:
        offered = {Answer::Abort, Answer::Retry, Answer::Ignore};
        break;
    }
    for (const Answer answer : std::as_const(answers)) {
        if (offered.contains(answer))
            return answer;
    }
    return offered.constLast();
}

QString RecordingDialogs::input(const Input& box) {
    asked.append(box);
    return inputReply;
}

quint8 Input::byte() {
    if (m_rest.isEmpty())
        return 0;
    const auto first = static_cast<quint8>(m_rest.front());
    m_rest = m_rest.sliced(1);
    return first;
}

QByteArrayView Input::take(qsizetype n) {
    const QByteArrayView taken = m_rest.first(std::min(n, m_rest.size()));
    m_rest = m_rest.sliced(taken.size());
    return taken;
}

QByteArrayView Input::takeUntilZero() {
    const qsizetype zero = m_rest.indexOf('\0');
    const QByteArrayView taken = take(zero < 0 ? m_rest.size() : zero);
    byte();
    return taken;
}

bool byteLess(QByteArrayView a, QByteArrayView b) {
    const int order = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    return order < 0 || (order == 0 && a.size() < b.size());
}

bool isMoney(QByteArrayView text) {
    const qsizetype sign = text.startsWith('-') ? 1 : 0;
    const qsizetype point = text.indexOf('.');
    if (point < sign || text.size() != point + 3 || (point > sign && text.at(sign) == '0'))
        return false;
    for (qsizetype i = sign; i < text.size(); ++i) {
        if (i != point && (text.at(i) < '0' || text.at(i) > '9'))
            return false;
    }
    return !(sign == 1 && text.count('0') == text.size() - 2);
}

QString textFrom(QByteArrayView bytes, int how) {
    if (how == 0)
        return fromAnsi(bytes);
    if (how == 1)
        return QString::fromUtf8(bytes);
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), size_t(text.size()) * 2);
    return text;
}

QString escaped(QByteArrayView bytes) {
    QString out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString escapedText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char('\\'))
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void fail(const char* file, int line, const QString& what) {
    std::fprintf(stderr, "\n==== property broken at %s:%d\n%s\n", file, line, qPrintable(what));
    std::fflush(stderr);
    std::abort();
}

} // namespace pantrex::fuzz

// SPDX-License-Identifier: MIT
#include "ansitext.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace pantrex {

namespace {

// Windows-1252 maps each byte to one character. The tables are taken once from Qt's converter;
// the five bytes the code page leaves open stand for the control characters of the same code,
// so that every byte read comes back unchanged when written.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};

    CodePage() {
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            QStringDecoder decoder("windows-1252");
            const QString decoded = decoder(QByteArrayView(&c, 1));
            const bool defined =
                !decoder.hasError() && decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter;
            toUnicode[byte] = defined ? decoded.at(0).unicode() : char16_t(byte);
            fromUnicode.insert(toUnicode[byte], c);
        }
        for (int byte = 0; byte < 256; ++byte) {
            const QChar character(toUnicode[byte]);
            lower[byte] = fromUnicode.value(character.toLower().unicode(), char(byte));
            upper[byte] = fromUnicode.value(character.toUpper().unicode(), char(byte));
        }
    }
};

const CodePage& codePage() {
    static const CodePage table;
    return table;
}

QByteArray mapped(QByteArrayView bytes, const std::array<char, 256>& table) {
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[uchar(bytes[i])];
    return out;
}

} // namespace

QByteArray toAnsi(const QString& text) {
    const CodePage& page = codePage();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one character, however many code units it takes.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(page.fromUnicode.value(c.unicode(), '?'));
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes) {
    const CodePage& page = codePage();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* data = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        data[i] = QChar(page.toUnicode[uchar(bytes[i])]);
    return out;
}

QByteArray ansiLower(QByteArrayView bytes) {
    return mapped(bytes, codePage().lower);
}

QByteArray ansiUpper(QByteArrayView bytes) {
    return mapped(bytes, codePage().upper);
}

const std::array<char, 256>& ansiLowerTable() {
    return codePage().lower;
}

const std::array<char, 256>& ansiUpperTable() {
    return codePage().upper;
}

} // namespace pantrex

#include "ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pantrex {

namespace {

constexpr auto Codepage = "windows-1252";

// The converter marks a character it cannot hold with 0x1A, which is also a real character of the
// code page. So when it reports trouble, go through the text again one character at a time.
QByteArray encodeEachCharacter(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        QStringEncoder encoder(Codepage);
        const QByteArray one = encoder(QStringView(text).mid(i, length));
        if (encoder.hasError() || one.size() != 1)
            out.append('?');
        else
            out.append(one);
        i += length - 1;
    }
    return out;
}

} // namespace

QByteArray toAnsi(const QString& text) {
    QStringEncoder encoder(Codepage);
    QByteArray out = encoder(text);
    if (encoder.hasError() || out.size() != text.size())
        return encodeEachCharacter(text);
    return out;
}

QString fromAnsi(QByteArrayView bytes) {
    QStringDecoder decoder(Codepage);
    QString out = decoder(bytes);
    if (!decoder.hasError() && out.size() == bytes.size())
        return out;
    // Some converters refuse the five bytes the code page leaves open; those stand for themselves.
    out.clear();
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        QStringDecoder one(Codepage);
        const QString decoded = one(QByteArrayView(&byte, 1));
        if (one.hasError() || decoded.size() != 1 || decoded.at(0) == QChar::ReplacementCharacter)
            out.append(QChar(char16_t(uchar(byte))));
        else
            out.append(decoded);
    }
    return out;
}

} // namespace pantrex

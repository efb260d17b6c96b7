// SPDX-License-Identifier: MIT
#include "records.h"

#include <algorithm>

namespace pantrex {

Record::Record(int length) : m_bytes(std::max(length, 0), '\0') {}

Record::Record(int length, QByteArrayView bytes) : Record(length) {
    const qsizetype n = std::min<qsizetype>(m_bytes.size(), bytes.size());
    std::copy_n(bytes.data(), n, m_bytes.data());
}

QByteArray Record::raw(Field field) const {
    return m_bytes.mid(field.offset, field.width);
}

QByteArrayView fieldText(QByteArrayView raw) {
    const qsizetype zero = raw.indexOf('\0');
    if (zero >= 0)
        raw.truncate(zero);
    qsizetype begin = 0;
    qsizetype end = raw.size();
    while (begin < end && raw.at(begin) == ' ')
        ++begin;
    while (end > begin && raw.at(end - 1) == ' ')
        --end;
    return raw.sliced(begin, end - begin);
}

QByteArray Record::text(Field field) const {
    return fieldText(QByteArrayView(m_bytes).sliced(field.offset, field.width)).toByteArray();
}

void Record::set(Field field, QByteArrayView value) {
    for (int i = 0; i < field.width && field.offset + i < length(); ++i)
        m_bytes[field.offset + i] = i < value.size() ? value[i] : ' ';
}

void Record::setRaw(Field field, QByteArrayView value) {
    // A value of the wrong width is cut or zero-filled, as a record read from a short file is.
    for (int i = 0; i < field.width && field.offset + i < length(); ++i)
        m_bytes[field.offset + i] = i < value.size() ? value[i] : '\0';
}

} // namespace pantrex

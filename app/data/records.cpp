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

QByteArray Record::text(Field field) const {
    QByteArray value = raw(field);
    const qsizetype zero = value.indexOf('\0');
    if (zero >= 0)
        value.truncate(zero);
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && value.at(begin) == ' ')
        ++begin;
    while (end > begin && value.at(end - 1) == ' ')
        --end;
    return value.mid(begin, end - begin);
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

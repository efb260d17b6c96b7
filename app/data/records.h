// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace pantrex {

// One fixed-width field of a record: its byte offset and width.
struct Field {
    int offset;
    int width;
};

// A stored field read as text: cut at its first zero byte, surrounding blanks removed.
QByteArrayView fieldText(QByteArrayView raw);

// A fixed-length record as it lies on disk. A new record is all zero bytes, so a field that is
// never assigned is written as zeros; an assigned field is cut or blank-padded to its width.
class Record {
public:
    explicit Record(int length);
    // Takes bytes read from a file; shorter input is zero-filled, longer input cut.
    Record(int length, QByteArrayView bytes);

    int length() const { return int(m_bytes.size()); }
    const QByteArray& bytes() const { return m_bytes; }

    // The field's bytes exactly as stored.
    QByteArray raw(Field field) const;
    // The field as text: cut at its first zero byte, surrounding blanks removed.
    QByteArray text(Field field) const;
    // Stores value left-aligned: cut to the width (first bytes kept) or padded with blanks.
    void set(Field field, QByteArrayView value);
    // Stores the bytes exactly (value must be the field's width; used to carry fields over).
    void setRaw(Field field, QByteArrayView value);

private:
    QByteArray m_bytes;
};

// Product list files: "grocery.dat", name.dat and the merge files name.mrg.
struct ProductRecord {
    static constexpr int Length = 146;
    static constexpr Field ItemName{0, 40};
    static constexpr Field Price{40, 6};
    static constexpr Field HighFat{46, 1};
    static constexpr Field HighCarb{47, 1};
    static constexpr Field Reserved1{48, 30};
    static constexpr Field Reserved2{78, 43};
    static constexpr Field Category{121, 25};
};

// Shopping list files: "grocery.lst" and name.lst.
struct ShoppingRecord {
    static constexpr int Length = 149;
    static constexpr Field ItemText{0, 40};
    static constexpr Field LineCost{40, 6};
    static constexpr Field Quantity{46, 3};
    static constexpr Field Category{49, 25};
    static constexpr Field Reserved{74, 75};
};

// The custom lists store "pantrecp.dat": one record per item of a named list.
struct CustomListRecord {
    static constexpr int Length = 251;
    static constexpr Field ListName{0, 30};
    static constexpr Field ItemText{30, 40};
    static constexpr Field Amount{70, 6};
    static constexpr Field Category{76, 25};
    static constexpr Field Reserved{101, 150};
};

// "namefile.dat": the file name of the shopping list in use at the last quit.
struct NameFileRecord {
    static constexpr int Length = 12;
    static constexpr Field ListFileName{0, 12};
};

} // namespace pantrex

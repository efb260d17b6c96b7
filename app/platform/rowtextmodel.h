// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>

#include <functional>

namespace pantrex {

// A list of rows whose texts are made only when a view asks for them, so that a list of a
// hundred thousand rows is filled in no time.
class RowTextModel : public QAbstractListModel {
    Q_OBJECT

public:
    using TextOf = std::function<QString(int row)>;
    using StruckOut = std::function<bool(int row)>;

    explicit RowTextModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Replaces every row.
    void reset(int rows, TextOf textOf);
    // Rows for which struckOut holds show in a struck-out font, their text unchanged.
    void setStruckOut(StruckOut struckOut) { m_struckOut = std::move(struckOut); }
    // The rows' looks changed (not their texts): the view draws them again.
    void restyle();

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int m_rows = 0;
    TextOf m_textOf;
    StruckOut m_struckOut;
};

} // namespace pantrex

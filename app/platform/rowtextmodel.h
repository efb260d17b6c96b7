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

    explicit RowTextModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Replaces every row.
    void reset(int rows, TextOf textOf);

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int m_rows = 0;
    TextOf m_textOf;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#include "rowtextmodel.h"

#include <QFont>

namespace pantrex {

void RowTextModel::reset(int rows, TextOf textOf) {
    beginResetModel();
    m_rows = rows;
    m_textOf = std::move(textOf);
    endResetModel();
}

// A view asks for every row's index when it lays out its rows: no need for the general checks.
QModelIndex RowTextModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= m_rows || column != 0 || parent.isValid())
        return QModelIndex();
    return createIndex(row, 0);
}

int RowTextModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

QVariant RowTextModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || !m_textOf)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_textOf(index.row());
    if (role == Qt::FontRole && m_struckOut && m_struckOut(index.row())) {
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    return QVariant();
}

void RowTextModel::restyle() {
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0), index(m_rows - 1), {Qt::FontRole});
}

} // namespace pantrex

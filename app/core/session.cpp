// SPDX-License-Identifier: MIT
#include "session.h"

#include "data/records.h"

namespace pantrex {

Session::Session(const QString& workingFolder, QObject* parent) : QObject(parent), m_files(workingFolder) {}

RecordFile* Session::openProductList(const QString& name) {
    RecordFile* products = m_files.open(ProductChannel, name, ProductRecord::Length);
    m_productCount = products ? products->count() : 0;
    return products;
}

} // namespace pantrex

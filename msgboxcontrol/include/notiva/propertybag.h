// SPDX-License-Identifier: MIT
#pragma once

#include "notiva/notivaglobal.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace Notiva {

// Where a host keeps a control's properties with its form. MsgBox writes only values that differ
// from their defaults and reads every name back, so a bag only has to store and return values.
class NOTIVA_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();

    // The value stored under name, or an invalid QVariant when the bag holds none.
    virtual QVariant ReadProperty(const QString& name) const = 0;
    virtual void WriteProperty(const QString& name, const QVariant& value) = 0;
};

// A ready bag that keeps its values in memory in the order they were written.
class NOTIVA_EXPORT MemoryPropertyBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& name) const override;
    void WriteProperty(const QString& name, const QVariant& value) override;

    QStringList Names() const;
    void Clear() { m_values.clear(); }

private:
    QList<QPair<QString, QVariant>> m_values;
};

} // namespace Notiva

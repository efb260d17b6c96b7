// SPDX-License-Identifier: MIT
#include "notiva/propertybag.h"

namespace Notiva {

PropertyBag::~PropertyBag() = default;

QVariant MemoryPropertyBag::ReadProperty(const QString& name) const {
    for (const auto& [key, value] : m_values) {
        if (key == name)
            return value;
    }
    return {};
}

void MemoryPropertyBag::WriteProperty(const QString& name, const QVariant& value) {
    for (auto& entry : m_values) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    m_values.append({name, value});
}

QStringList MemoryPropertyBag::Names() const {
    QStringList names;
    for (const auto& entry : m_values)
        names.append(entry.first);
    return names;
}

} // namespace Notiva

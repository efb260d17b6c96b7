// SPDX-License-Identifier: MIT
#include "colourfield.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr uint SystemColourFlag = 0x80000000u;

QColor rgbColour(uint value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QIcon swatch(uint value) {
    QPixmap pixmap(16, 16);
    QPainter painter(&pixmap);
    if (value & SystemColourFlag) {
        // A system colour is only known when a box is drawn; show it as a neutral hatch.
        painter.fillRect(pixmap.rect(), Qt::white);
        painter.fillRect(pixmap.rect(), QBrush(Qt::gray, Qt::BDiagPattern));
    } else {
        painter.fillRect(pixmap.rect(), rgbColour(value));
    }
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColourField::ColourField(const QString& accessibleName, QWidget* parent) : QWidget(parent) {
    m_edit = new QLineEdit(this);
    m_edit->setAccessibleName(accessibleName);
    m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9A-Fa-f]{1,8}"_s), m_edit));
    m_edit->setToolTip(tr("Eight hex digits: 00BBGGRR for a colour, 800000nn for system colour nn"));
    m_swatch = new QToolButton(this);
    m_swatch->setAccessibleName(tr("Choose %1").arg(accessibleName));
    m_swatch->setToolTip(tr("Choose a colour"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    layout->addWidget(m_swatch);

    connect(m_edit, &QLineEdit::textEdited, this, &ColourField::TextEdited);
    connect(m_swatch, &QToolButton::clicked, this, &ColourField::PickColour);
    ShowValue();
}

void ColourField::SetValue(uint value) {
    m_value = value;
    ShowValue();
}

void ColourField::TextEdited(const QString& text) {
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok)
        return;
    m_value = value;
    m_swatch->setIcon(swatch(m_value));
    Q_EMIT ValueChanged(m_value);
}

void ColourField::PickColour() {
    const QColor initial = (m_value & SystemColourFlag) ? palette().color(QPalette::Window) : rgbColour(m_value);
    const QColor chosen = QColorDialog::getColor(initial, this, m_edit->accessibleName());
    if (!chosen.isValid())
        return;
    SetValue(uint(chosen.red()) | uint(chosen.green()) << 8 | uint(chosen.blue()) << 16);
    Q_EMIT ValueChanged(m_value);
}

void ColourField::ShowValue() {
    m_edit->setText(u"%1"_s.arg(m_value, 8, 16, QLatin1Char('0')).toUpper());
    m_swatch->setIcon(swatch(m_value));
}

// SPDX-License-Identifier: MIT
#include "notiva/msgbox.h"

#include "notiva/propertybag.h"

#include "pictures.h"
#include "twips.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QSvgRenderer>

#include <atomic>
#include <limits>

namespace Notiva {

using namespace Qt::StringLiterals;

namespace {

std::atomic<int> liveInstances{0};

const QString BackColorName = u"BackColor"_s;
const QString ForeColorName = u"ForeColor"_s;
const QString GradientEndColorName = u"GradientEndColor"_s;
const QString FontName = u"Font"_s;
const QString ShadowName = u"Shadow"_s;
const QString GradientName = u"Gradient"_s;

// A colour from a bag: any whole number that fits in 32 bits, signed or not.
uint readColour(const PropertyBag& bag, const QString& name, uint defaultValue) {
    const QVariant value = bag.ReadProperty(name);
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!value.isValid() || !ok || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<quint32>::max())
        return defaultValue;
    return static_cast<uint>(number);
}

bool readBoolean(const PropertyBag& bag, const QString& name) {
    const QVariant value = bag.ReadProperty(name);
    return value.isValid() && value.canConvert<bool>() ? value.toBool() : false;
}

std::optional<QFont> readFont(const PropertyBag& bag, const QString& name) {
    const QVariant value = bag.ReadProperty(name);
    if (value.metaType() == QMetaType::fromType<QFont>())
        return value.value<QFont>();
    QFont font;
    if (value.metaType() == QMetaType::fromType<QString>() && font.fromString(value.toString()))
        return font;
    return std::nullopt;
}

} // namespace

MsgBox::MsgBox(QWidget* parent) : QWidget(parent) {
    ++liveInstances;
    setObjectName(u"MsgBox"_s);
    setAccessibleName(u"Notiva MsgBox"_s);
    setFixedSize(Twips::toPixels(FaceWidthTwips), Twips::toPixels(FaceHeightTwips));
}

MsgBox::~MsgBox() {
    --liveInstances;
}

int MsgBox::LiveInstances() {
    return liveInstances;
}

QPixmap MsgBox::Picture(int icon) {
    return Pictures::pixmap(icon);
}

QPixmap MsgBox::ToolboxPicture() {
    QSvgRenderer renderer(u":/notiva/toolbox.svg"_s);
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

void MsgBox::setBackColor(uint New_BackColor) {
    m_backColor = New_BackColor;
    Q_EMIT PropertyChanged(BackColorName);
}

void MsgBox::setGradientEndColor(uint New_GradientEndColor) {
    m_gradientEndColor = New_GradientEndColor;
    Q_EMIT PropertyChanged(GradientEndColorName);
}

void MsgBox::setForeColor(uint New_ForeColor) {
    m_foreColor = New_ForeColor;
    Q_EMIT PropertyChanged(ForeColorName);
}

void MsgBox::setFontObject(const QFont& New_Font) {
    m_font = New_Font;
    Q_EMIT PropertyChanged(FontName);
}

void MsgBox::setShadow(bool New_Shadow) {
    m_shadow = New_Shadow;
    Q_EMIT PropertyChanged(ShadowName);
}

void MsgBox::setGradient(bool New_Gradient) {
    m_gradient = New_Gradient;
    Q_EMIT PropertyChanged(GradientName);
}

QFont MsgBox::AmbientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void MsgBox::InitProperties() {
    m_backColor = DefaultBackColor;
    m_gradientEndColor = DefaultBackColor;
    m_foreColor = DefaultForeColor;
    m_font.reset();
    m_shadow = false;
    m_gradient = false;
}

void MsgBox::WriteProperties(PropertyBag& bag) const {
    if (m_backColor != DefaultBackColor)
        bag.WriteProperty(BackColorName, m_backColor);
    if (m_foreColor != DefaultForeColor)
        bag.WriteProperty(ForeColorName, m_foreColor);
    if (m_gradientEndColor != DefaultBackColor)
        bag.WriteProperty(GradientEndColorName, m_gradientEndColor);
    if (m_font && *m_font != AmbientFont())
        bag.WriteProperty(FontName, *m_font);
    if (m_shadow)
        bag.WriteProperty(ShadowName, m_shadow);
    if (m_gradient)
        bag.WriteProperty(GradientName, m_gradient);
}

void MsgBox::ReadProperties(const PropertyBag& bag) {
    m_backColor = readColour(bag, BackColorName, DefaultBackColor);
    m_foreColor = readColour(bag, ForeColorName, DefaultForeColor);
    m_gradientEndColor = readColour(bag, GradientEndColorName, DefaultBackColor);
    // Without a stored font the control follows its container's font.
    m_font = readFont(bag, FontName);
    m_shadow = readBoolean(bag, ShadowName);
    m_gradient = readBoolean(bag, GradientName);
}

void MsgBox::resizeEvent(QResizeEvent* event) {
    // A container may try any size; the face keeps its own.
    const QSize face(Twips::toPixels(FaceWidthTwips), Twips::toPixels(FaceHeightTwips));
    if (event->size() != face)
        resize(face);
    QWidget::resizeEvent(event);
}

void MsgBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(0x30, 0x40, 0x70));
    painter.setBrush(QColor(0xE8, 0xEE, 0xF8));
    painter.drawRoundedRect(face, 5, 5);

    QFont arial(u"Arial"_s);
    arial.setPixelSize(11);
    arial.setBold(true);
    painter.setFont(arial);
    painter.setPen(QColor(0x20, 0x30, 0x60));
    const QRectF upper(face.left(), face.top() + 3, face.width(), face.height() / 2 - 3);
    painter.drawText(upper, Qt::AlignCenter, u"Notiva"_s);
    arial.setBold(false);
    arial.setPixelSize(10);
    painter.setFont(arial);
    const QRectF lower(face.left(), face.center().y(), face.width(), face.height() / 2 - 3);
    painter.drawText(lower, Qt::AlignCenter, u"MsgBox"_s);
}

} // namespace Notiva

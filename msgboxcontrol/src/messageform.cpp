// SPDX-License-Identifier: MIT
#include "messageform.h"

#include "buttongroups.h"
#include "colours.h"
#include "gradient.h"
#include "pictures.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>

#include <cmath>

namespace Notiva {

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonTop = 1560;
constexpr int ButtonWidth = 1035;
constexpr int ButtonHeight = 375;
constexpr int FirstButtonLeft = 120;
constexpr int ButtonPitch = 1080;

constexpr QRectF PictureTwips(120, 120, 820, 820);
constexpr QRectF MessageTwips(105, 120, 5355, 1335);
constexpr QRectF ShadowTwips(120, 120, 5295, 1335);
constexpr double TextLeftWithoutPicture = 100;
constexpr double TextWidthWithoutPicture = 5355;
constexpr double TextLeftWithPicture = 1065;
constexpr double TextWidthWithPicture = 4390;

QLabel* makeTransparentLabel(QWidget* parent, const QString& name, const QRectF& twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    // A message is shown as written: "<b>" in it is text, not markup.
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(false);
    Twips::place(label, twips);
    return label;
}

Qt::WindowFlags windowFlagsFor(bool allowClose) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (allowClose)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

} // namespace

MessageForm::MessageForm(bool allowClose, QWidget* parent) : QDialog(parent), m_allowClose(allowClose) {
    setObjectName(u"frmMsgBox"_s);
    setWindowFlags(windowFlagsFor(m_allowClose));
    setModal(true);
    setFixedSize(Twips::toPixels(InnerWidthTwips), Twips::toPixels(InnerHeightTwips));
    setWindowTitle(QString());

    // Created in tab order, so the leftmost visible button takes the focus when the box opens.
    for (int i = 0; i < CommandButtonCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(u"Command%1"_s.arg(i + 1));
        Twips::place(button, QRectF(FirstButtonLeft + i * ButtonPitch, ButtonTop, ButtonWidth, ButtonHeight));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { commandClicked(i); });
        m_commands[i] = button;
    }

    m_picture = new QLabel(this);
    m_picture->setObjectName(u"Picture1"_s);
    m_picture->setAlignment(Qt::AlignCenter);
    Twips::place(m_picture, PictureTwips);
    m_picture->hide();

    // The shadow is created first so the message is drawn over it and stays whole.
    m_shadow = makeTransparentLabel(this, u"lblShadow"_s, ShadowTwips);
    m_shadow->setAccessibleName(u"Shadow"_s);
    m_shadow->hide();
    m_message = makeTransparentLabel(this, u"lblMessage"_s, MessageTwips);
}

void MessageForm::setBackColor(uint colour) {
    m_backColor = colour;
    update();
}

void MessageForm::setMessage(const QString& text, Qt::Alignment alignment, uint foreColor, const QFont& font) {
    for (QLabel* label : {m_message, m_shadow}) {
        label->setAlignment(alignment | Qt::AlignTop);
        label->setFont(font);
        label->setText(text);
    }
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, colorOf(translateColor(foreColor)));
    m_message->setPalette(palette);
    m_message->setAccessibleName(text);
}

void MessageForm::showPicture(int icon) {
    const QPixmap picture = Pictures::pixmap(icon, devicePixelRatioF());
    const bool withPicture = !picture.isNull();
    const double width = withPicture ? TextWidthWithPicture : TextWidthWithoutPicture;
    Twips::setLeft(m_message, withPicture ? TextLeftWithPicture : TextLeftWithoutPicture);
    Twips::setWidth(m_message, width);
    Twips::setWidth(m_shadow, width);
    m_picture->setPixmap(picture);
    m_picture->setVisible(withPicture);
    m_picture->setAccessibleName(Pictures::description(icon));
}

void MessageForm::showShadow() {
    double points = m_message->font().pointSizeF();
    if (points <= 0)
        points = QFontInfo(m_message->font()).pointSizeF();
    const double offset = std::trunc(points) * 1.5;
    const QRectF message = Twips::geometry(m_message);
    Twips::setLeft(m_shadow, message.left() + offset);
    Twips::setTop(m_shadow, message.top() + offset);
    m_shadow->show();
}

void MessageForm::showButtonGroup(int buttonGroup) {
    m_buttonGroup = buttonGroup;
    const QList<GroupButton> buttons = buttonsOfGroup(buttonGroup);
    const int firstUsed = CommandButtonCount - static_cast<int>(buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = m_commands[firstUsed + i];
        button->setText(buttons[i].caption);
        button->show();
    }
}

QPushButton* MessageForm::commandButton(int number) const {
    return number >= 1 && number <= CommandButtonCount ? m_commands[number - 1] : nullptr;
}

void MessageForm::commandClicked(int index) {
    const QList<GroupButton> buttons = buttonsOfGroup(m_buttonGroup);
    const int position = index - (CommandButtonCount - static_cast<int>(buttons.size()));
    if (position < 0 || position >= buttons.size())
        return;
    m_buttonPressed = buttons[position].result;
    accept();
}

void MessageForm::layOutButtons() {
    int first = 0;
    while (first < CommandButtonCount && m_commands[first]->isHidden())
        ++first;
    if (first == CommandButtonCount)
        return;
    const QList<int> lefts = buttonLefts(CommandButtonCount - first, !m_picture->isHidden());
    for (int i = 0; i < lefts.size(); ++i)
        Twips::setLeft(m_commands[first + i], lefts[i]);
}

void MessageForm::paintGradient(uint startColour, uint endColour) {
    const int widthTwips = roundHalfEven(width() * Twips::PerPixel);
    const QList<GradientBand> bands =
        gradientBands(translateColor(startColour), translateColor(endColour), height() * Twips::PerPixel);
    const qreal ratio = devicePixelRatioF();
    m_backgroundImage = QPixmap(size() * ratio);
    m_backgroundImage.setDevicePixelRatio(ratio);
    m_backgroundImage.fill(colorOf(translateColor(startColour)));
    QPainter painter(&m_backgroundImage);
    painter.scale(1.0 / Twips::PerPixel, 1.0 / Twips::PerPixel);
    for (const GradientBand& band : bands) {
        const QRectF twips(QPointF(-1, band.y - 1), QPointF(widthTwips, band.y + GradientBandSpacing));
        painter.fillRect(twips, colorOf(band.rgb));
    }
    update();
}

void MessageForm::setShadowColor(uint backColour) {
    QPalette palette = m_shadow->palette();
    palette.setColor(QPalette::WindowText, colorOf(shadowRgb(translateColor(backColour), m_gradient)));
    m_shadow->setPalette(palette);
}

void MessageForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOutButtons();
    if (m_gradient)
        paintGradient(m_backColor, m_gradientEndColor);
    else
        m_backgroundImage = QPixmap();
    if (m_shadowed)
        setShadowColor(m_backColor);
}

void MessageForm::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event)
    QPainter painter(this);
    if (!m_backgroundImage.isNull())
        painter.drawPixmap(0, 0, m_backgroundImage);
    else
        painter.fillRect(rect(), colorOf(translateColor(m_backColor)));
}

void MessageForm::closeEvent(QCloseEvent* event) {
    // Without the close command only a button ends the box; buttonPressed stays -1 otherwise.
    if (!m_allowClose) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MessageForm::keyPressEvent(QKeyEvent* event) {
    // No button is the cancel button, so Escape does not end the box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

int MessageForm::exec() {
    ++s_openForms;
    // The host may delete the form while it is open, so the count is kept without touching it.
    const auto closed = qScopeGuard([] { --s_openForms; });
    return QDialog::exec();
}

void MessageForm::done(int result) {
    for (QPushButton* button : m_commands)
        button->hide();
    m_shadow->hide();
    QDialog::done(result);
}

} // namespace Notiva

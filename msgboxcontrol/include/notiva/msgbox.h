// SPDX-License-Identifier: MIT
#pragma once

#include "notiva/constants.h"
#include "notiva/notivaglobal.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace Notiva {

class PropertyBag;

// The MsgBox control: a host places it on a window, sets its six appearance properties and calls
// Show to put up a message box. Colours are 32-bit values with red in the lowest byte, or a system
// colour index with the high bit set; they are kept as given and translated only when a box is drawn.
class NOTIVA_EXPORT MsgBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint GradientEndColor READ GradientEndColor WRITE setGradientEndColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFontObject)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(bool Gradient READ Gradient WRITE setGradient)

public:
    // The system colour of an active window border.
    static constexpr uint DefaultBackColor = 0x8000000Au;
    static constexpr uint DefaultForeColor = 0;
    // The design-time face is always 870 by 615 twips.
    static constexpr int FaceWidthTwips = 870;
    static constexpr int FaceHeightTwips = 615;

    explicit MsgBox(QWidget* parent = nullptr);
    ~MsgBox() override;

    uint BackColor() const { return m_backColor; }
    void setBackColor(uint New_BackColor);
    uint GradientEndColor() const { return m_gradientEndColor; }
    void setGradientEndColor(uint New_GradientEndColor);
    uint ForeColor() const { return m_foreColor; }
    void setForeColor(uint New_ForeColor);
    // The font set by the host, or the container's font while none has been set.
    QFont Font() const { return m_font.value_or(AmbientFont()); }
    void setFontObject(const QFont& New_Font);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool New_Shadow);
    bool Gradient() const { return m_gradient; }
    void setGradient(bool New_Gradient);

    // The container's font: the parent widget's font, or the application font without a parent.
    QFont AmbientFont() const;

    // Back to the values of a control just placed on a form.
    void InitProperties();
    // Writes the properties that differ from their defaults, in the order the format fixes.
    void WriteProperties(PropertyBag& bag) const;
    // Reads all six properties; a missing or unreadable value takes its default.
    void ReadProperties(const PropertyBag& bag);

    // Puts up the message box modally and returns the MessageResponseConstants value of the
    // pressed button, mbeClosed when the user closed an allowed box, or mbeRefused (no box shown)
    // for a ButtonGroup, Icon or Alignment out of range.
    Q_INVOKABLE int Show(const QString& MessageText, int ButtonGroup, const QString& MessageTitle = QString(),
                         int Icon = icnNone, int Alignment = vbLeftJustify, bool CloseButton = false);

    // How many MsgBox controls are alive in this process.
    static int LiveInstances();
    // The box's picture for an IconConstants value, 53 by 53 pixels; null for icnNone or a number past 30.
    static QPixmap Picture(int icon);
    // The control's 16 by 15 pixel picture for a designer's toolbox.
    static QPixmap ToolboxPicture();

Q_SIGNALS:
    // A property was written; the container marks its form as changed.
    void PropertyChanged(const QString& propertyName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    uint m_backColor = DefaultBackColor;
    uint m_gradientEndColor = DefaultBackColor;
    uint m_foreColor = DefaultForeColor;
    std::optional<QFont> m_font;
    bool m_shadow = false;
    bool m_gradient = false;
};

} // namespace Notiva

// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Edits one MsgBox colour: typed as eight hex digits (a system colour has the high bit set, e.g.
// 8000000A) or picked from a colour dialog.
class ColourField : public QWidget {
    Q_OBJECT

public:
    explicit ColourField(const QString& accessibleName, QWidget* parent = nullptr);

    uint Value() const { return m_value; }
    void SetValue(uint value);

Q_SIGNALS:
    void ValueChanged(uint value);

private:
    void TextEdited(const QString& text);
    void PickColour();
    void ShowValue();

    QLineEdit* m_edit = nullptr;
    QToolButton* m_swatch = nullptr;
    uint m_value = 0;
};

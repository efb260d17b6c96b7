// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ColourField;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Notiva {
class MsgBox;
class MemoryPropertyBag;
} // namespace Notiva

// The demo host: a MsgBox placed on the window, its six properties to edit, the arguments of Show,
// and the answer of the last box. It also shows what a save would put into the property bag.
class DemoWindow : public QWidget {
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);

    Notiva::MsgBox* Control() const { return m_control; }

private:
    QWidget* BuildPropertiesPanel();
    QWidget* BuildShowPanel();
    ColourField* AddColourRow(QFormLayout* form, const QString& name, uint value, void (Notiva::MsgBox::*setter)(uint));
    void ChooseFont();
    void ShowBox();
    void ShowSavedProperties();

    Notiva::MsgBox* m_control = nullptr;
    ColourField* m_backColor = nullptr;
    ColourField* m_foreColor = nullptr;
    ColourField* m_gradientEndColor = nullptr;
    QPushButton* m_font = nullptr;
    QCheckBox* m_shadow = nullptr;
    QCheckBox* m_gradient = nullptr;
    QLabel* m_saved = nullptr;

    QPlainTextEdit* m_message = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_buttonGroup = nullptr;
    QComboBox* m_icon = nullptr;
    QComboBox* m_alignment = nullptr;
    QCheckBox* m_closeButton = nullptr;
    QLabel* m_result = nullptr;
};

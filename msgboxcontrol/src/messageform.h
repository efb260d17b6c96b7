// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>

class QLabel;
class QPushButton;

namespace Notiva {

// The window that shows one message for MsgBox::Show: the text with an optional drop shadow, an
// optional picture and the buttons of one group. It paints its own background (flat or a vertical
// gradient), lays the buttons out by their number and records which one the user pressed.
// Positions are in twips on a 5595 by 2040 twip inner area. Its object name is frmMsgBox.
class MessageForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int InnerWidthTwips = 5595;
    static constexpr int InnerHeightTwips = 2040;

    // Without allowClose the window has no close button and refuses to close except through one
    // of its buttons. It is fixed for the form's life: the window flags are set before the window
    // is created.
    explicit MessageForm(bool allowClose, QWidget* parent = nullptr);

    // The MessageResponseConstants value of the pressed button; -1 until one is pressed.
    int buttonPressed() const { return m_buttonPressed; }
    // The background colour as given (RGB or system colour); the gradient's top colour.
    void setBackColor(uint colour);
    // With a gradient the background runs from the back colour down to gradientEndColor.
    void setGradient(bool gradient) { m_gradient = gradient; }
    void setGradientEndColor(uint colour) { m_gradientEndColor = colour; }
    // A shadowed form recolours the shadow text whenever it repaints its background.
    void setShadowed(bool shadowed) { m_shadowed = shadowed; }

    // The message and its shadow copy share text, alignment and font; foreColor colours the message.
    void setMessage(const QString& text, Qt::Alignment alignment, uint foreColor, const QFont& font);
    // Picture 1 to 30 at the top left with the text beside it, or 0 for the text across the box.
    void showPicture(int icon);
    // Puts the shadow under the message, offset by 1.5 twips per whole point of the message font.
    void showShadow();
    // Shows the group's buttons with their captions at the right end of the row; a value that
    // names no group shows none.
    void showButtonGroup(int buttonGroup);

    // Paints the background as bands from startColour at the top to endColour at the bottom into
    // the form's background image.
    void paintGradient(uint startColour, uint endColour);
    // Gives the shadow text a darker shade of the background colour.
    void setShadowColor(uint backColour);

    // Whether a message form is up and waiting for its answer. Show does not return before its box
    // is answered, so a second box could only come from a nested event loop, and Show refuses it.
    // The count is static because it spans every form and every control, not one call or one box;
    // it needs no lock or thread_local, as forms are widgets and live on the GUI thread alone.
    static bool isOpen() { return s_openForms > 0; }
    // Runs the modal loop, counting the form open until it returns.
    int exec() override;

    // Command1 to Command5 by number 1 to 5.
    QPushButton* commandButton(int number) const;

    // Unloading hides the buttons and the shadow again, ready for the next message.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static inline int s_openForms = 0;

    void layOutButtons();
    void commandClicked(int index);

    std::array<QPushButton*, 5> m_commands{};
    QLabel* m_picture = nullptr;
    QLabel* m_shadow = nullptr;
    QLabel* m_message = nullptr;
    QPixmap m_backgroundImage;

    int m_buttonGroup = 0;
    int m_buttonPressed = -1;
    bool m_gradient = false;
    uint m_gradientEndColor = 0;
    bool m_shadowed = false;
    uint m_backColor = 0x8000000Fu;
    bool m_allowClose = false;
};

} // namespace Notiva

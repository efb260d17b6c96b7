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
// Positions are in twips on a 5595 by 2040 twip inner area.
class frmMsgBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int InnerWidthTwips = 5595;
    static constexpr int InnerHeightTwips = 2040;

    // Without allowClose the window has no close button and refuses to close except through one
    // of its buttons. It is fixed for the form's life: the window flags are set before the window
    // is created.
    explicit frmMsgBox(bool allowClose, QWidget* parent = nullptr);

    int myButtonGroup() const { return m_buttonGroup; }
    void setMyButtonGroup(int buttonGroup) { m_buttonGroup = buttonGroup; }
    // The MessageResponseConstants value of the pressed button; -1 until one is pressed.
    int ButtonPressed() const { return m_buttonPressed; }
    bool DoGradient() const { return m_doGradient; }
    void setDoGradient(bool doGradient) { m_doGradient = doGradient; }
    uint DoGradientColor() const { return m_doGradientColor; }
    void setDoGradientColor(uint colour) { m_doGradientColor = colour; }
    bool DoTheShadow() const { return m_doTheShadow; }
    void setDoTheShadow(bool doTheShadow) { m_doTheShadow = doTheShadow; }
    // The background colour as given (RGB or system colour); the gradient's top colour.
    uint BackColor() const { return m_backColor; }
    void setBackColor(uint colour);

    // The message and its shadow copy share text, alignment and font; foreColor colours the message.
    void SetMessage(const QString& text, Qt::Alignment alignment, uint foreColor, const QFont& font);
    // Picture 1 to 30 at the top left with the text beside it, or 0 for the text across the box.
    void ShowPicture(int icon);
    // Puts the shadow under the message, offset by 1.5 twips per whole point of the message font.
    void ShowShadow();
    // Shows the group's buttons with their captions at the right end of the row; a value that
    // names no group shows none.
    void ShowButtonGroup(int buttonGroup);

    // Paints the background as bands from startColour at the top to endColour at the bottom into
    // the form's persistent image.
    void PaintGradient(uint startColour, uint endColour);
    // Gives the shadow text a darker shade of the background colour.
    void SetShadowColor(uint backColour);

    // Whether a message form is up and waiting for its answer. Show does not return before its box
    // is answered, so a second box could only come from a nested event loop, and Show refuses it.
    // The count is static because it spans every form and every control, not one call or one box;
    // it needs no lock or thread_local, as forms are widgets and live on the GUI thread alone.
    static bool isOpen() { return s_openForms > 0; }
    // Runs the modal loop, counting the form open until it returns.
    int exec() override;

    // Command1 to Command5 by number 1 to 5.
    QPushButton* Command(int number) const;

    // Unloading hides the buttons and the shadow again, ready for the next message.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static inline int s_openForms = 0;

    void LayOutButtons();
    void CommandClicked(int index);

    std::array<QPushButton*, 5> m_commands{};
    QLabel* m_picture = nullptr;
    QLabel* m_shadow = nullptr;
    QLabel* m_message = nullptr;
    QPixmap m_persistentImage;

    int m_buttonGroup = 0;
    int m_buttonPressed = -1;
    bool m_doGradient = false;
    uint m_doGradientColor = 0;
    bool m_doTheShadow = false;
    uint m_backColor = 0x8000000Fu;
    bool m_allowClose = false;
};

} // namespace Notiva

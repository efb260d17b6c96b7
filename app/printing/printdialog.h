// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace pantrex {

class Dialogs;
class HoverButton;
class LinePrinter;
class Session;

// The print dialog: how the shopping list is printed (font size and weight, list order or grouped
// by category with or without separators, with or without unit prices) and three short notes
// printed under it. The choices live in "pantlpt.cfg" and the notes in "pantnote.dat". It is made
// once a run and afterwards only hidden and shown, so that unsaved edits survive a "Not yet".
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    PrintDialog(Session& session, Dialogs& dialogs, LinePrinter& printer, QWidget* mainWindow);

    // Makes the dialog visible; the first time it reads the saved choices and notes.
    void showDialog();
    // Writes the choices into record 1 of the settings file, keeping the rest of the record.
    void saveChoices();

protected:
    bool event(QEvent* event) override;
    // Esc and the close box: "Not yet".
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void loadChoices();
    void applyDefaults();
    void stepFontSize(int step);
    void saveNotes();
    void notYet();
    void printList();
    void showTip();
    void returnToMainWindow();

    Session& m_session;
    Dialogs& m_dialogs;
    LinePrinter& m_printer;
    QWidget* m_mainWindow;
    QButtonGroup* m_weight;
    QButtonGroup* m_order;
    QButtonGroup* m_prices;
    bool m_loaded = false;

    QLabel* m_fontSizeLabel;
    QLineEdit* m_fontSizeBox;
    HoverButton* m_smallerButton;
    HoverButton* m_largerButton;
    QRadioButton* m_regularOption;
    QRadioButton* m_boldOption;
    QLabel* m_orderLabel;
    QRadioButton* m_alphabeticalOption;
    QRadioButton* m_categoryOption;
    QCheckBox* m_separatorsBox;
    QRadioButton* m_pricesOption;
    QRadioButton* m_noPricesOption;
    QLabel* m_notesLabel;
    std::array<QLabel*, 3> m_noteLabels; // Label4, Label5, Label6
    std::array<QLineEdit*, 3> m_noteBoxes;
    HoverButton* m_clearButton;
    HoverButton* m_tipButton;
    HoverButton* m_aisleButton;
    HoverButton* m_notYetButton;
    HoverButton* m_printButton;
};

} // namespace pantrex

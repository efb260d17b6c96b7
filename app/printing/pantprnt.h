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
struct PANTMOD;

// The print dialog: how the shopping list is printed (font size and weight, list order or grouped
// by category with or without separators, with or without unit prices) and three short notes
// printed under it. The choices live in "pantlpt.cfg" and the notes in "pantnote.dat". It is made
// once a run and afterwards only hidden and shown, so that unsaved edits survive a "Not yet".
class pantprnt : public QDialog {
    Q_OBJECT

public:
    pantprnt(PANTMOD& pantmod, Dialogs& dialogs, LinePrinter& printer, QWidget* mainWindow);

    // Makes the dialog visible; the first time it reads the saved choices and notes.
    void showDialog();
    // Writes the choices into record 1 of the settings file, keeping the rest of the record.
    void saveparameters();

    QLabel* Label1;
    QLineEdit* fontsizetxt;
    HoverButton* fontdowncmd;
    HoverButton* fontupcmd;
    QRadioButton* regular;
    QRadioButton* bold;
    QLabel* Label2;
    QRadioButton* alpha;
    QRadioButton* category;
    QCheckBox* sepopt;
    QRadioButton* price;
    QRadioButton* noprice;
    QLabel* Label3;
    std::array<QLabel*, 3> noteLabels; // Label4, Label5, Label6
    std::array<QLineEdit*, 3> notetxt;
    HoverButton* clearcmd;
    HoverButton* tipcmd;
    HoverButton* cancelcmd;
    HoverButton* printcmd;

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
    void savenotes();
    void cancelcmdClick();
    void printcmdClick();
    void tipcmdClick();
    void returnToMainWindow();

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    LinePrinter& m_printer;
    QWidget* m_mainWindow;
    QButtonGroup* m_weight;
    QButtonGroup* m_order;
    QButtonGroup* m_prices;
    bool m_loaded = false;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QListWidget;

namespace pantrex {

class Dialogs;
class HoverButton;
class LinePrinter;

// The help window: one help topic shown row by row, which can be printed. A help command makes a
// new one for its topic; "Quit" only hides it.
class panthelp : public QDialog {
    Q_OBJECT

public:
    // topic: 2 import and export, 3 custom lists, anything else the program help.
    panthelp(int topic, Dialogs& dialogs, LinePrinter& printer, QWidget* parent);

    QListWidget* List1;
    HoverButton* printcmd;
    HoverButton* quitcmd;

private:
    void printcmdClick();

    Dialogs& m_dialogs;
    LinePrinter& m_printer;
};

} // namespace pantrex

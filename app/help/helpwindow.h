// SPDX-License-Identifier: MIT
#pragma once

#include "help/helptopics.h"

#include <QDialog>

class QListWidget;

namespace pantrex {

class Dialogs;
class HoverButton;
class LinePrinter;

// The help window: one help topic shown row by row, which can be printed. A help command makes a
// new one for its topic; "Quit" only hides it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(HelpTopic topic, Dialogs& dialogs, LinePrinter& printer, QWidget* parent);

private:
    void printTopic();

    Dialogs& m_dialogs;
    LinePrinter& m_printer;
    QListWidget* m_rows;
};

} // namespace pantrex

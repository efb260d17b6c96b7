// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QUrl>

class QLabel;

namespace pantrex {

class Dialogs;
class HoverButton;

// The about box: the program's name and version, its licence, and where to get upgrades and report
// bugs. Made on the first "About" and afterwards only hidden and shown.
class pantabt : public QDialog {
    Q_OBJECT

public:
    pantabt(Dialogs& dialogs, QWidget* parent);

    // Where the link leads: the address itself, or for the user guide shipped with the program
    // the installed copy, else the one in the source tree.
    static QUrl linkTarget();

    QList<QLabel*> Label1; // the name, the version and the line before the link
    QLabel* licencelbl;    // under the version: the licence Pantrex is released under
    QLabel* weblink;
    HoverButton* Command1;

private:
    void openLink();

    Dialogs& m_dialogs;
};

} // namespace pantrex

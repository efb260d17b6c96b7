// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;

namespace pantrex {

class Dialogs;
class HoverButton;

// The about box: the program's name and version, its licence, and where to get upgrades and report
// bugs. Made on the first "About" and afterwards only hidden and shown.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(Dialogs& dialogs, QWidget* parent);

private:
    // Where the link leads: the address itself, or for the user guide shipped with the program
    // the installed copy, else the one in the source tree.
    static QUrl linkTarget();
    void openLink();

    Dialogs& m_dialogs;
    QLabel* m_nameLabel;
    QLabel* m_versionLabel;
    QLabel* m_licenceLabel; // under the version: the licence Pantrex is released under
    QLabel* m_linkCaption;  // the line before the link
    QLabel* m_link;
    HoverButton* m_okButton;
};

} // namespace pantrex

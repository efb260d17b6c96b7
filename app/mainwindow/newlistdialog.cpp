// SPDX-License-Identifier: MIT
#include "newlistdialog.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pantrex {

namespace {

struct ListNameTexts {
    Q_DECLARE_TR_FUNCTIONS(ListName)
};

QPushButton* makeButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

// Why a typed name cannot name a list file, or "" when it can. The name becomes a file name in the
// working folder and is kept in the name file in Windows-1252; its part before the first "." names
// the list's product list and its merge file, which may also go to a diskette. So it is one plain
// name: no folders, no dots, no characters that other systems or that code page cannot hold.
QString nameProblem(const QString& name) {
    for (const char32_t c : name.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return ListNameTexts::tr("A list name cannot contain control characters.");
        if (QStringLiteral("./\\:*?\"<>|").contains(character) || fromAnsi(toAnsi(character)) != character)
            return ListNameTexts::tr("A list name cannot contain \"%1\".").arg(character);
    }
    if (ownProductList(name + QStringLiteral(".lst")).isEmpty())
        return ListNameTexts::tr("Pantrex keeps the name \"%1\" for its own files.  Try another name.").arg(name);
    return QString();
}

} // namespace

NewListDialog::NewListDialog(Session& session, Dialogs& dialogs, QWidget* mainWindow)
    : QDialog(mainWindow), m_session(session), m_dialogs(dialogs), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantnew"));
    setWindowTitle(tr("Create new shopping list"));
    setModal(false);

    auto* prompt = new QLabel(tr("Enter a name for your new list:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("fnametxt"));
    m_nameEdit->setMaxLength(8);
    m_nameEdit->setAccessibleName(prompt->text().simplified());
    prompt->setBuddy(m_nameEdit);
    QPushButton* createButton = makeButton(QStringLiteral("createcmd"), tr("Create"), this);
    createButton->setDefault(true);
    QPushButton* cancelButton = makeButton(QStringLiteral("cancelcmd"), tr("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(createButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_nameEdit);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // Wide enough for the whole title in the title bar.
    resize(fontMetrics().horizontalAdvance(windowTitle()) + 160, sizeHint().height());

    connect(createButton, &QPushButton::clicked, this, &NewListDialog::create);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::hide);
}

void NewListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_nameEdit->setFocus(Qt::OtherFocusReason);
}

void NewListDialog::create() {
    const QString name = listFileName();
    if (name.isEmpty())
        return;
    // A file holding any bytes at all counts as taken, so that nothing of it is written over.
    if (m_session.listTaken(name)) {
        oops(tr("List already exists.  Try another name."), QString());
        return;
    }
    const Dialogs::Answer answer =
        ask(m_dialogs, tr("Create a new product list for this file? (Answer NO to use existing grocery.dat file.)"),
            tr("Set Data Source..."), Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel) {
        hide();
        return;
    }
    const Notices refused = m_session.createList(name, answer == Dialogs::Answer::Yes);
    if (!refused.isEmpty()) {
        report(m_dialogs, refused);
        return;
    }
    // The product file itself comes into being when the main window opens it.
    if (answer == Dialogs::Answer::Yes)
        inform(m_dialogs, tr("Data file created: %1").arg(m_session.productListPath()));
    hide();
    if (m_mainWindow) {
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
    Q_EMIT listCreated();
}

QString NewListDialog::listFileName() {
    const QString typed = trimBlanks(m_nameEdit->text());
    if (typed.isEmpty()) {
        oops(tr("Enter a name first!"), tr("Oops!"));
        return QString();
    }
    const QString problem = nameProblem(typed);
    if (!problem.isEmpty()) {
        oops(problem, tr("Oops!"));
        return QString();
    }
    return typed + QStringLiteral(".lst");
}

void NewListDialog::oops(const QString& text, const QString& title) {
    inform(m_dialogs, text, title);
}

} // namespace pantrex

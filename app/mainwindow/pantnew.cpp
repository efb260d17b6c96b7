// SPDX-License-Identifier: MIT
#include "pantnew.h"

#include "core/entrytext.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "platform/dialogs.h"
#include "state/pantmod.h"

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

pantnew::pantnew(PANTMOD& pantmod, Dialogs& dialogs, QWidget* mainWindow)
    : QDialog(mainWindow), m_pantmod(pantmod), m_dialogs(dialogs), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantnew"));
    setWindowTitle(tr("Create new shopping list"));
    setModal(false);

    Label1 = new QLabel(tr("Enter a name for your new list:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    fnametxt = new QLineEdit(this);
    fnametxt->setObjectName(QStringLiteral("fnametxt"));
    fnametxt->setMaxLength(8);
    fnametxt->setAccessibleName(Label1->text().simplified());
    Label1->setBuddy(fnametxt);
    createcmd = makeButton(QStringLiteral("createcmd"), tr("Create"), this);
    createcmd->setDefault(true);
    cancelcmd = makeButton(QStringLiteral("cancelcmd"), tr("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(createcmd);
    buttons->addWidget(cancelcmd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(fnametxt);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // Wide enough for the whole title in the title bar.
    resize(fontMetrics().horizontalAdvance(windowTitle()) + 160, sizeHint().height());

    connect(createcmd, &QPushButton::clicked, this, &pantnew::createcmdClick);
    connect(cancelcmd, &QPushButton::clicked, this, &QDialog::hide);
}

void pantnew::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fnametxt->setFocus(Qt::OtherFocusReason);
}

void pantnew::createcmdClick() {
    const QString name = listFileName();
    if (name.isEmpty())
        return;
    if (listTaken(name)) {
        oops(tr("List already exists.  Try another name."), QString());
        return;
    }
    Dialogs::Message question;
    question.text = tr("Create a new product list for this file? (Answer NO to use existing grocery.dat file.)");
    question.title = tr("Set Data Source...");
    question.buttons = Dialogs::Buttons::YesNoCancel;
    question.icon = Dialogs::Icon::Question;
    const Dialogs::Answer answer = m_dialogs.message(question);
    if (answer == Dialogs::Answer::Cancel) {
        hide();
        return;
    }
    if (!openNewList(name))
        return;
    if (answer == Dialogs::Answer::Yes) {
        // The product file itself comes into being when the main window opens it.
        m_pantmod.session.setProductListPath(baseName(name) + QStringLiteral(".dat"));
        Dialogs::Message created;
        created.text = tr("Data file created: %1").arg(m_pantmod.session.productListPath());
        m_dialogs.message(created);
    } else {
        m_pantmod.session.setProductListPath(DataFile::DefaultProducts);
        m_pantmod.session.setDefaultListWarned(false);
    }
    m_pantmod.newlistflag = 1;
    hide();
    if (m_mainWindow) {
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}

QString pantnew::listFileName() {
    const QString typed = trimBlanks(fnametxt->text());
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

// The test only looks: it neither opens the file on the shopping list's channel, which would let
// go of the open list, nor creates a file for a name that is then not used. A file holding any
// bytes at all counts as taken, so that nothing of it is written over.
bool pantnew::listTaken(const QString& name) {
    return m_pantmod.session.files().size(name) > 0;
}

bool pantnew::openNewList(const QString& name) {
    // The file is made before the open list is let go, so that a name the system cannot create
    // leaves everything as it was.
    RecordFile probe(m_pantmod.session.files().pathOf(name), ShoppingRecord::Length);
    if (!probe.open()) {
        showFileError(m_dialogs, probe.errorString());
        return false;
    }
    probe.close();
    RecordFile* list = m_pantmod.session.files().open(ShoppingChannel, name, ShoppingRecord::Length);
    if (!list) {
        showFileError(m_dialogs, m_pantmod.session.files().errorString());
        (void)m_pantmod.session.files().open(ShoppingChannel, m_pantmod.session.shoppingListPath(),
                                             ShoppingRecord::Length);
        return false;
    }
    m_pantmod.session.setShoppingListPath(name);
    m_pantmod.session.setShoppingCount(list->count());
    return true;
}

void pantnew::oops(const QString& text, const QString& title) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    m_dialogs.message(box);
}

} // namespace pantrex

// SPDX-License-Identifier: MIT
// The main window's start-up, activation and quit: which files it opens, and what it leaves behind.
#include "pantrex1.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/safefile.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace pantrex {

void pantrex1::load() {
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    Session& session = m_session;
    report(m_dialogs, session.openDefaultProducts(!m_loaded));
    if (!m_loaded)
        report(m_dialogs, session.takeOverOldList());

    report(m_dialogs, session.openShoppingList());
    pickproductlist();
    m_shoppingList->setCaptionFromTotal();
    openMergeProbe();

    if (!m_loaded) {
        m_productView->showAllCategories();
        m_productView->allcmd->setEnabled(false);
    }
    if (m_session.productCount() > 0)
        m_productView->fillproductlist();
    if (m_session.shoppingCount() == 0)
        m_shoppingList->showEmptyList();
    else
        m_shoppingList->reloadShoppingList();
    if (m_session.productCount() > 0)
        m_productView->fillcatlist();
    if (m_session.productCount() != 0)
        m_productView->showCurrentPrice();
    if (m_session.shoppingCount() != 0 && m_shoppingList->currentRow() >= 0)
        m_shoppingList->showCurrentCost();
    m_loaded = true;
}

void pantrex1::pickproductlist() {
    report(m_dialogs, m_session.chooseProductList());
    m_productView->fillproductlist();
    m_productView->fillcatlist();
}

// Import is offered only while a merge file with products lies beside the product list.
void pantrex1::openMergeProbe() {
    report(m_dialogs, m_session.probeMergeFile());
    mergecmd->setEnabled(m_session.importOffered());
}

// A list just created is empty; its product list is opened (and, when it is its own, made).
void pantrex1::showNewList() {
    m_shoppingList->showEmptyList();
    m_shoppingList->setCaption(baseName(m_session.shoppingListPath()) + QStringLiteral(" ($0.00)"));
    leavecustommode();
    if (!m_session.openProductList(m_session.productListPath()))
        reportFileError(m_session.files().errorString());
    m_productView->emptyList();
    m_productView->fillcatlist();
    m_productView->fillproductlist();
    m_shoppingList->reloadShoppingList();
    openMergeProbe();
}

void pantrex1::quit() {
    if (!m_finished && finishRun())
        close();
}

bool pantrex1::finishRun() {
    Session& session = m_session;
    const bool rowsShown = m_productView->rowCount() > 0 || m_shoppingList->rowCount() > 0;
    if (session.listToEliminate(rowsShown)) {
        // The user may still keep the empty list by cancelling.
        if (ask(m_dialogs, tr("%1 is empty and will be eliminated.").arg(session.shoppingListPath()), QString(),
                Dialogs::Buttons::OkCancel, Dialogs::Icon::Exclamation) != Dialogs::Answer::Ok)
            return false;
        report(m_dialogs, session.eliminateEmptyList());
    } else {
        report(m_dialogs, session.rememberListName());
    }
    session.files().closeAll();
    m_finished = true;
    Q_EMIT finished();
    return true;
}

void pantrex1::reportFileError(const QString& error) {
    showFileError(m_dialogs, error);
}

} // namespace pantrex

// SPDX-License-Identifier: MIT
#include "deleteproducts.h"

#include "platform/messages.h"

#include <QCoreApplication>
#include <QSet>

namespace pantrex {

namespace {

struct ProductTexts {
    Q_DECLARE_TR_FUNCTIONS(Products)
};

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

bool proceedOnDefaultList(Dialogs& dialogs) {
    return ask(dialogs,
               ProductTexts::tr("This is the default master list and is used for any shopping lists that "
                                "do not have their own master list.  Deletions here may affect other "
                                "lists, now and in the future.  Do you wish to proceed??"),
               ProductTexts::tr("WARNING!"), Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

enum class Confirmation { Stop, AllAtOnce, OneByOne };

Confirmation confirm(Dialogs& dialogs, qsizetype selected, qint64 count) {
    if (selected == count &&
        ask(dialogs,
            ProductTexts::tr("This will wipe out this ENTIRE master product list.  Is that what you want to do??"),
            ProductTexts::tr("Confirm"), Buttons::YesNo, Icon::Exclamation) != Answer::Yes)
        return Confirmation::Stop;
    if (selected > 1) {
        const Answer answer = ask(dialogs, ProductTexts::tr("Do you wish to confirm each item for deletion?"),
                                  ProductTexts::tr("?"), Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Yes)
            return Confirmation::OneByOne;
        if (answer != Answer::No)
            return Confirmation::Stop;
    }
    if (ask(dialogs, ProductTexts::tr("Delete selected item(s)?"), ProductTexts::tr("Confirm"), Buttons::YesNo,
            Icon::Question) != Answer::Yes)
        return Confirmation::Stop;
    return Confirmation::AllAtOnce;
}

} // namespace

DeletionOutcome deleteProducts(Session& session, Dialogs& dialogs, const QList<qint64>& selectedRecords,
                               QByteArrayView shownContent) {
    ProductOperations products(session);
    std::optional<Notice> notice;
    if (!products.canDelete(selectedRecords, notice)) {
        if (notice)
            report(dialogs, *notice);
        return DeletionOutcome::Nothing;
    }
    if (products.defaultListWarningDue()) {
        const bool proceed = proceedOnDefaultList(dialogs);
        products.markDefaultListWarned();
        if (!proceed)
            return DeletionOutcome::Nothing;
    }
    const std::optional<qint64> count = products.countProducts(notice);
    if (!count) {
        report(dialogs, *notice);
        return DeletionOutcome::Nothing;
    }
    const qsizetype selected = QSet<qint64>(selectedRecords.cbegin(), selectedRecords.cend()).size();
    const Confirmation confirmation = confirm(dialogs, selected, *count);
    if (confirmation == Confirmation::Stop)
        return DeletionOutcome::Nothing;
    std::function<bool(const QString&)> confirmEach;
    if (confirmation == Confirmation::OneByOne) {
        confirmEach = [&dialogs](const QString& name) {
            return ask(dialogs, ProductTexts::tr("Delete %1?").arg(name), ProductTexts::tr("Confirm"), Buttons::YesNo,
                       Icon::Question) == Answer::Yes;
        };
    }
    const DeletionResult result = products.deleteProducts(selectedRecords, shownContent, confirmEach);
    if (result.notice)
        report(dialogs, *result.notice);
    return result.outcome;
}

} // namespace pantrex

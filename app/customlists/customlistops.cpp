// SPDX-License-Identifier: MIT
#include "customlistops.h"

#include "core/customlists.h"
#include "platform/messages.h"

namespace pantrex {

namespace {

using Answer = Dialogs::Answer;

// A typed name; an answer of blanks only counts as no answer.
QString askName(Dialogs& dialogs, const QString& prompt, const QString& title) {
    Dialogs::Input box;
    box.prompt = prompt;
    box.title = title;
    const QString answer = dialogs.input(box);
    return answer.trimmed().isEmpty() ? QString() : answer;
}

// Yes goes on; No keeps the chooser for another selection; Cancel closes it.
std::optional<AfterProceed> confirmItems(Dialogs& dialogs, const QString& question) {
    const Answer answer = ask(dialogs, question, QString(), Dialogs::Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return AfterProceed::CloseChooser;
    if (answer != Answer::Yes)
        return AfterProceed::KeepChooser;
    return std::nullopt;
}

AfterProceed afterProceed(Dialogs& dialogs, const CustomLists::ItemsOutcome& outcome) {
    report(dialogs, outcome.notices);
    switch (outcome.result) {
    case CustomLists::ItemsResult::Failed:
        return AfterProceed::KeepChooser;
    case CustomLists::ItemsResult::Stale:
        return AfterProceed::ReloadItems;
    case CustomLists::ItemsResult::Done:
        return AfterProceed::CloseChooser;
    case CustomLists::ItemsResult::ShoppingListWritten:
        return AfterProceed::CloseAndReloadShoppingList;
    }
    return AfterProceed::KeepChooser;
}

} // namespace

void createList(CustomLists& lists, Dialogs& dialogs, const QList<qint64>& selectedProducts) {
    if (const std::optional<Notice> refused = lists.checkNewList(selectedProducts.size())) {
        report(dialogs, *refused);
        return;
    }
    if (const std::optional<Notice> failed = lists.load()) {
        report(dialogs, *failed);
        return;
    }
    QString name;
    for (;;) {
        name = askName(dialogs, CustomLists::tr("Type a name for this custom Product List."), Dialogs::programTitle());
        if (name.isEmpty())
            return;
        const std::optional<Notice> taken = lists.checkNewName(name);
        if (!taken)
            break;
        report(dialogs, *taken);
    }
    report(dialogs, lists.createList(name, selectedProducts));
}

void addToList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName, const QList<qint64>& selectedProducts) {
    if (const std::optional<Notice> refused = lists.checkAddToList(selectedProducts.size())) {
        report(dialogs, *refused);
        return;
    }
    if (ask(dialogs, CustomLists::tr("Add the selected Product List item(s) to %1?").arg(trimmedName(listName)),
            CustomLists::tr("Confirm"), Dialogs::Buttons::YesNo) != Answer::Yes)
        return;
    report(dialogs, lists.addToList(listName, selectedProducts));
}

void deleteList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName) {
    if (ask(dialogs, CustomLists::tr("Delete %1?").arg(trimmedName(listName)), CustomLists::tr("Confirm..."),
            Dialogs::Buttons::YesNo) != Answer::Yes)
        return;
    report(dialogs, lists.deleteList(listName));
}

void previewList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName) {
    report(dialogs, lists.preview(listName));
}

void saveShoppingList(CustomLists& lists, Dialogs& dialogs) {
    if (const std::optional<Notice> refused = lists.checkSaveShoppingList()) {
        report(dialogs, *refused);
        return;
    }
    QString name;
    for (;;) {
        name = askName(dialogs, CustomLists::tr("Enter a name for this custom list"),
                       CustomLists::tr("Save shopping list........."));
        if (name.isEmpty())
            return;
        if (const std::optional<Notice> failed = lists.load()) {
            report(dialogs, *failed);
            return;
        }
        if (!lists.nameInUse(name) ||
            ask(dialogs,
                CustomLists::tr("Name already exists.  Add products to this custom list?  (This may cause duplication "
                                "of products.)"),
                CustomLists::tr("Oops!"), Dialogs::Buttons::YesNo) == Answer::Yes)
            break;
    }
    report(dialogs, lists.saveShoppingList(name));
}

AfterProceed removeItems(CustomLists& lists, Dialogs& dialogs, const QList<ListItem>& chosen) {
    if (const std::optional<AfterProceed> declined = confirmItems(dialogs, CustomLists::tr("Delete selected items?")))
        return *declined;
    return afterProceed(dialogs, lists.removeItems(chosen));
}

AfterProceed getItems(CustomLists& lists, Dialogs& dialogs, const QList<ListItem>& chosen) {
    if (const std::optional<AfterProceed> declined = confirmItems(dialogs, CustomLists::tr("Add selected items?")))
        return *declined;
    return afterProceed(dialogs, lists.getItems(chosen));
}

} // namespace pantrex

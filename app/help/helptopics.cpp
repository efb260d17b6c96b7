// SPDX-License-Identifier: MIT
#include "helptopics.h"

#include "platform/guardedprinter.h"

#include <QCoreApplication>

namespace pantrex {

namespace {

struct HelpTexts {
    Q_DECLARE_TR_FUNCTIONS(HelpTopics)
};

QStringList importExportTopic() {
    return {
        HelpTexts::tr("EXPORTING / IMPORTING THE MASTER LIST"),
        QString(),
        HelpTexts::tr("If you are comfortable handling files, you may wish to make use of this function."),
        QString(),
        HelpTexts::tr("THE PROBLEM:  As a convenience, you may sometimes use Pantrex at the office, for"),
        HelpTexts::tr("instance, and buy groceries on the way home.  You may sometimes find yourself"),
        HelpTexts::tr("ADDING new foods to the Product List at one location or the other, thereby needing"),
        HelpTexts::tr("to Update the list at the other location."),
        QString(),
        HelpTexts::tr("THE SOLUTION: Export the Product List.  This creates a .mrg file from the"),
        HelpTexts::tr("current data file.  Bring or send this file home and save it to the pantrex directory."),
        HelpTexts::tr("When Pantrex sees a matching '.mrg' file in the directory, it will enable Import"),
        HelpTexts::tr("on the menu, which will bring in any new items to the local Product List.  Pantrex"),
        HelpTexts::tr("will then delete the .mrg file."),
        QString(),
    };
}

QStringList customListsTopic() {
    return {
        HelpTexts::tr("HOW TO USE THE CUSTOM LIST FEATURE...."),
        QString(),
        HelpTexts::tr("Create and save custom Product Lists (for recipes or any"),
        HelpTexts::tr("purpose whatsoever) for future use in creating a Shopping List."),
        QString(),
        HelpTexts::tr("To create a custom list...."),
        HelpTexts::tr("Select the required items on the Product List, then \"CREATE...\""),
        HelpTexts::tr("from the pull-down custom list menu.  Give your list a name"),
        HelpTexts::tr("and it will be saved for your use later on."),
        QString(),
        HelpTexts::tr("To import a custom list to the Shopping List...."),
        HelpTexts::tr("Use \"GET...\" to retrieve a custom list.  Click on the desired"),
        HelpTexts::tr("list name to view and select products for your Shopping List."),
        HelpTexts::tr("Any item found to be on the Shopping List already will not "),
        HelpTexts::tr("be duplicated."),
        QString(),
        HelpTexts::tr("The current shopping list may also be saved as a custom list."),
        QString(),
        HelpTexts::tr("\"DELETE...\" will remove a custom list from the file."),
        HelpTexts::tr("\"ADD...\" will place selected products on an existing custom list."),
        HelpTexts::tr("\"EDIT...\" will allow you to remove products from a custom list."),
        QString(),
    };
}

QStringList programTopic() {
    return {
        HelpTexts::tr("USING PANTREX"),
        QString(),
        HelpTexts::tr("This program is designed to run on a screen area of 800 x 600 pixels. To make this setting, "),
        HelpTexts::tr("right-click your desktop, select properties, then settings and adjust the screen area."),
        HelpTexts::tr("If you cannot see the OK button below, press <Enter>to clear this message box."),
        QString(),
        HelpTexts::tr("THE PRODUCT LIST"),
        HelpTexts::tr("The master list of products appears in the left window.  Master list items may be created, "
                      "edited or"),
        HelpTexts::tr("deleted as you wish. Over time, your Product List will come to reflect your personal shopping "
                      "habits."),
        HelpTexts::tr("Limit your Product List view by selecting a product category from the category list at the "
                      "bottom.  "),
        HelpTexts::tr("Return to a full view by clicking the ALL button or by selecting ALL from the category list."),
        HelpTexts::tr("Type a product name in the incremental search box to find it on the master list."),
        QString(),
        HelpTexts::tr("When adding or editing a product, check-mark high fat or high carb if it is a food that "
                      "exceeds your "),
        HelpTexts::tr("threshold for either of these nutrients.  Your inventory list can then be filtered to "
                      "exclude either"),
        HelpTexts::tr("by clicking fats and/or carbohydrates on the filters menu."),
        QString(),
        HelpTexts::tr("You may create a unique product list for each shopping list file. (This option only appears "
                      "when"),
        HelpTexts::tr("creating a new shopping file.)  In this way, you can have separate product and shopping "
                      "lists for"),
        HelpTexts::tr("each store if you wish. Shopping lists with no custom product list will automatically use "
                      "your original"),
        HelpTexts::tr("product list from the file \"grocery.lst\".  Changes to a Product List are saved as they "
                      "occur."),
        QString(),
        HelpTexts::tr("PRODUCT CATEGORIES"),
        HelpTexts::tr("Make up a new product category by typing its name in the category box when creating or "
                      "editing a "),
        HelpTexts::tr("product.  When editing a Product List item, the name of a category can be changed by "
                      "clicking the "),
        HelpTexts::tr("\"Edit category\" button.    This will modify all records in the category."),
        QString(),
        HelpTexts::tr("THE SHOPPING LIST"),
        HelpTexts::tr("The program opens showing the most recently viewed shopping list, if any.  Open or create a "
                      "new or "),
        HelpTexts::tr("different list from the File menu if you wish."),
        QString(),
        HelpTexts::tr("Shift items to and from the Shopping List with the green and red arrow buttons.  Use the "
                      "green arrow"),
        HelpTexts::tr("(or press <F2>) for a single quantity, or double-click an item to bring up an input box and "
                      "type the desired"),
        HelpTexts::tr("quantity.  Double-click a Shopping List item to change the quantity to purchase or change "
                      "the item"),
        HelpTexts::tr("description.  Use Ctrl+click to select multiple Product List items to be moved to the "
                      "shopping list"),
        HelpTexts::tr("Changes to each Shopping List are automatically saved as they occur."),
    };
}

} // namespace

QStringList helpTopicRows(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::ImportExport:
        return importExportTopic();
    case HelpTopic::CustomLists:
        return customListsTopic();
    case HelpTopic::Program:
        break;
    }
    return programTopic();
}

bool printHelpTopic(Dialogs& dialogs, LinePrinter& printer, const QStringList& rows) {
    GuardedPrinter page(printer, dialogs, QStringLiteral("help"));
    page.endLine();
    page.endLine();
    page.endLine();
    for (const QString& row : rows)
        page.line(row);
    return page.finish();
}

} // namespace pantrex

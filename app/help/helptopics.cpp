#include "helptopics.h"

#include "printing/guardedprinter.h"

namespace pantrex {

namespace {

QStringList importExportTopic() {
    return {
        QStringLiteral("EXPORTING / IMPORTING THE MASTER LIST"),
        QString(),
        QStringLiteral("If you are comfortable handling files, you may wish to make use of this function."),
        QString(),
        QStringLiteral("THE PROBLEM:  As a convenience, you may sometimes use Pantrex at the office, for"),
        QStringLiteral("instance, and buy groceries on the way home.  You may sometimes find yourself"),
        QStringLiteral("ADDING new foods to the Product List at one location or the other, thereby needing"),
        QStringLiteral("to Update the list at the other location."),
        QString(),
        QStringLiteral("THE SOLUTION: Export the Product List.  This creates a .mrg file from the"),
        QStringLiteral("current data file.  Bring or send this file home and save it to the pantrex directory."),
        QStringLiteral("When Pantrex sees a matching '.mrg' file in the directory, it will enable Import"),
        QStringLiteral("on the menu, which will bring in any new items to the local Product List.  Pantrex"),
        QStringLiteral("will then delete the .mrg file."),
        QString(),
    };
}

QStringList customListsTopic() {
    return {
        QStringLiteral("HOW TO USE THE CUSTOM LIST FEATURE...."),
        QString(),
        QStringLiteral("Create and save custom Product Lists (for recipes or any"),
        QStringLiteral("purpose whatsoever) for future use in creating a Shopping List."),
        QString(),
        QStringLiteral("To create a custom list...."),
        QStringLiteral("Select the required items on the Product List, then \"CREATE...\""),
        QStringLiteral("from the pull-down custom list menu.  Give your list a name"),
        QStringLiteral("and it will be saved for your use later on."),
        QString(),
        QStringLiteral("To import a custom list to the Shopping List...."),
        QStringLiteral("Use \"GET...\" to retrieve a custom list.  Click on the desired"),
        QStringLiteral("list name to view and select products for your Shopping List."),
        QStringLiteral("Any item found to be on the Shopping List already will not "),
        QStringLiteral("be duplicated."),
        QString(),
        QStringLiteral("The current shopping list may also be saved as a custom list."),
        QString(),
        QStringLiteral("\"DELETE...\" will remove a custom list from the file."),
        QStringLiteral("\"ADD...\" will place selected products on an existing custom list."),
        QStringLiteral("\"EDIT...\" will allow you to remove products from a custom list."),
        QString(),
    };
}

QStringList programTopic() {
    return {
        QStringLiteral("USING PANTREX"),
        QString(),
        QStringLiteral("This program is designed to run on a screen area of 800 x 600 pixels. To make this setting, "),
        QStringLiteral("right-click your desktop, select properties, then settings and adjust the screen area."),
        QStringLiteral("If you cannot see the OK button below, press <Enter>to clear this message box."),
        QString(),
        QStringLiteral("THE PRODUCT LIST"),
        QStringLiteral("The master list of products appears in the left window.  Master list items may be created, "
                       "edited or"),
        QStringLiteral("deleted as you wish. Over time, your Product List will come to reflect your personal shopping "
                       "habits."),
        QStringLiteral("Limit your Product List view by selecting a product category from the category list at the "
                       "bottom.  "),
        QStringLiteral("Return to a full view by clicking the ALL button or by selecting ALL from the category list."),
        QStringLiteral("Type a product name in the incremental search box to find it on the master list."),
        QString(),
        QStringLiteral("When adding or editing a product, check-mark high fat or high carb if it is a food that "
                       "exceeds your "),
        QStringLiteral("threshold for either of these nutrients.  Your inventory list can then be filtered to "
                       "exclude either"),
        QStringLiteral("by clicking fats and/or carbohydrates on the filters menu."),
        QString(),
        QStringLiteral("You may create a unique product list for each shopping list file. (This option only appears "
                       "when"),
        QStringLiteral("creating a new shopping file.)  In this way, you can have separate product and shopping "
                       "lists for"),
        QStringLiteral("each store if you wish. Shopping lists with no custom product list will automatically use "
                       "your original"),
        QStringLiteral("product list from the file \"grocery.lst\".  Changes to a Product List are saved as they "
                       "occur."),
        QString(),
        QStringLiteral("PRODUCT CATEGORIES"),
        QStringLiteral("Make up a new product category by typing its name in the category box when creating or "
                       "editing a "),
        QStringLiteral("product.  When editing a Product List item, the name of a category can be changed by "
                       "clicking the "),
        QStringLiteral("\"Edit category\" button.    This will modify all records in the category."),
        QString(),
        QStringLiteral("THE SHOPPING LIST"),
        QStringLiteral("The program opens showing the most recently viewed shopping list, if any.  Open or create a "
                       "new or "),
        QStringLiteral("different list from the File menu if you wish."),
        QString(),
        QStringLiteral("Shift items to and from the Shopping List with the green and red arrow buttons.  Use the "
                       "green arrow"),
        QStringLiteral("(or press <F2>) for a single quantity, or double-click an item to bring up an input box and "
                       "type the desired"),
        QStringLiteral("quantity.  Double-click a Shopping List item to change the quantity to purchase or change "
                       "the item"),
        QStringLiteral("description.  Use Ctrl+click to select multiple Product List items to be moved to the "
                       "shopping list"),
        QStringLiteral("Changes to each Shopping List are automatically saved as they occur."),
    };
}

} // namespace

QStringList helpTopicRows(int topic) {
    switch (topic) {
    case 2:
        return importExportTopic();
    case 3:
        return customListsTopic();
    default:
        return programTopic();
    }
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

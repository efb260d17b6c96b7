<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CustomListChooserTexts</name>
    <message>
        <location filename="../app/customlists/customlistchooser.cpp" line="+31"/>
        <source>Select a list to delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a list to use...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a list to preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a list to add to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a list to edit...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomLists</name>
    <message>
        <location filename="../app/core/customlistcatalog.cpp" line="+37"/>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+18"/>
        <source>
                          (See &quot;Help&quot; on the Custom lists menu.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Product List for %1 is now on file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+283"/>
        <source>Could not read %1: the file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-225"/>
        <source>A custom list requires selection of more than one item on the Product List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/customlists/customlistops.cpp" line="+60"/>
        <source>Type a name for this custom Product List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+6"/>
        <source>Name already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+81"/>
        <location line="+20"/>
        <location filename="../app/customlists/customlistops.cpp" line="+52"/>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-85"/>
        <source>First you must select item(s) to be added from the Product List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/customlists/customlistops.cpp" line="-36"/>
        <source>Add the selected Product List item(s) to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+13"/>
        <source>%1 Product(s) added to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Preview of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create a shopping list first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/customlists/customlistops.cpp" line="+23"/>
        <source>Enter a name for this custom list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save shopping list.........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Name already exists.  Add products to this custom list?  (This may cause duplication of products.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+18"/>
        <source>The unit price of %1 is too large for a custom list. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-158"/>
        <source>The custom lists file was changed by another program while this list was shown. The list has been read again: please select the items again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+95"/>
        <source>The list was not deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/customlists/customlistops.cpp" line="-27"/>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Delete selected items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+98"/>
        <source>No item was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/customlists/customlistops.cpp" line="+6"/>
        <source>Add selected items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/customlists.cpp" line="+70"/>
        <source>%1 item(s) already on the shopping list were not added again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <location filename="../app/data/filechannels.cpp" line="+83"/>
        <source>There is no file channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+13"/>
        <source>Could not copy %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-11"/>
        <source>: %1 is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Could not put back %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Could not remove %1: it is still open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+8"/>
        <source>Could not remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&quot;%1&quot; is not the name of a file in the working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/data/recordfile.cpp" line="+63"/>
        <location line="+5"/>
        <source>Could not open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>the record length is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+27"/>
        <location line="+117"/>
        <source>Could not read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-142"/>
        <location line="+27"/>
        <location line="+47"/>
        <location line="+70"/>
        <source>the file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-111"/>
        <source>it holds %1 records, not %2; another program may have changed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+37"/>
        <source>Could not write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-33"/>
        <source>the record does not fit this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there is no record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+109"/>
        <source>a record does not fit this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+15"/>
        <location line="+24"/>
        <location line="+58"/>
        <source>Could not save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Saved %1 but could not open it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/data/filechannels.cpp" line="-75"/>
        <location filename="../app/data/recordfile.cpp" line="+27"/>
        <location line="+13"/>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/data/recordfile.cpp" line="-1"/>
        <source>another program has removed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/data/safefile.cpp" line="+31"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a link to a file outside the working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a link to another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a link to a file that is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Existing file %1 is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+12"/>
        <location line="+38"/>
        <source>the new file is not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../app/platform/dialogs.cpp" line="+11"/>
        <source>Pantrex</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <location filename="../app/cli/headless.cpp" line="+46"/>
        <source>could not write the products to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported 1 product from %2 to %3.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exported %1 products from %2 to %3.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Nothing was written: run again with --yes to add them to %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Write the open product list as CSV to &lt;file&gt; (- for standard output), without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Tell what importing the products of the CSV file &lt;file&gt; (- for standard input) would add to the open product list, without a window; with --yes, add them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --import-csv: add the products.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the open shopping list as text, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>give one of --export-csv, --import-csv and --list-text (--yes only with --import-csv).
Try &apos;pantrex --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../app/help/helptopics.cpp" line="+18"/>
        <source>EXPORTING / IMPORTING THE MASTER LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you are comfortable handling files, you may wish to make use of this function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>THE PROBLEM:  As a convenience, you may sometimes use Pantrex at the office, for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>instance, and buy groceries on the way home.  You may sometimes find yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADDING new foods to the Product List at one location or the other, thereby needing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>to Update the list at the other location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>THE SOLUTION: Export the Product List.  This creates a .mrg file from the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>current data file.  Bring or send this file home and save it to the pantrex directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When Pantrex sees a matching &apos;.mrg&apos; file in the directory, it will enable Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the menu, which will bring in any new items to the local Product List.  Pantrex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>will then delete the .mrg file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HOW TO USE THE CUSTOM LIST FEATURE....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Create and save custom Product Lists (for recipes or any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>purpose whatsoever) for future use in creating a Shopping List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To create a custom list....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select the required items on the Product List, then &quot;CREATE...&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from the pull-down custom list menu.  Give your list a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and it will be saved for your use later on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To import a custom list to the Shopping List....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &quot;GET...&quot; to retrieve a custom list.  Click on the desired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list name to view and select products for your Shopping List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Any item found to be on the Shopping List already will not </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>be duplicated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current shopping list may also be saved as a custom list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;DELETE...&quot; will remove a custom list from the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;ADD...&quot; will place selected products on an existing custom list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;EDIT...&quot; will allow you to remove products from a custom list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>USING PANTREX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This program is designed to run on a screen area of 800 x 600 pixels. To make this setting, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right-click your desktop, select properties, then settings and adjust the screen area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you cannot see the OK button below, press &lt;Enter&gt;to clear this message box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>THE PRODUCT LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The master list of products appears in the left window.  Master list items may be created, edited or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted as you wish. Over time, your Product List will come to reflect your personal shopping habits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limit your Product List view by selecting a product category from the category list at the bottom.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return to a full view by clicking the ALL button or by selecting ALL from the category list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a product name in the incremental search box to find it on the master list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>When adding or editing a product, check-mark high fat or high carb if it is a food that exceeds your </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>threshold for either of these nutrients.  Your inventory list can then be filtered to exclude either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by clicking fats and/or carbohydrates on the filters menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may create a unique product list for each shopping list file. (This option only appears when</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>creating a new shopping file.)  In this way, you can have separate product and shopping lists for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>each store if you wish. Shopping lists with no custom product list will automatically use your original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>product list from the file &quot;grocery.lst&quot;.  Changes to a Product List are saved as they occur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRODUCT CATEGORIES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make up a new product category by typing its name in the category box when creating or editing a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>product.  When editing a Product List item, the name of a category can be changed by clicking the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Edit category&quot; button.    This will modify all records in the category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>THE SHOPPING LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program opens showing the most recently viewed shopping list, if any.  Open or create a new or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different list from the File menu if you wish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift items to and from the Shopping List with the green and red arrow buttons.  Use the green arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(or press &lt;F2&gt;) for a single quantity, or double-click an item to bring up an input box and type the desired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>quantity.  Double-click a Shopping List item to change the quantity to purchase or change the item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>description.  Use Ctrl+click to select multiple Product List items to be moved to the shopping list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changes to each Shopping List are automatically saved as they occur.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <location filename="../app/mainwindow/mergedialogue.cpp" line="+40"/>
        <source>No new product was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 new product was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new products were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> added to %1; %2 is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Place diskette in drive A: and click OK when ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drive does not appear to be ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File created: %1
Should I move the file to floppy drive A:\ ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File copied successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import data to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge file not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No new items found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 record(s) of %2 named no product and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow/csvdialogue.cpp" line="+24"/>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export products as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 product was written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 products were written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+10"/>
        <location line="+4"/>
        <location line="+6"/>
        <source>Import products from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Add them to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinePrinter</name>
    <message>
        <location filename="../app/platform/qtlineprinter.cpp" line="+55"/>
        <source>Printout saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>a font size of %1 points cannot be printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the printer %1 cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the printer %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Printout sent to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+121"/>
        <source>the printer could not start a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, where it waits: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>no refused printout is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListName</name>
    <message>
        <location filename="../app/mainwindow/newlistdialog.cpp" line="+40"/>
        <source>A list name cannot contain control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A list name cannot contain &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pantrex keeps the name &quot;%1&quot; for its own files.  Try another name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <location filename="../app/platform/cupsprintqueue.cpp" line="+65"/>
        <source>it is not accepting jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CUPS gave no reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the printer is stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the job is held until it is released</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../app/platform/guardedprinter.cpp" line="+48"/>
        <source>Printer error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The printout was abandoned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

The printer reported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>The printer %1 did not accept the printout: %2

Save it as a PDF file in the working folder instead?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <location filename="../app/printing/notesprintout.cpp" line="+27"/>
        <source>Shopping Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/printing/productprintout.cpp" line="+33"/>
        <source>PANTREX Product List    Printed %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Category: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Print the Product List?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the %1 list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/printing/shoppingprintout.cpp" line="+79"/>
        <source>Could not read %1: it is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Quantity/Item/Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quantity/Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source> Shopping List Utility</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductCsv</name>
    <message>
        <location filename="../app/core/productcsv.cpp" line="+104"/>
        <location line="+4"/>
        <source>the %1 is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>the %1 holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the %1 &quot;%2&quot; holds &quot;%3&quot;, which the product list cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the %1 &quot;%2&quot; does not fit in %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the price is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>price &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>price &quot;%1&quot; does not fit in %2 characters (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not yes or no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line was refused (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 line would be refused (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines were refused (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 lines would be refused (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 is one of Pantrex&apos;s data files. Save the CSV file under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Added no products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Would add no products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Added 1 product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Would add 1 product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Added %1 products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Would add %1 products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 was already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 is already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 were already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 are already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file is too large to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file&apos;s first line names no &quot;name&quot; and &quot;price&quot; columns, so it holds no products Pantrex can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was changed since the CSV file was read. Nothing was imported; try the import again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <location filename="../app/products/deleteproducts.cpp" line="+23"/>
        <source>This is the default master list and is used for any shopping lists that do not have their own master list.  Deletions here may affect other lists, now and in the future.  Do you wish to proceed??</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WARNING!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This will wipe out this ENTIRE master product list.  Is that what you want to do??</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <location line="+35"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Do you wish to confirm each item for deletion?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Delete selected item(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/productoperations.cpp" line="+93"/>
        <source>No item selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+242"/>
        <source>This product was changed or deleted in the product list while it was open here, so it was not saved.  Return and open it again to make your changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+21"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The cost of %1, %2, is too large for the shopping list.  The product was saved but not put on the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <location filename="../app/core/customlists.cpp" line="-172"/>
        <source>Delete a custom list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Remove items from a custom list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/mergefiles.cpp" line="+115"/>
        <source>Import products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/notes.cpp" line="+38"/>
        <source>Save notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/productcsv.cpp" line="-2"/>
        <source>Import products from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/productoperations.cpp" line="-230"/>
        <source>Delete products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Rename category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Change product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/shoppinglist.cpp" line="+216"/>
        <source>Change item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Remove item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Erase list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/shoppingticks.cpp" line="+158"/>
        <source>Remove ticked items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/undohistory.cpp" line="+333"/>
        <source>%1 is not a folder Pantrex may write in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 was written over in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>What was kept to undo &quot;%1&quot; is damaged, so it cannot be undone. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 has changed since &quot;%2&quot; (by another program or a later change), so it cannot be undone without losing what is in it now. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <location filename="../app/core/workingfolder.cpp" line="+61"/>
        <source>Pantrex could not create its data folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pantrex is already running with the data folder %1.

Use the window that is open, or quit it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pantrex cannot write to its data folder %1.

Nothing was changed. Start Pantrex with a folder you may write to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+26"/>
        <source>Keep the data files in &lt;folder&gt; (default: the current folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the data files in your own data folder, $XDG_DATA_HOME/pantrex (normally ~/.local/share/pantrex). The menu entry starts Pantrex this way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start the phone view at start-up on [address:]port (without an address, the home network&apos;s) and print its address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[address:]port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pantrex keeps a household&apos;s grocery shopping lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>pantrex: %1
Try &apos;pantrex --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>pantrex: unexpected argument &apos;%1&apos;
Try &apos;pantrex --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>pantrex: there is no home folder to keep the data in.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pantrex: give either --data-dir or --user-data, not both.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>pantrex: the phone view could not start: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pantrex: --phone wants [address:]port, not &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::AboutDialog</name>
    <message>
        <location filename="../app/help/aboutdialog.cpp" line="+44"/>
        <source>About Pantrex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pantrex Shopping List Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Obtain upgrades, report bugs at...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Released under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go to Pantrex website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Could not open %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::AisleOrder</name>
    <message>
        <location filename="../app/core/aisleorder.cpp" line="+98"/>
        <source>The aisle order could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::AisleOrderDialog</name>
    <message>
        <location filename="../app/printing/aisleorderdialog.cpp" line="+34"/>
        <source>Aisle order: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Categories in the order you walk the store&apos;s aisles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Up and Ctrl+Down move the selected category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::CustomListChooser</name>
    <message>
        <location filename="../app/customlists/customlistchooser.cpp" line="+38"/>
        <source>Custom list chooser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Custom list items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No lists on file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+78"/>
        <source>Never Mind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Select</source>
        <extracomment>The shopping list&apos;s caption while a custom list is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>remove</source>
        <extracomment>The %1 of &quot;Select item(s) to %1, then press...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get</source>
        <extracomment>The shopping list&apos;s caption while custom items are chosen for it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>buy</source>
        <extracomment>The %1 of &quot;Select item(s) to %1, then press...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select item(s) to %1, then press the&quot;Proceed&quot; button
OR click &quot;Never Mind&quot; (at the bottom of the list) to quit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::HelpWindow</name>
    <message>
        <location filename="../app/help/helpwindow.cpp" line="+18"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::MainWindow</name>
    <message>
        <location filename="../app/mainwindow/mainwindow.cpp" line="+113"/>
        <source>Pantrex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Phone view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aisle order...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+11"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Program help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import/export </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export products as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import products from CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Custom lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CREATE a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD to a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REMOVE item(s) from a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PREVIEW a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GET custom item(s) for shopping list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE current shopping list as custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Carbohydrates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Close the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add a new item to the product list above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make changes to the product selected on the above list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete the selected product or products above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Returns product window to the full list of products.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add the selected product(s) to shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the selected item from the shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase your shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print your shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perform the chosen action on the selected items above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Select an item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inventory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1 is empty and will be eliminated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Open a Shopping List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pantrex Lists (*.lst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a shopping list.  Shopping lists end in .lst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+88"/>
        <source>%1 was changed by another program.  Nothing was changed here; the lists have been reloaded, so please look them over and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Print the product list shown above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::NewListDialog</name>
    <message>
        <location filename="../app/mainwindow/newlistdialog.cpp" line="+9"/>
        <source>Create new shopping list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a name for your new list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>List already exists.  Try another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create a new product list for this file? (Answer NO to use existing grocery.dat file.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set Data Source...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Data file created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enter a name first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::NotesWindow</name>
    <message>
        <location filename="../app/printing/noteswindow.cpp" line="+20"/>
        <source>Shopping Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/notes.cpp" line="+12"/>
        <source>%1 was changed by another program while the notes were open, so nothing was saved. Save again to replace it with the notes shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::PhoneServer</name>
    <message>
        <location filename="../app/phone/phoneserver.cpp" line="+98"/>
        <source>The port could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Pantrex is waiting for an answer on the computer.  Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>%1 was changed by another program.  Nothing was changed here; the list has been reloaded, so please look it over and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::PhoneWindow</name>
    <message>
        <location filename="../app/phone/phonewindow.cpp" line="+38"/>
        <source>Phone view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>QR code of the page&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Connected devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QR code of the list as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Or just read the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Connected devices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The phone view could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Anyone on this network who has the address can see and change the open shopping list until you press Stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The phone view is stopped: nothing is served.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The list is too long for a QR code.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::PrintDialog</name>
    <message>
        <location filename="../app/printing/printdialog.cpp" line="+83"/>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Smaller font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larger font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alphabetically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By category.....(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print separators)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print unit price for each item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add note(s) to your list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aisle order...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+180"/>
        <source>Add notes here as you think of them.  Click &quot;Not yet&quot; to return to shopping list.
Be sure to clear old notes if you do not wish them to appear on your shopping list!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::ProductEntryDialog</name>
    <message>
        <location filename="../app/products/productentrydialog.cpp" line="+80"/>
        <source>Product List Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter Item Name and Size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the Price: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Category to which this item belongs: (Select a category or type the       name of a new one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click here to change this category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark this as a.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High-Fat item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High-Carb item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save and return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save / Add another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return with no save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+180"/>
        <location line="+112"/>
        <location line="+60"/>
        <source>Bad entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-171"/>
        <location line="+107"/>
        <location line="+4"/>
        <location line="+60"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Type a name to replace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change all %1 records to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Category changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Missing data.  Each box must be filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Add this item to your Shopping List now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Enter a quantity for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::ProductView</name>
    <message>
        <location filename="../app/mainwindow/productview.cpp" line="+67"/>
        <location line="+4"/>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+168"/>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-166"/>
        <source>ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Product Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Product List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price of selected product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print product list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Product List (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Empty category.  List updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source> %1 selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::ShoppingListPanel</name>
    <message>
        <location filename="../app/mainwindow/shoppinglistpanel.cpp" line="+228"/>
        <source>Select an item!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/shoppinglist.cpp" line="-97"/>
        <location filename="../app/mainwindow/shoppinglistpanel.cpp" line="+0"/>
        <source>Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow/shoppinglistpanel.cpp" line="+8"/>
        <source>Enter a quantity...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/shoppinglist.cpp" line="+0"/>
        <source>Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-19"/>
        <source>The cost of %1, %2, is too large for the shopping list.  %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow/shoppinglistpanel.cpp" line="+26"/>
        <source>Enter a NEW quantity for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/shoppinglist.cpp" line="+61"/>
        <source>The item was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow/shoppinglistpanel.cpp" line="+8"/>
        <source>Modify the item information for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select an item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remove...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-247"/>
        <source>Add {F2} &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt; Remove </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>Shopping List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Shopping list caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Cost of selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erase shopping list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print shopping list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/core/listtext.cpp" line="+60"/>
        <source>%1 was changed by another program. Nothing more was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow/listclipboard.cpp" line="+37"/>
        <source>Copy list as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+17"/>
        <source>Paste items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The clipboard holds no lines that name a product.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1 item was added to the shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 items were added to the shopping list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These lines name no product of the product list:

%1

Make them new products (priced .00, under Miscellaneous) and add them to the shopping list?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::ShoppingTicks</name>
    <message>
        <location filename="../app/core/shoppingticks.cpp" line="+12"/>
        <source>Some ticked items stayed on the list: an item of the same name that is not ticked comes before each of them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pantrex::UndoCommand</name>
    <message>
        <location filename="../app/mainwindow/undocommand.cpp" line="+17"/>
        <source>The change was made, but it cannot be undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

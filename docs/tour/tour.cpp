// SPDX-License-Identifier: MIT
// Takes the user guide's pictures: runs Pantrex's own windows on a data folder, works them as a
// user does and photographs them. scripts/screenshots lays down the data and runs this under a
// virtual screen with a window manager.
//
//     pantrex_tour home FOLDER PICTURES     products, lists, stores, custom lists, printing, export
//     pantrex_tour office FOLDER PICTURES     the import on a second installation

#include "tourkit.h"

#include "mainwindow/mainwindow.h"
#include "mainwindow/programrun.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QTimer>

#include <cstdio>

namespace {

using namespace tour;

QAbstractItemView* view(QWidget* window, const char* name) {
    return control<QAbstractItemView>(window, QLatin1String(name));
}

QWidget* named(QWidget* window, const char* name) {
    return control(window, QLatin1String(name));
}

struct Product {
    const char* name;
    const char* price;
    const char* category;
    const char* quantity = nullptr; // put on the shopping list at once with this quantity
    bool highFat = false;
};

// Fills the product entry dialog; the last product is saved with "Save and return".
void enterProducts(QMainWindow& main, std::initializer_list<Product> products, const QString& picture = QString()) {
    click(named(&main, "addfoodcmd"));
    QWidget* entry = window(QStringLiteral("pantadd"));
    for (auto product = products.begin(); product != products.end(); ++product) {
        type(named(entry, "itemtxt"), QLatin1String(product->name));
        type(named(entry, "pricetxt"), QLatin1String(product->price));
        type(named(entry, "Combo1"), QLatin1String(product->category));
        auto* fat = control<QCheckBox>(entry, QStringLiteral("fatchk"));
        if (fat->isChecked() != product->highFat)
            click(fat);
        const bool last = product + 1 == products.end();
        if (last && !picture.isEmpty())
            shoot(picture, {&main, entry});
        if (product->quantity)
            expectBoxes({press(QStringLiteral("Yes")), answer(QLatin1String(product->quantity))});
        else
            expectBoxes({press(QStringLiteral("No"))});
        click(named(entry, last ? "savecmd" : "addmorecmd"));
    }
    settle();
}

void selectRows(QAbstractItemView* list, std::initializer_list<const char*> rows) {
    bool more = false;
    for (const char* row : rows) {
        clickRow(list, QLatin1String(row), more);
        more = true;
    }
}

void buildList(QMainWindow& main) {
    QAbstractItemView* products = view(&main, "List1");
    expectBoxes({answer(QStringLiteral("6"), QStringLiteral("quantity"), &main)});
    doubleClickRow(products, QStringLiteral("Apples"));
    selectRows(products, {"Bananas", "Whole Milk 2 L", "White Bread", "Coffee Beans"});
    click(named(&main, "foodoncmd"));
    shoot(QStringLiteral("shopping-list"), {&main});
}

// A second store: a list of its own with a product list of its own, then back to the first.
void addStore(QMainWindow& main) {
    chooseFromMenu(&main, QStringLiteral("filemenu"), QStringLiteral("newfilecmd"));
    QWidget* dialog = window(QStringLiteral("pantnew"));
    type(named(dialog, "fnametxt"), QStringLiteral("hardware"));
    shoot(QStringLiteral("new-list"), {&main, dialog});
    expectBoxes({press(QStringLiteral("Yes"), QStringLiteral("data-source"), &main), press(QStringLiteral("OK"))});
    click(named(dialog, "createcmd"));
    settle();
    enterProducts(main, {{"Light Bulbs, 4 pack", "6.99", "Lighting"},
                         {"Wood Screws, 100", "4.49", "Fasteners", "2"},
                         {"Duct Tape", "5.29", "Tools", "1"}});
    expectBoxes({[&main](QWidget* box) {
        if (!qobject_cast<QFileDialog*>(box))
            lost(QStringLiteral("the Open dialog was expected"));
        settle(500);
        clickRow(view(box, "treeView"), QStringLiteral("grocery.lst"));
        press(QStringLiteral("Open"), QStringLiteral("open-list"), &main)(box);
    }});
    chooseFromMenu(&main, QStringLiteral("filemenu"), QStringLiteral("openfilecmd"));
}

void useCustomLists(QMainWindow& main) {
    selectRows(view(&main, "List1"),
               {"Ground Beef 500 g", "Taco Shells", "Cheddar Cheese", "Salsa, medium", "Iceberg Lettuce", "Tomatoes"});
    expectBoxes(
        {answer(QStringLiteral("Taco Night"), QStringLiteral("custom-create"), &main), press(QStringLiteral("OK"))});
    chooseFromMenu(&main, QStringLiteral("recipemenu"), QStringLiteral("recmakecmd"), QStringLiteral("custom-menu"));

    chooseFromMenu(&main, QStringLiteral("recipemenu"), QStringLiteral("recgetcmd"));
    shoot(QStringLiteral("custom-choose"), {&main});
    expectBoxes({press(QStringLiteral("OK"))});
    clickRow(view(&main, "List3"), QStringLiteral("Taco Night"));
    settle();
    selectRows(view(&main, "List4"), {"Ground Beef 500 g", "Iceberg Lettuce", "Salsa, medium", "Taco Shells"});
    shoot(QStringLiteral("custom-get"), {&main});
    expectBoxes({press(QStringLiteral("Yes"))});
    click(named(&main, "recdelcmd"));
    settle();
}

// The order of the store's aisles, from the Printing window: the fruit and vegetables by the door,
// the drinks at the back.
void arrangeAisles(QWidget* printing) {
    expectBoxes({[printing](QWidget* dialog) {
        settle();
        QAbstractItemView* categories = view(dialog, "aislelist");
        clickRow(categories, QStringLiteral("Produce"));
        for (int i = 0; i < 7; ++i)
            click(named(dialog, "moveupcmd"));
        clickRow(categories, QStringLiteral("Beverages"));
        for (int i = 0; i < 5; ++i)
            click(named(dialog, "movedowncmd"));
        clickRow(categories, QStringLiteral("Meat"));
        shoot(QStringLiteral("aisle-order"), {dialog});
        click(named(dialog, "okcmd"));
    }});
    click(named(printing, "aislecmd"));
    settle();
}

void print(QMainWindow& main) {
    click(named(&main, "printlistcmd"));
    QWidget* dialog = window(QStringLiteral("pantprnt"));
    arrangeAisles(dialog);
    click(named(dialog, "category"));
    auto* separators = control<QCheckBox>(dialog, QStringLiteral("sepopt"));
    if (!separators->isChecked())
        click(separators);
    type(named(dialog, "notetxt_0"), QStringLiteral("Coupon for the coffee"));
    shoot(QStringLiteral("print-dialog"), {&main, dialog});
    click(named(dialog, "printcmd"));
    settle(1000);
}

void exportProducts(QMainWindow& main) {
    expectBoxes({press(QStringLiteral("Yes"), QStringLiteral("export"), &main),
                 press(QStringLiteral("OK"), QStringLiteral("export-drive"), &main), press(QStringLiteral("OK"))});
    chooseFromMenu(&main, QStringLiteral("mergemenu"), QStringLiteral("exportcmd"));
}

// The "Phone view" window once started: the page's address as a QR code and as text, and the list
// itself as a second QR code.
void showPhoneView(QMainWindow& main) {
    chooseFromMenu(&main, QStringLiteral("filemenu"), QStringLiteral("phoneviewcmd"));
    QWidget* phone = window(QStringLiteral("phoneview"));
    click(named(phone, "phonestart"));
    settle();
    shoot(QStringLiteral("phone-view"), {phone});
    click(named(phone, "phonestop"));
    phone->close();
    settle();
}

void home(QMainWindow& main) {
    enterProducts(main, {{"Salted Butter", "2.89", "Dairy", "1", true}}, QStringLiteral("add-product"));
    buildList(main);
    showPhoneView(main);
    addStore(main);
    useCustomLists(main);
    print(main);
    exportProducts(main);
}

void office(QMainWindow& main) {
    expectBoxes({press(QStringLiteral("Yes"), QStringLiteral("import"), &main)});
    chooseFromMenu(&main, QStringLiteral("mergemenu"), QStringLiteral("mergecmd"), QStringLiteral("import-menu"));
    shoot(QStringLiteral("imported"), {&main});
    chooseFromMenu(&main, QStringLiteral("editmenu"), QStringLiteral("undocmd"), QStringLiteral("undo"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString scene = arguments.value(1);
    if (arguments.size() != 4 || (scene != QLatin1String("home") && scene != QLatin1String("office"))) {
        std::fputs("usage: pantrex_tour home|office FOLDER PICTURES\n", stderr);
        return 2;
    }
    setShotsFolder(arguments.at(3));

    pantrex::ProgramRun run(arguments.at(2));
    if (!run.start())
        return 1;
    pantrex::MainWindow& window = run.window();
    QTimer::singleShot(1000, &window, [&window, scene] {
        expectBoxes({});
        settle();
        scene == QLatin1String("home") ? home(window) : office(window);
        if (!boxesDone())
            lost(QStringLiteral("a box that was expected never came"));
        click(named(&window, "quitcmd"));
    });
    return app.exec();
}

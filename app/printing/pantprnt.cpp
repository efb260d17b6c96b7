// SPDX-License-Identifier: MIT
#include "pantprnt.h"

#include "data/ansitext.h"
#include "data/filechannels.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "printing/printsettings.h"
#include "printing/printtext.h"
#include "printing/shoppingprintout.h"
#include "state/pantmod.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace pantrex {

namespace {

const QStringList FontSizes = {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                               QStringLiteral("18")};
const QString DefaultFontSize = QStringLiteral("12");
const QByteArray FlagSet = "1";

// Refuses, as it is typed, a character the settings and notes files cannot hold.
class CodePageText : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fromAnsi(toAnsi(input)) == input ? Acceptable : Invalid;
    }
};

QLineEdit* makeTextBox(const QString& objectName, const QString& accessibleName, int maximum, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    box->setMaxLength(maximum);
    box->setValidator(new CodePageText(box));
    return box;
}

template <typename Control> Control* makeControl(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* control = new Control(caption, parent);
    control->setObjectName(objectName);
    control->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return control;
}

QButtonGroup* pair(QRadioButton* first, QRadioButton* second, QObject* parent) {
    auto* group = new QButtonGroup(parent);
    group->addButton(first);
    group->addButton(second);
    return group;
}

// Switches one option of a pair on, or (nullptr) both off, as the saved flags may leave them.
void switchOn(QButtonGroup* group, QAbstractButton* option) {
    if (option) {
        option->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

bool flag(const Record& record, Field field) {
    return !record.text(field).isEmpty();
}

QByteArray flagText(bool on) {
    return on ? FlagSet : QByteArray(" ");
}

} // namespace

pantprnt::pantprnt(PANTMOD& pantmod, Dialogs& dialogs, LinePrinter& printer, QWidget* mainWindow)
    : QDialog(mainWindow), m_pantmod(pantmod), m_dialogs(dialogs), m_printer(printer), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantprnt"));
    setWindowTitle(tr("Printing"));
    setModal(false);
    buildControls();
    buildLayout();
    connectControls();
}

void pantprnt::buildControls() {
    Label1 = makeControl<QLabel>(QStringLiteral("Label1"), tr("Font size"), this);
    fontsizetxt = makeTextBox(QStringLiteral("fontsizetxt"), tr("Font size"), 2, this);
    fontsizetxt->setText(DefaultFontSize);
    Label1->setBuddy(fontsizetxt);
    fontdowncmd = new HoverButton(QStringLiteral("fontdowncmd"), tr("<"), this);
    fontdowncmd->setAccessibleName(tr("Smaller font size"));
    fontupcmd = new HoverButton(QStringLiteral("fontupcmd"), tr(">"), this);
    fontupcmd->setAccessibleName(tr("Larger font size"));
    regular = makeControl<QRadioButton>(QStringLiteral("regular"), tr("Regular"), this);
    bold = makeControl<QRadioButton>(QStringLiteral("bold"), tr("Bold"), this);
    Label2 = makeControl<QLabel>(QStringLiteral("Label2"), tr("Sort list..."), this);
    alpha = makeControl<QRadioButton>(QStringLiteral("alpha"), tr("Alphabetically"), this);
    category = makeControl<QRadioButton>(QStringLiteral("category"), tr("By category.....("), this);
    sepopt = makeControl<QCheckBox>(QStringLiteral("sepopt"), tr("Print separators)"), this);
    price = makeControl<QRadioButton>(QStringLiteral("price"), tr("Print unit price for each item"), this);
    noprice = makeControl<QRadioButton>(QStringLiteral("noprice"), tr("No prices"), this);
    Label3 = makeControl<QLabel>(QStringLiteral("Label3"), tr("Add note(s) to your list..."), this);
    for (int i = 0; i < 3; ++i) {
        noteLabels[i] = makeControl<QLabel>(QStringLiteral("Label%1").arg(4 + i), tr("%1. ").arg(i + 1), this);
        notetxt[i] = makeTextBox(QStringLiteral("notetxt_%1").arg(i), tr("Note %1").arg(i + 1), 60, this);
        noteLabels[i]->setBuddy(notetxt[i]);
    }
    clearcmd = new HoverButton(QStringLiteral("clearcmd"), tr("Clear"), this);
    tipcmd = new HoverButton(QStringLiteral("tipcmd"), tr("Tip"), this);
    cancelcmd = new HoverButton(QStringLiteral("cancelcmd"), tr("Not yet"), this);
    printcmd = new HoverButton(QStringLiteral("printcmd"), tr("&Print"), this);

    m_weight = pair(regular, bold, this);
    m_order = pair(alpha, category, this);
    m_prices = pair(price, noprice, this);
}

void pantprnt::buildLayout() {
    auto* size = new QHBoxLayout;
    size->addWidget(Label1);
    size->addWidget(fontdowncmd);
    size->addWidget(fontsizetxt);
    size->addWidget(fontupcmd);
    size->addSpacing(16);
    size->addWidget(regular);
    size->addWidget(bold);
    size->addStretch(1);
    fontsizetxt->setMaximumWidth(fontsizetxt->fontMetrics().horizontalAdvance(QStringLiteral("8888")) + 12);
    for (HoverButton* step : {fontdowncmd, fontupcmd})
        step->setMaximumWidth(step->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 16);

    // "By category.....(" and "Print separators)" read on as one caption.
    auto* order = new QHBoxLayout;
    order->setSpacing(0);
    order->addWidget(alpha);
    order->addSpacing(16);
    order->addWidget(category);
    order->addWidget(sepopt);
    order->addStretch(1);

    auto* prices = new QHBoxLayout;
    prices->addWidget(price);
    prices->addSpacing(16);
    prices->addWidget(noprice);
    prices->addStretch(1);

    auto* notes = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        notes->addWidget(noteLabels[i], i, 0);
        notes->addWidget(notetxt[i], i, 1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearcmd);
    buttons->addWidget(tipcmd);
    buttons->addStretch(1);
    buttons->addWidget(cancelcmd);
    buttons->addWidget(printcmd);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(size);
    layout->addWidget(Label2);
    layout->addLayout(order);
    layout->addLayout(prices);
    layout->addSpacing(8);
    layout->addWidget(Label3);
    layout->addLayout(notes);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(480, sizeHint().height());
}

void pantprnt::connectControls() {
    connect(fontdowncmd, &QPushButton::clicked, this, [this] { stepFontSize(-1); });
    connect(fontupcmd, &QPushButton::clicked, this, [this] { stepFontSize(1); });
    // The size box shows the weight that will be printed.
    connect(bold, &QRadioButton::toggled, this, [this](bool on) {
        QFont font = fontsizetxt->font();
        font.setBold(on);
        fontsizetxt->setFont(font);
    });
    // Separators only exist in the grouped printout.
    connect(alpha, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            sepopt->setChecked(false);
    });
    connect(sepopt, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            category->setChecked(true);
    });
    connect(clearcmd, &QPushButton::clicked, this, [this] {
        for (QLineEdit* note : notetxt)
            note->clear();
    });
    connect(tipcmd, &QPushButton::clicked, this, &pantprnt::tipcmdClick);
    connect(cancelcmd, &QPushButton::clicked, this, &pantprnt::cancelcmdClick);
    connect(printcmd, &QPushButton::clicked, this, &pantprnt::printcmdClick);
}

void pantprnt::showDialog() {
    show();
    if (!m_loaded) {
        m_loaded = true;
        loadChoices();
    }
    raise();
    activateWindow();
}

// The choices and notes of the last time. Options are switched in the order of the record, each
// with what clicking it does, so that odd combinations of flags settle as they always have.
void pantprnt::loadChoices() {
    fontsizetxt->setText(DefaultFontSize);
    QString error;
    if (m_pantmod.printdone == 0) {
        const QStringList notes = readPrintNotes(m_pantmod.session.files(), &error);
        for (int i = 0; i < 3; ++i)
            notetxt[i]->setText(notes.value(i));
    }
    const Record settings = readPrintSettings(m_pantmod.session.files(), &error);
    if (!error.isEmpty())
        showFileError(m_dialogs, error);
    const QString size = fromAnsi(settings.text(PrintSettingsRecord::FontSize));
    fontsizetxt->setText(size.isEmpty() ? DefaultFontSize : size);

    const bool boldFlag = flag(settings, PrintSettingsRecord::Bold);
    switchOn(m_weight, boldFlag ? bold : flag(settings, PrintSettingsRecord::Regular) ? regular : nullptr);
    const bool byCategory = flag(settings, PrintSettingsRecord::ByCategory);
    switchOn(m_order, byCategory ? category : flag(settings, PrintSettingsRecord::Alphabetical) ? alpha : nullptr);
    sepopt->setChecked(flag(settings, PrintSettingsRecord::Separators));
    switchOn(m_prices, flag(settings, PrintSettingsRecord::UnitPrices) ? price : nullptr);
    applyDefaults();

    for (QLineEdit* note : notetxt) {
        if (blankTrimmed(note->text()).isEmpty()) {
            note->setFocus();
            return;
        }
    }
    notetxt[0]->setFocus();
}

void pantprnt::applyDefaults() {
    if (!m_weight->checkedButton())
        regular->setChecked(true);
    if (!m_order->checkedButton())
        alpha->setChecked(true);
    if (!m_prices->checkedButton())
        noprice->setChecked(true);
    if (fontsizetxt->text().trimmed().isEmpty())
        fontsizetxt->setText(DefaultFontSize);
}

bool pantprnt::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_loaded)
        applyDefaults();
    return QDialog::event(event);
}

// The sizes go round: one step down from the smallest is the largest. Other text stays; the box
// then shows its text two points smaller than it prints.
void pantprnt::stepFontSize(int step) {
    const qsizetype at = FontSizes.indexOf(fontsizetxt->text());
    if (at >= 0)
        fontsizetxt->setText(FontSizes.at((at + step + FontSizes.size()) % FontSizes.size()));
    QFont preview = fontsizetxt->font();
    preview.setPointSizeF(printFontSize(fontsizetxt->text()) - 2);
    fontsizetxt->setFont(preview);
}

void pantprnt::savenotes() {
    QStringList notes;
    for (const QLineEdit* note : notetxt)
        notes.append(note->text());
    if (const std::optional<QString> error = writePrintNotes(m_pantmod.session.files(), notes))
        showFileError(m_dialogs, *error);
}

void pantprnt::saveparameters() {
    Record settings = readPrintSettings(m_pantmod.session.files());
    settings.set(PrintSettingsRecord::FontSize, toAnsi(fontsizetxt->text()));
    settings.set(PrintSettingsRecord::Regular, flagText(regular->isChecked()));
    settings.set(PrintSettingsRecord::Bold, flagText(bold->isChecked()));
    settings.set(PrintSettingsRecord::Alphabetical, flagText(alpha->isChecked()));
    settings.set(PrintSettingsRecord::ByCategory, flagText(category->isChecked()));
    settings.set(PrintSettingsRecord::Separators, flagText(sepopt->isChecked() && category->isChecked()));
    settings.set(PrintSettingsRecord::UnitPrices, flagText(price->isChecked()));
    if (const std::optional<QString> error = writePrintSettings(m_pantmod.session.files(), settings))
        showFileError(m_dialogs, *error);
}

void pantprnt::tipcmdClick() {
    Dialogs::Message box;
    box.text = tr("Add notes here as you think of them.  Click \"Not yet\" to return to shopping list.\n"
                  "Be sure to clear old notes if you do not wish them to appear on your shopping list!");
    box.title = QString();
    m_dialogs.message(box);
}

// Saving goes first, so that a failed save is told before the dialog goes; the dialog keeps its
// state for the run either way.
void pantprnt::cancelcmdClick() {
    savenotes();
    saveparameters();
    returnToMainWindow();
}

void pantprnt::printcmdClick() {
    savenotes();
    saveparameters();
    ShoppingPrintChoices choices;
    choices.fontSize = fontsizetxt->text();
    choices.bold = bold->isChecked();
    choices.byCategory = category->isChecked();
    choices.separators = sepopt->isChecked();
    choices.unitPrices = price->isChecked();
    for (const QLineEdit* note : notetxt)
        choices.notes.append(note->text());
    // A printout that did not reach the printer leaves the dialog open to try again.
    if (printShoppingList(m_pantmod, m_dialogs, m_printer, choices))
        returnToMainWindow();
}

void pantprnt::returnToMainWindow() {
    hide();
    if (m_mainWindow)
        m_mainWindow->activateWindow();
}

void pantprnt::reject() {
    cancelcmdClick();
}

} // namespace pantrex

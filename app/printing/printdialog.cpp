// SPDX-License-Identifier: MIT
#include "printdialog.h"

#include "core/entrytext.h"
#include "core/printsettings.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"
#include "printing/aisleorderdialog.h"
#include "printing/printtext.h"
#include "printing/shoppingprintout.h"

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

} // namespace

PrintDialog::PrintDialog(Session& session, Dialogs& dialogs, LinePrinter& printer, QWidget* mainWindow)
    : QDialog(mainWindow), m_session(session), m_dialogs(dialogs), m_printer(printer), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantprnt"));
    setWindowTitle(tr("Printing"));
    setModal(false);
    buildControls();
    buildLayout();
    connectControls();
}

void PrintDialog::buildControls() {
    m_fontSizeLabel = makeControl<QLabel>(QStringLiteral("Label1"), tr("Font size"), this);
    m_fontSizeBox = makeTextBox(QStringLiteral("fontsizetxt"), tr("Font size"), 2, this);
    m_fontSizeBox->setText(DefaultFontSize);
    m_fontSizeLabel->setBuddy(m_fontSizeBox);
    m_smallerButton = new HoverButton(QStringLiteral("fontdowncmd"), tr("<"), this);
    m_smallerButton->setAccessibleName(tr("Smaller font size"));
    m_largerButton = new HoverButton(QStringLiteral("fontupcmd"), tr(">"), this);
    m_largerButton->setAccessibleName(tr("Larger font size"));
    m_regularOption = makeControl<QRadioButton>(QStringLiteral("regular"), tr("Regular"), this);
    m_boldOption = makeControl<QRadioButton>(QStringLiteral("bold"), tr("Bold"), this);
    m_orderLabel = makeControl<QLabel>(QStringLiteral("Label2"), tr("Sort list..."), this);
    m_alphabeticalOption = makeControl<QRadioButton>(QStringLiteral("alpha"), tr("Alphabetically"), this);
    m_categoryOption = makeControl<QRadioButton>(QStringLiteral("category"), tr("By category.....("), this);
    m_separatorsBox = makeControl<QCheckBox>(QStringLiteral("sepopt"), tr("Print separators)"), this);
    m_pricesOption = makeControl<QRadioButton>(QStringLiteral("price"), tr("Print unit price for each item"), this);
    m_noPricesOption = makeControl<QRadioButton>(QStringLiteral("noprice"), tr("No prices"), this);
    m_notesLabel = makeControl<QLabel>(QStringLiteral("Label3"), tr("Add note(s) to your list..."), this);
    for (int i = 0; i < 3; ++i) {
        m_noteLabels[i] = makeControl<QLabel>(QStringLiteral("Label%1").arg(4 + i), tr("%1. ").arg(i + 1), this);
        m_noteBoxes[i] = makeTextBox(QStringLiteral("notetxt_%1").arg(i), tr("Note %1").arg(i + 1), 60, this);
        m_noteLabels[i]->setBuddy(m_noteBoxes[i]);
    }
    m_clearButton = new HoverButton(QStringLiteral("clearcmd"), tr("Clear"), this);
    m_tipButton = new HoverButton(QStringLiteral("tipcmd"), tr("Tip"), this);
    m_aisleButton = new HoverButton(QStringLiteral("aislecmd"), tr("Aisle order..."), this);
    m_notYetButton = new HoverButton(QStringLiteral("cancelcmd"), tr("Not yet"), this);
    m_printButton = new HoverButton(QStringLiteral("printcmd"), tr("&Print"), this);

    m_weight = pair(m_regularOption, m_boldOption, this);
    m_order = pair(m_alphabeticalOption, m_categoryOption, this);
    m_prices = pair(m_pricesOption, m_noPricesOption, this);
}

void PrintDialog::buildLayout() {
    auto* size = new QHBoxLayout;
    size->addWidget(m_fontSizeLabel);
    size->addWidget(m_smallerButton);
    size->addWidget(m_fontSizeBox);
    size->addWidget(m_largerButton);
    size->addSpacing(16);
    size->addWidget(m_regularOption);
    size->addWidget(m_boldOption);
    size->addStretch(1);
    m_fontSizeBox->setMaximumWidth(m_fontSizeBox->fontMetrics().horizontalAdvance(QStringLiteral("8888")) + 12);
    for (HoverButton* step : {m_smallerButton, m_largerButton})
        step->setMaximumWidth(step->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 16);

    // "By category.....(" and "Print separators)" read on as one caption.
    auto* order = new QHBoxLayout;
    order->setSpacing(0);
    order->addWidget(m_alphabeticalOption);
    order->addSpacing(16);
    order->addWidget(m_categoryOption);
    order->addWidget(m_separatorsBox);
    order->addStretch(1);

    auto* prices = new QHBoxLayout;
    prices->addWidget(m_pricesOption);
    prices->addSpacing(16);
    prices->addWidget(m_noPricesOption);
    prices->addStretch(1);

    auto* notes = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        notes->addWidget(m_noteLabels[i], i, 0);
        notes->addWidget(m_noteBoxes[i], i, 1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_clearButton);
    buttons->addWidget(m_tipButton);
    buttons->addWidget(m_aisleButton);
    buttons->addStretch(1);
    buttons->addWidget(m_notYetButton);
    buttons->addWidget(m_printButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(size);
    layout->addWidget(m_orderLabel);
    layout->addLayout(order);
    layout->addLayout(prices);
    layout->addSpacing(8);
    layout->addWidget(m_notesLabel);
    layout->addLayout(notes);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(480, sizeHint().height());
}

void PrintDialog::connectControls() {
    connect(m_smallerButton, &QPushButton::clicked, this, [this] { stepFontSize(-1); });
    connect(m_largerButton, &QPushButton::clicked, this, [this] { stepFontSize(1); });
    // The size box shows the weight that will be printed.
    connect(m_boldOption, &QRadioButton::toggled, this, [this](bool on) {
        QFont font = m_fontSizeBox->font();
        font.setBold(on);
        m_fontSizeBox->setFont(font);
    });
    // Separators only exist in the grouped printout.
    connect(m_alphabeticalOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_separatorsBox->setChecked(false);
    });
    connect(m_separatorsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_categoryOption->setChecked(true);
    });
    connect(m_clearButton, &QPushButton::clicked, this, [this] {
        for (QLineEdit* note : m_noteBoxes)
            note->clear();
    });
    connect(m_tipButton, &QPushButton::clicked, this, &PrintDialog::showTip);
    connect(m_aisleButton, &QPushButton::clicked, this,
            [this] { AisleOrderDialog::openOver(m_session, m_dialogs, this); });
    connect(m_notYetButton, &QPushButton::clicked, this, &PrintDialog::notYet);
    connect(m_printButton, &QPushButton::clicked, this, &PrintDialog::printList);
}

void PrintDialog::showDialog() {
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
void PrintDialog::loadChoices() {
    m_fontSizeBox->setText(DefaultFontSize);
    const StoredPrintChoices stored = readPrintChoices(m_session.files());
    for (int i = 0; i < 3; ++i)
        m_noteBoxes[i]->setText(stored.notes.value(i));
    if (stored.notice)
        report(m_dialogs, *stored.notice);
    const PrintChoices& choices = stored.choices;
    m_fontSizeBox->setText(choices.fontSize.isEmpty() ? DefaultFontSize : choices.fontSize);

    switchOn(m_weight, choices.bold ? m_boldOption : choices.regular ? m_regularOption : nullptr);
    switchOn(m_order, choices.byCategory ? m_categoryOption : choices.alphabetical ? m_alphabeticalOption : nullptr);
    m_separatorsBox->setChecked(choices.separators);
    switchOn(m_prices, choices.unitPrices ? m_pricesOption : nullptr);
    applyDefaults();

    for (QLineEdit* note : m_noteBoxes) {
        if (trimBlanks(note->text()).isEmpty()) {
            note->setFocus();
            return;
        }
    }
    m_noteBoxes[0]->setFocus();
}

void PrintDialog::applyDefaults() {
    if (!m_weight->checkedButton())
        m_regularOption->setChecked(true);
    if (!m_order->checkedButton())
        m_alphabeticalOption->setChecked(true);
    if (!m_prices->checkedButton())
        m_noPricesOption->setChecked(true);
    if (m_fontSizeBox->text().trimmed().isEmpty())
        m_fontSizeBox->setText(DefaultFontSize);
}

bool PrintDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_loaded)
        applyDefaults();
    return QDialog::event(event);
}

// The sizes go round: one step down from the smallest is the largest. Other text stays; the box
// then shows its text two points smaller than it prints.
void PrintDialog::stepFontSize(int step) {
    const qsizetype at = FontSizes.indexOf(m_fontSizeBox->text());
    if (at >= 0)
        m_fontSizeBox->setText(FontSizes.at((at + step + FontSizes.size()) % FontSizes.size()));
    QFont preview = m_fontSizeBox->font();
    preview.setPointSizeF(printFontSize(m_fontSizeBox->text()) - 2);
    m_fontSizeBox->setFont(preview);
}

void PrintDialog::saveNotes() {
    QStringList notes;
    for (const QLineEdit* note : m_noteBoxes)
        notes.append(note->text());
    if (const std::optional<Notice> failure = writePrintNotes(m_session.files(), notes))
        report(m_dialogs, *failure);
}

void PrintDialog::saveChoices() {
    PrintChoices choices;
    choices.fontSize = m_fontSizeBox->text();
    choices.regular = m_regularOption->isChecked();
    choices.bold = m_boldOption->isChecked();
    choices.alphabetical = m_alphabeticalOption->isChecked();
    choices.byCategory = m_categoryOption->isChecked();
    choices.separators = m_separatorsBox->isChecked() && m_categoryOption->isChecked();
    choices.unitPrices = m_pricesOption->isChecked();
    if (const std::optional<Notice> failure = writePrintChoices(m_session.files(), choices))
        report(m_dialogs, *failure);
}

void PrintDialog::showTip() {
    Dialogs::Message box;
    box.text = tr("Add notes here as you think of them.  Click \"Not yet\" to return to shopping list.\n"
                  "Be sure to clear old notes if you do not wish them to appear on your shopping list!");
    box.title = QString();
    m_dialogs.message(box);
}

// Saving goes first, so that a failed save is told before the dialog goes; the dialog keeps its
// state for the run either way.
void PrintDialog::notYet() {
    saveNotes();
    saveChoices();
    returnToMainWindow();
}

void PrintDialog::printList() {
    saveNotes();
    saveChoices();
    ShoppingPrintChoices choices;
    choices.fontSize = m_fontSizeBox->text();
    choices.bold = m_boldOption->isChecked();
    choices.byCategory = m_categoryOption->isChecked();
    choices.separators = m_separatorsBox->isChecked();
    choices.unitPrices = m_pricesOption->isChecked();
    for (const QLineEdit* note : m_noteBoxes)
        choices.notes.append(note->text());
    // A printout that did not reach the printer leaves the dialog open to try again.
    if (printShoppingList(m_session, m_dialogs, m_printer, choices))
        returnToMainWindow();
}

void PrintDialog::returnToMainWindow() {
    hide();
    if (m_mainWindow)
        m_mainWindow->activateWindow();
}

void PrintDialog::reject() {
    notYet();
}

} // namespace pantrex

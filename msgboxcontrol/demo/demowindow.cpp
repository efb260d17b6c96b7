// SPDX-License-Identifier: MIT
#include "demowindow.h"

#include "colourfield.h"

#include "notiva/msgbox.h"
#include "notiva/propertybag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Notiva;
using namespace Qt::StringLiterals;

namespace {

template <typename Enum> void addEnumItems(QComboBox* combo, bool withIcons = false) {
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        const int value = meta.value(i);
        const QString text = u"%1  %2"_s.arg(value).arg(QString::fromLatin1(meta.key(i)));
        if (withIcons)
            combo->addItem(QIcon(MsgBox::Picture(value)), text, value);
        else
            combo->addItem(text, value);
    }
}

QString describeFont(const QFont& font) {
    return u"%1, %2 pt"_s.arg(font.family()).arg(font.pointSizeF());
}

QString describeAnswer(int answer) {
    const char* name = QMetaEnum::fromType<MessageResponseConstants>().valueToKey(answer);
    return DemoWindow::tr("Show returned %1 (%2)").arg(answer).arg(QString::fromLatin1(name ? name : "?"));
}

} // namespace

DemoWindow::DemoWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Notiva demo"));
    m_control = new MsgBox(this);

    auto* panels = new QHBoxLayout;
    panels->addWidget(BuildPropertiesPanel());
    panels->addWidget(BuildShowPanel(), 1);

    auto* show = new QPushButton(tr("&Show"), this);
    show->setDefault(true);
    connect(show, &QPushButton::clicked, this, &DemoWindow::ShowBox);
    m_result = new QLabel(tr("No box shown yet"), this);
    m_result->setObjectName(u"result"_s);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(show);
    bottom->addWidget(m_result, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addLayout(bottom);

    connect(m_control, &MsgBox::PropertyChanged, this, &DemoWindow::ShowSavedProperties);
    ShowSavedProperties();
}

QWidget* DemoWindow::BuildPropertiesPanel() {
    auto* panel = new QGroupBox(tr("MsgBox properties"), this);
    auto* form = new QFormLayout(panel);
    form->addRow(tr("Control:"), m_control);

    m_backColor = AddColourRow(form, u"BackColor"_s, m_control->BackColor(), &MsgBox::setBackColor);
    m_foreColor = AddColourRow(form, u"ForeColor"_s, m_control->ForeColor(), &MsgBox::setForeColor);
    m_gradientEndColor =
        AddColourRow(form, u"GradientEndColor"_s, m_control->GradientEndColor(), &MsgBox::setGradientEndColor);

    m_font = new QPushButton(describeFont(m_control->Font()), panel);
    m_font->setAccessibleName(u"Font"_s);
    connect(m_font, &QPushButton::clicked, this, &DemoWindow::ChooseFont);
    form->addRow(u"Font:"_s, m_font);

    m_shadow = new QCheckBox(u"Shadow"_s, panel);
    connect(m_shadow, &QCheckBox::toggled, m_control, &MsgBox::setShadow);
    m_gradient = new QCheckBox(u"Gradient"_s, panel);
    connect(m_gradient, &QCheckBox::toggled, m_control, &MsgBox::setGradient);
    form->addRow(QString(), m_shadow);
    form->addRow(QString(), m_gradient);

    m_saved = new QLabel(panel);
    m_saved->setObjectName(u"saved"_s);
    form->addRow(tr("Saved with the form:"), m_saved);
    return panel;
}

ColourField* DemoWindow::AddColourRow(QFormLayout* form, const QString& name, uint value,
                                      void (MsgBox::*setter)(uint)) {
    auto* field = new ColourField(name, form->parentWidget());
    field->SetValue(value);
    connect(field, &ColourField::ValueChanged, m_control, setter);
    form->addRow(name + u':', field);
    return field;
}

QWidget* DemoWindow::BuildShowPanel() {
    auto* panel = new QGroupBox(tr("Show arguments"), this);
    auto* form = new QFormLayout(panel);

    m_message = new QPlainTextEdit(tr("Do you want to keep the changes to your shopping list?"), panel);
    m_message->setAccessibleName(u"MessageText"_s);
    m_message->setTabChangesFocus(true);
    form->addRow(u"MessageText:"_s, m_message);

    m_title = new QLineEdit(tr("Shopping list"), panel);
    m_title->setAccessibleName(u"MessageTitle"_s);
    form->addRow(u"MessageTitle:"_s, m_title);

    m_buttonGroup = new QComboBox(panel);
    m_buttonGroup->setAccessibleName(u"ButtonGroup"_s);
    addEnumItems<ButtonGroupConstants>(m_buttonGroup);
    // One value outside the groups, to see how Show refuses it.
    m_buttonGroup->addItem(tr("16  (not a group: refused)"), 16);
    m_buttonGroup->setCurrentIndex(btnYesNoCancel);
    form->addRow(u"ButtonGroup:"_s, m_buttonGroup);

    m_icon = new QComboBox(panel);
    m_icon->setAccessibleName(u"Icon"_s);
    addEnumItems<IconConstants>(m_icon, true);
    m_icon->setCurrentIndex(icnQuestion1);
    form->addRow(u"Icon:"_s, m_icon);

    m_alignment = new QComboBox(panel);
    m_alignment->setAccessibleName(u"Alignment"_s);
    addEnumItems<AlignmentConstants>(m_alignment);
    form->addRow(u"Alignment:"_s, m_alignment);

    m_closeButton = new QCheckBox(u"CloseButton"_s, panel);
    form->addRow(QString(), m_closeButton);
    return panel;
}

void DemoWindow::ChooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_control->Font(), this, tr("MsgBox font"));
    if (!ok)
        return;
    m_control->setFontObject(font);
    m_font->setText(describeFont(font));
}

void DemoWindow::ShowBox() {
    const int answer =
        m_control->Show(m_message->toPlainText(), m_buttonGroup->currentData().toInt(), m_title->text(),
                        m_icon->currentData().toInt(), m_alignment->currentData().toInt(), m_closeButton->isChecked());
    m_result->setText(describeAnswer(answer));
}

void DemoWindow::ShowSavedProperties() {
    MemoryPropertyBag bag;
    m_control->WriteProperties(bag);
    QStringList entries;
    for (const QString& name : bag.Names()) {
        const QVariant value = bag.ReadProperty(name);
        QString text;
        if (value.metaType() == QMetaType::fromType<QFont>())
            text = describeFont(value.value<QFont>());
        else if (value.metaType() == QMetaType::fromType<uint>())
            text = u"%1"_s.arg(value.toUInt(), 8, 16, QLatin1Char('0')).toUpper();
        else
            text = value.toString();
        entries.append(name + u" = "_s + text);
    }
    m_saved->setText(entries.isEmpty() ? tr("nothing (all defaults)") : entries.join(u'\n'));
}

// SPDX-License-Identifier: MIT
#include "aboutdialog.h"

#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/windowsfonts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pantrex {

namespace {

// Where "Obtain upgrades, report bugs at..." points. Pantrex has no web site yet, so this is the
// user guide that comes with the program; a web address can take its place here.
const QString UpgradeLink = QStringLiteral("docs/user-guide.md");

QLabel* makeLabel(const QString& objectName, const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFont namedFont(const QString& family, int points, bool bold = false) {
    QFont font(family);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

AboutDialog::AboutDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), m_dialogs(dialogs) {
    mapWindowsFonts();
    setObjectName(QStringLiteral("pantabt"));
    setWindowTitle(tr("About Pantrex"));
    setModal(false);
    m_nameLabel = makeLabel(QStringLiteral("Label1_0"), tr("Pantrex Shopping List Utility"),
                            namedFont(QStringLiteral("Comic Sans MS"), 16, true), this);
    m_versionLabel = makeLabel(QStringLiteral("Label1_1"), tr(" Version %1").arg(QStringLiteral(PANTREX_VERSION)),
                               namedFont(QStringLiteral("Times New Roman"), 12), this);
    m_linkCaption = makeLabel(QStringLiteral("Label1_2"), tr("Obtain upgrades, report bugs at..."),
                              namedFont(QStringLiteral("Times New Roman"), 12), this);
    m_licenceLabel = makeLabel(QStringLiteral("licencelbl"), tr("Released under the MIT licence."),
                               namedFont(QStringLiteral("Times New Roman"), 10), this);
    m_link = new QLabel(this);
    m_link->setObjectName(QStringLiteral("weblink"));
    m_link->setFont(namedFont(QStringLiteral("Times New Roman"), 12));
    m_link->setTextFormat(Qt::RichText);
    m_link->setText(QStringLiteral("<a href=\"link\">%1</a>").arg(UpgradeLink.toHtmlEscaped()));
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_link->setFocusPolicy(Qt::StrongFocus);
    m_link->setToolTip(tr("Go to Pantrex website"));
    m_link->setAccessibleName(UpgradeLink);
    m_link->setAccessibleDescription(m_link->toolTip());
    m_okButton = new HoverButton(QStringLiteral("Command1"), tr("OK"), this);
    m_okButton->setDefault(true);

    auto* link = new QHBoxLayout;
    link->addWidget(m_linkCaption);
    link->addWidget(m_link);
    link->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_nameLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_versionLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_licenceLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addLayout(link);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_link, &QLabel::linkActivated, this, &AboutDialog::openLink);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::hide);
}

QUrl AboutDialog::linkTarget() {
    const QUrl address(UpgradeLink);
    if (!address.scheme().isEmpty())
        return address;
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(PANTREX_DOCS_FROM_PROGRAM "/") + UpgradeLink);
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath());
    return QUrl::fromLocalFile(QDir(QStringLiteral(PANTREX_SOURCE_DIR)).filePath(UpgradeLink));
}

void AboutDialog::openLink() {
    const QUrl target = linkTarget();
    const bool there = !target.isLocalFile() || QFileInfo::exists(target.toLocalFile());
    if (there && QDesktopServices::openUrl(target))
        return;
    Dialogs::Message box;
    box.text = tr("Could not open %1").arg(target.toDisplayString());
    box.icon = Dialogs::Icon::Exclamation;
    m_dialogs.message(box);
}

} // namespace pantrex

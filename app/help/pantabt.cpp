// SPDX-License-Identifier: MIT
#include "pantabt.h"

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

pantabt::pantabt(Dialogs& dialogs, QWidget* parent) : QDialog(parent), m_dialogs(dialogs) {
    mapWindowsFonts();
    setObjectName(QStringLiteral("pantabt"));
    setWindowTitle(tr("About Pantrex"));
    setModal(false);
    Label1 = {
        makeLabel(QStringLiteral("Label1_0"), tr("Pantrex Shopping List Utility"),
                  namedFont(QStringLiteral("Comic Sans MS"), 16, true), this),
        makeLabel(QStringLiteral("Label1_1"), tr(" Version %1").arg(QStringLiteral(PANTREX_VERSION)),
                  namedFont(QStringLiteral("Times New Roman"), 12), this),
        makeLabel(QStringLiteral("Label1_2"), tr("Obtain upgrades, report bugs at..."),
                  namedFont(QStringLiteral("Times New Roman"), 12), this),
    };
    licencelbl = makeLabel(QStringLiteral("licencelbl"), tr("Released under the MIT licence."),
                           namedFont(QStringLiteral("Times New Roman"), 10), this);
    weblink = new QLabel(this);
    weblink->setObjectName(QStringLiteral("weblink"));
    weblink->setFont(namedFont(QStringLiteral("Times New Roman"), 12));
    weblink->setTextFormat(Qt::RichText);
    weblink->setText(QStringLiteral("<a href=\"link\">%1</a>").arg(UpgradeLink.toHtmlEscaped()));
    weblink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    weblink->setFocusPolicy(Qt::StrongFocus);
    weblink->setToolTip(tr("Go to Pantrex website"));
    weblink->setAccessibleName(UpgradeLink);
    weblink->setAccessibleDescription(weblink->toolTip());
    Command1 = new HoverButton(QStringLiteral("Command1"), tr("OK"), this);
    Command1->setDefault(true);

    auto* link = new QHBoxLayout;
    link->addWidget(Label1[2]);
    link->addWidget(weblink);
    link->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1[0], 0, Qt::AlignHCenter);
    layout->addWidget(Label1[1], 0, Qt::AlignHCenter);
    layout->addWidget(licencelbl, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addLayout(link);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(weblink, &QLabel::linkActivated, this, &pantabt::openLink);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}

QUrl pantabt::linkTarget() {
    const QUrl address(UpgradeLink);
    if (!address.scheme().isEmpty())
        return address;
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(PANTREX_DOCS_FROM_PROGRAM "/") + UpgradeLink);
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath());
    return QUrl::fromLocalFile(QDir(QStringLiteral(PANTREX_SOURCE_DIR)).filePath(UpgradeLink));
}

void pantabt::openLink() {
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

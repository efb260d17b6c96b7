// SPDX-License-Identifier: MIT
#include "panthelp.h"

#include "help/helptopics.h"
#include "platform/hoverbutton.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pantrex {

panthelp::panthelp(int topic, Dialogs& dialogs, LinePrinter& printer, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("panthelp"));
    setWindowTitle(tr("Help"));
    setModal(false);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Help topic"));
    QPalette colours = List1->palette();
    colours.setColor(QPalette::Base, QColor(192, 255, 255));
    colours.setColor(QPalette::Text, Qt::black);
    List1->setPalette(colours);
    if (topic == 2) {
        QFont small = List1->font();
        small.setPointSize(9);
        List1->setFont(small);
    }
    List1->addItems(helpTopicRows(topic));
    printcmd = new HoverButton(QStringLiteral("printcmd"), tr("Print"), this);
    quitcmd = new HoverButton(QStringLiteral("quitcmd"), tr("Quit"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printcmd);
    buttons->addWidget(quitcmd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);

    // Wide enough for the longest row where the screen allows.
    const int rowsWidth = List1->sizeHintForColumn(0) + 2 * List1->frameWidth() +
                          List1->verticalScrollBar()->sizeHint().width() + layout->contentsMargins().left() +
                          layout->contentsMargins().right() + 8;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() - 40 : 1000;
    resize(std::min(rowsWidth, available), 480);

    connect(printcmd, &QPushButton::clicked, this, &panthelp::printcmdClick);
    connect(quitcmd, &QPushButton::clicked, this, &QWidget::hide);
}

void panthelp::printcmdClick() {
    QStringList rows;
    for (int row = 0; row < List1->count(); ++row)
        rows.append(List1->item(row)->text());
    printHelpTopic(m_dialogs, m_printer, rows);
}

} // namespace pantrex

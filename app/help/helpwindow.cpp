// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include "platform/hoverbutton.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pantrex {

HelpWindow::HelpWindow(HelpTopic topic, Dialogs& dialogs, LinePrinter& printer, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("panthelp"));
    setWindowTitle(tr("Help"));
    setModal(false);
    m_rows = new QListWidget(this);
    m_rows->setObjectName(QStringLiteral("List1"));
    m_rows->setAccessibleName(tr("Help topic"));
    QPalette colours = m_rows->palette();
    colours.setColor(QPalette::Base, QColor(192, 255, 255));
    colours.setColor(QPalette::Text, Qt::black);
    m_rows->setPalette(colours);
    if (topic == HelpTopic::ImportExport) {
        QFont small = m_rows->font();
        small.setPointSize(9);
        m_rows->setFont(small);
    }
    m_rows->addItems(helpTopicRows(topic));
    auto* printButton = new HoverButton(QStringLiteral("printcmd"), tr("Print"), this);
    auto* quitButton = new HoverButton(QStringLiteral("quitcmd"), tr("Quit"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(quitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rows, 1);
    layout->addLayout(buttons);

    // Wide enough for the longest row where the screen allows.
    const int rowsWidth = m_rows->sizeHintForColumn(0) + 2 * m_rows->frameWidth() +
                          m_rows->verticalScrollBar()->sizeHint().width() + layout->contentsMargins().left() +
                          layout->contentsMargins().right() + 8;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() - 40 : 1000;
    resize(std::min(rowsWidth, available), 480);

    connect(printButton, &QPushButton::clicked, this, &HelpWindow::printTopic);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::printTopic() {
    QStringList rows;
    for (int row = 0; row < m_rows->count(); ++row)
        rows.append(m_rows->item(row)->text());
    printHelpTopic(m_dialogs, m_printer, rows);
}

} // namespace pantrex

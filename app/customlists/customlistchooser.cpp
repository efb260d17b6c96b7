#include "customlistchooser.h"

#include "platform/hoverbutton.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace pantrex {

CustomListChooser::CustomListChooser(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("customlistchooser"));
    setAccessibleName(QStringLiteral("Custom list chooser"));
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setAccessibleName(QStringLiteral("Custom lists"));
    List4 = new QListWidget(this);
    List4->setObjectName(QStringLiteral("List4"));
    List4->setAccessibleName(QStringLiteral("Custom list items"));
    List4->setSelectionMode(QAbstractItemView::ExtendedSelection);
    recdelcmd = new HoverButton(QStringLiteral("recdelcmd"), QStringLiteral("Proceed"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List3, 1);
    layout->addWidget(List4, 1);
    layout->addWidget(recdelcmd);
}

} // namespace pantrex

#pragma once

#include <QWidget>

class QListWidget;

namespace pantrex {

class HoverButton;

// The custom list chooser: the stored list names, a chosen list's items and the button that acts
// on the selected items. It stands in the shopping list's place while a custom-list command runs.
class CustomListChooser : public QWidget {
    Q_OBJECT

public:
    explicit CustomListChooser(QWidget* parent = nullptr);

    QListWidget* List3;
    QListWidget* List4;
    HoverButton* recdelcmd;
};

} // namespace pantrex

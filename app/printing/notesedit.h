// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

namespace pantrex {

// The notes window's text box. It refuses, as they are typed, pasted or dropped, characters the
// notes file cannot hold and text beyond the file's capacity in bytes (a line break takes two),
// so that what is shown is always what will be saved.
class NotesEdit : public QPlainTextEdit {
public:
    NotesEdit(int capacity, QWidget* parent);

    // The bytes the text takes in the file: one a character, two a line break.
    static qsizetype storedLength(const QString& text);
    // The text as the file keeps it: line breaks as carriage return and line feed.
    QString storedText() const;
    void setStoredText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool accepts(const QString& inserted) const;

    int m_capacity;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#include "notesedit.h"

#include "data/ansitext.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace pantrex {

namespace {

QString withPlainBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'))
        .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
}

} // namespace

NotesEdit::NotesEdit(int capacity, QWidget* parent) : QPlainTextEdit(parent), m_capacity(capacity) {
    // Tab moves on to the buttons, as in every other box of the program.
    setTabChangesFocus(true);
}

qsizetype NotesEdit::storedLength(const QString& text) {
    const QString plain = withPlainBreaks(text);
    return plain.size() + plain.count(QLatin1Char('\n'));
}

QString NotesEdit::storedText() const {
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The cursor waits at the end, where notes are added.
void NotesEdit::setStoredText(const QString& text) {
    setPlainText(withPlainBreaks(text));
    moveCursor(QTextCursor::End);
}

bool NotesEdit::accepts(const QString& inserted) const {
    const QString plain = withPlainBreaks(inserted);
    if (fromAnsi(toAnsi(plain)) != plain)
        return false;
    const qsizetype replaced = storedLength(textCursor().selectedText());
    return storedLength(toPlainText()) - replaced + storedLength(plain) <= m_capacity;
}

void NotesEdit::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !accepts(typed)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NotesEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !accepts(event->commitString())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// A paste or drop that does not fit, or holds characters the file cannot keep, is refused whole
// rather than cut.
void NotesEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    const QString text = withPlainBreaks(source->text());
    if (!accepts(text)) {
        QApplication::beep();
        return;
    }
    insertPlainText(text);
}

} // namespace pantrex

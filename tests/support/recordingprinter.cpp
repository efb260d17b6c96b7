// SPDX-License-Identifier: MIT
#include "recordingprinter.h"

namespace pantrex::testing {

QStringList RecordingPrinter::Document::texts() const {
    QStringList texts;
    for (const Line& line : lines)
        texts.append(line.text);
    return texts;
}

void RecordingPrinter::begin() {
    if (m_open)
        return;
    m_open = true;
    m_document = Document{m_name, {}, 1};
}

bool RecordingPrinter::setFontName(const QString& family) {
    m_font = family;
    return true;
}

bool RecordingPrinter::setFontSize(double points) {
    m_size = points;
    return true;
}

bool RecordingPrinter::setFontBold(bool bold) {
    m_bold = bold;
    return true;
}

bool RecordingPrinter::setFontUnderline(bool underline) {
    m_underline = underline;
    return true;
}

bool RecordingPrinter::print(const QString& text) {
    int& failures = m_failures[text];
    if (failures > 0) {
        --failures;
        return false;
    }
    begin();
    if (!m_lineStarted) {
        m_line = Line{QString(), m_font, m_size, m_bold, m_underline, m_document.pages};
        m_lineStarted = true;
    }
    m_line.text += text;
    return true;
}

bool RecordingPrinter::moveToColumn(int column) {
    return print(QStringLiteral("[%1]").arg(column));
}

bool RecordingPrinter::endLine() {
    begin();
    if (!m_lineStarted)
        m_line = Line{QString(), m_font, m_size, m_bold, m_underline, m_document.pages};
    m_document.lines.append(m_line);
    m_lineStarted = false;
    return true;
}

bool RecordingPrinter::newPage() {
    begin();
    ++m_document.pages;
    return true;
}

bool RecordingPrinter::endDocument() {
    if (m_failEnd)
        return false;
    if (!m_open)
        return true;
    m_open = false;
    m_documents.append(m_document);
    documentFinished(QStringLiteral("Printed on the test printer"));
    return true;
}

void RecordingPrinter::abandonDocument() {
    if (m_open)
        ++m_abandoned;
    m_open = false;
    m_lineStarted = false;
}

} // namespace pantrex::testing

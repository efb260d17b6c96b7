// SPDX-License-Identifier: MIT
#pragma once

#include "platform/lineprinter.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace pantrex::testing {

// A printer that keeps what it is sent. Each line is kept as its text, a move to column n shown
// as "[n]", with the font it began in. Printing a given text can be made to fail a number of
// times, and so can ending the document.
class RecordingPrinter : public LinePrinter {
public:
    struct Line {
        QString text;
        QString font;
        double size = 0;
        bool bold = false;
        bool underline = false;
        int page = 1;
    };
    struct Document {
        QString name;
        QList<Line> lines;
        int pages = 1;
        QStringList texts() const;
    };

    void setDocumentName(const QString& name) override { m_name = name; }
    bool setFontName(const QString& family) override;
    bool setFontSize(double points) override;
    bool setFontBold(bool bold) override;
    bool setFontUnderline(bool underline) override;
    bool print(const QString& text) override;
    bool moveToColumn(int column) override;
    bool endLine() override;
    bool newPage() override;
    bool endDocument() override;
    void abandonDocument() override;
    QString errorString() const override { return QStringLiteral("the printer is not ready"); }
    // It never refuses a document.
    std::optional<Refusal> refusal() const override { return std::nullopt; }
    bool saveRefusedAsPdf() override { return false; }

    // print(text) fails the next `times` times it is asked to print exactly this text.
    void failPrinting(const QString& text, int times) { m_failures[text] = times; }
    void failEndingDocuments(bool fail) { m_failEnd = fail; }

    // The documents sent to the printer, and how many were thrown away unfinished.
    const QList<Document>& documents() const { return m_documents; }
    int abandoned() const { return m_abandoned; }
    // The last finished document.
    const Document& last() const { return m_documents.constLast(); }

private:
    void begin();

    QString m_name;
    QString m_font = QStringLiteral("Times New Roman");
    double m_size = 12;
    bool m_bold = false;
    bool m_underline = false;
    bool m_open = false;
    Document m_document;
    Line m_line;
    bool m_lineStarted = false;
    QMap<QString, int> m_failures;
    bool m_failEnd = false;
    QList<Document> m_documents;
    int m_abandoned = 0;
};

} // namespace pantrex::testing

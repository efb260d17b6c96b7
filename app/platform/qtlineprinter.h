// SPDX-License-Identifier: MIT
#pragma once

#include "lineprinter.h"
#include "printqueue.h"

#include <QDateTime>
#include <QString>

#include <memory>

namespace pantrex {

// The line printer on a QPrinter. A document goes to the file named by the environment variable
// PANTREX_PRINT_PDF when it is set, else to the system's default printer, else (no printer
// installed) to a PDF file in the given folder named after the document and the time. Text that
// would run past the right margin wraps at a blank onto the next line; a full page continues on
// the next one. A document for a printer is painted into a PDF spool file and handed to the
// printer when it ends, so that the printer's answer is heard (see CupsPrintQueue).
class QtLinePrinter : public LinePrinter {
public:
    // Prints on the system's printers.
    explicit QtLinePrinter(const QString& pdfFolder);
    // Prints on the printers of queue, which outlives this printer.
    QtLinePrinter(const QString& pdfFolder, PrintQueue& queue);
    ~QtLinePrinter() override;

    void setDocumentName(const QString& name) override;
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
    QString errorString() const override { return m_error; }
    std::optional<Refusal> refusal() const override;
    bool saveRefusedAsPdf() override;

    // The PDF file for a document made at this time in the folder, not yet taken by another file:
    // "shopping list 2026-12-07 1432.pdf", then "... 1432 (2).pdf".
    static QString pdfFilePath(const QString& folder, const QString& documentName, const QDateTime& when);

private:
    struct Document;
    struct Refused;

    bool beginDocument();
    bool chooseOutput(Document& document);
    bool handOver(std::unique_ptr<Document> document);
    void applyFont();
    bool startLine();
    qreal advanceOf(QStringView text) const;
    qsizetype fittingLength(QStringView text, qreal room) const;
    bool drawText(const QString& text);
    void finishLine();
    void failed(const QString& why);

    QString m_folder;
    std::unique_ptr<PrintQueue> m_systemQueue;
    PrintQueue& m_queue;
    QString m_documentName = QStringLiteral("printout");
    QString m_family = QStringLiteral("Times New Roman");
    double m_size = 12;
    bool m_bold = false;
    bool m_underline = false;
    bool m_fontChanged = true;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<Refused> m_refused;
    QString m_error;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#include "qtlineprinter.h"

#include "cupsprintqueue.h"
#include "windowsfonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <array>
#include <utility>

namespace pantrex {

namespace {

struct PrinterTexts {
    Q_DECLARE_TR_FUNCTIONS(LinePrinter)
};

const QMarginsF PageMargins(15, 15, 15, 15); // millimetres

// The average character width the way fonts have long defined it: the lower-case letters and the
// blank weighted by how often they occur in English text. Unlike the per-font figure a modern font
// carries, it puts a column where a printout laid out on Windows expects it.
qreal averageCharWidth(const QFontMetricsF& metrics) {
    static const std::array<std::pair<char, int>, 27> weights{{
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
    }};
    qreal sum = 0;
    for (const auto& [character, weight] : weights)
        sum += metrics.horizontalAdvance(QLatin1Char(character)) * weight;
    return sum / 1000;
}

bool allBlank(QStringView text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString savedAs(const QString& pdfPath) {
    return PrinterTexts::tr("Printout saved as %1").arg(QDir::toNativeSeparators(pdfPath));
}

// Copies a finished PDF file to its place in one step: the new file appears whole or not at all.
std::optional<QString> copyPdf(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    const QByteArray content = source.readAll();
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit())
        return target.errorString();
    return std::nullopt;
}

} // namespace

// One document on its way: the printer, the painter on it and where the next text goes.
struct QtLinePrinter::Document {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    std::optional<PrintQueue::Printer> device; // the printer it goes to, if any
    std::unique_ptr<QTemporaryFile> spool;     // what the printer is handed at the end
    QString pdfPath;                           // the PDF file it goes to instead of a printer
    QString where;                             // the sentence for the user once it is done
    QFontMetricsF metrics{QFont()};
    qreal columnWidth = 0;
    qreal blankWidth = 0;
    qreal width = 0;
    qreal height = 0;
    qreal x = 0;
    qreal y = 0;
    qreal lineHeight = 0; // the tallest font used on the line so far; 0 while it is empty
    bool pageFull = false;
};

// A document a printer refused, kept until the user has said whether to save it.
struct QtLinePrinter::Refused {
    std::unique_ptr<QTemporaryFile> spool;
    QString documentName;
    Refusal refusal;
};

QtLinePrinter::QtLinePrinter(const QString& pdfFolder)
    : m_folder(pdfFolder), m_systemQueue(std::make_unique<CupsPrintQueue>()), m_queue(*m_systemQueue) {
    mapWindowsFonts();
}

QtLinePrinter::QtLinePrinter(const QString& pdfFolder, PrintQueue& queue) : m_folder(pdfFolder), m_queue(queue) {
    mapWindowsFonts();
}

QtLinePrinter::~QtLinePrinter() {
    if (m_document)
        abandonDocument();
}

QString QtLinePrinter::pdfFilePath(const QString& folder, const QString& documentName, const QDateTime& when) {
    const QDir dir(folder);
    const QString stem = documentName + when.toString(QStringLiteral(" yyyy-MM-dd HHmm"));
    QString path = dir.absoluteFilePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.absoluteFilePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return path;
}

void QtLinePrinter::setDocumentName(const QString& name) {
    m_documentName = name;
}

bool QtLinePrinter::setFontName(const QString& family) {
    m_family = family;
    m_fontChanged = true;
    return true;
}

bool QtLinePrinter::setFontSize(double points) {
    if (!(points > 0)) {
        failed(PrinterTexts::tr("a font size of %1 points cannot be printed").arg(points));
        return false;
    }
    m_size = points;
    m_fontChanged = true;
    return true;
}

bool QtLinePrinter::setFontBold(bool bold) {
    m_bold = bold;
    m_fontChanged = true;
    return true;
}

bool QtLinePrinter::setFontUnderline(bool underline) {
    m_underline = underline;
    m_fontChanged = true;
    return true;
}

bool QtLinePrinter::beginDocument() {
    if (m_document) {
        applyFont();
        return true;
    }
    m_refused.reset();
    auto document = std::make_unique<Document>();
    QPrinter& printer = document->printer;
    printer.setDocName(m_documentName);
    printer.setFullPage(false);
    if (!chooseOutput(*document))
        return false;
    printer.setPageMargins(PageMargins, QPageLayout::Millimeter);
    if (!document->painter.begin(&printer)) {
        failed(document->device
                   ? PrinterTexts::tr("the printer %1 cannot be used").arg(document->device->shownName())
                   : PrinterTexts::tr("%1 cannot be written").arg(QDir::toNativeSeparators(document->pdfPath)));
        return false;
    }
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    document->width = area.width();
    document->height = area.height();
    m_document = std::move(document);
    m_fontChanged = true;
    applyFont();
    return true;
}

// Every document is painted as a PDF: into the named file, into a spool file for the printer, or
// (no printer installed) into a file of its own in the working folder.
bool QtLinePrinter::chooseOutput(Document& document) {
    QPrinter& printer = document.printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString named = qEnvironmentVariable("PANTREX_PRINT_PDF");
    if (named.isEmpty())
        document.device = m_queue.printer();
    if (!document.device) {
        document.pdfPath = !named.isEmpty() ? QFileInfo(named).absoluteFilePath()
                                            : pdfFilePath(m_folder, m_documentName, QDateTime::currentDateTime());
        printer.setOutputFileName(document.pdfPath);
        document.where = savedAs(document.pdfPath);
        return true;
    }
    document.spool = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("pantrex-XXXXXX.pdf")));
    if (!document.spool->open()) {
        failed(PrinterTexts::tr("the printer %1 cannot be used: %2")
                   .arg(document.device->shownName(), document.spool->errorString()));
        return false;
    }
    document.spool->close();
    printer.setOutputFileName(document.spool->fileName());
    if (document.device->pageSize.isValid())
        printer.setPageSize(document.device->pageSize);
    document.where = PrinterTexts::tr("Printout sent to %1").arg(document.device->shownName());
    return true;
}

void QtLinePrinter::applyFont() {
    if (!m_fontChanged || !m_document)
        return;
    QFont font(m_family);
    font.setPointSizeF(m_size);
    font.setBold(m_bold);
    font.setUnderline(m_underline);
    QFont deviceFont(font, &m_document->printer);
    m_document->painter.setFont(deviceFont);
    m_document->metrics = QFontMetricsF(deviceFont, &m_document->printer);
    m_document->columnWidth = averageCharWidth(m_document->metrics);
    m_document->blankWidth = m_document->metrics.horizontalAdvance(QLatin1Char(' '));
    m_fontChanged = false;
}

// A line about to get its first text starts on a new page when the page has no room for it.
bool QtLinePrinter::startLine() {
    Document& d = *m_document;
    if (d.lineHeight == 0 && d.y > 0 && d.y + d.metrics.lineSpacing() > d.height)
        d.pageFull = true;
    if (!d.pageFull)
        return true;
    if (!d.printer.newPage()) {
        failed(PrinterTexts::tr("the printer could not start a new page"));
        return false;
    }
    d.pageFull = false;
    d.y = 0;
    return true;
}

// Trailing blanks (fixed-width fields are full of them) are measured, not drawn.
qreal QtLinePrinter::advanceOf(QStringView text) const {
    const Document& d = *m_document;
    qsizetype visible = text.size();
    while (visible > 0 && text.at(visible - 1) == QLatin1Char(' '))
        --visible;
    const qreal blanks = qreal(text.size() - visible) * d.blankWidth;
    return visible == 0 ? blanks : d.metrics.horizontalAdvance(text.first(visible).toString()) + blanks;
}

// How much of the start of text goes on what is left of the line: the longest start that fits,
// broken after its last blank where there is one.
qsizetype QtLinePrinter::fittingLength(QStringView text, qreal room) const {
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (advanceOf(text.first(middle)) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    const qsizetype blank = text.first(fits).lastIndexOf(QLatin1Char(' '));
    if (blank > 0)
        return blank;
    if (m_document->x > 0)
        return 0;                // the word goes whole to the next line
    return fits == 0 ? 1 : fits; // not even one character fits a whole line: print it all the same
}

bool QtLinePrinter::drawText(const QString& text) {
    Document& d = *m_document;
    QStringView rest(text);
    while (!rest.isEmpty()) {
        if (!startLine())
            return false;
        const qreal room = d.width - d.x;
        QStringView piece = rest;
        qreal advance = advanceOf(rest);
        if (advance > room) {
            piece = rest.first(fittingLength(rest, room));
            advance = advanceOf(piece);
        }
        if (!piece.isEmpty() && !allBlank(piece)) {
            d.painter.drawText(QPointF(d.x, d.y + d.metrics.ascent()), piece.toString());
            d.lineHeight = std::max(d.lineHeight, d.metrics.lineSpacing());
        }
        d.x += advance;
        rest = rest.sliced(piece.size());
        // Blanks that run past the margin are not carried onto a line of their own.
        if (rest.isEmpty() || allBlank(rest))
            break;
        while (rest.startsWith(QLatin1Char(' ')))
            rest = rest.sliced(1);
        finishLine();
    }
    return true;
}

void QtLinePrinter::finishLine() {
    Document& d = *m_document;
    d.y += d.lineHeight > 0 ? d.lineHeight : d.metrics.lineSpacing();
    d.x = 0;
    d.lineHeight = 0;
    if (d.y + d.metrics.lineSpacing() > d.height)
        d.pageFull = true;
}

bool QtLinePrinter::print(const QString& text) {
    if (!beginDocument())
        return false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
            continue;
        if (!drawText(text.sliced(start, i - start)))
            return false;
        if (end)
            break;
        if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        finishLine();
        start = i + 1;
    }
    return true;
}

bool QtLinePrinter::moveToColumn(int column) {
    if (!beginDocument())
        return false;
    Document& d = *m_document;
    qreal target = (std::max(column, 1) - 1) * d.columnWidth;
    if (target >= d.width)
        target = 0; // a column past the right margin: the start of the next line instead
    if (d.x > target)
        finishLine();
    d.x = target;
    return true;
}

bool QtLinePrinter::endLine() {
    if (!beginDocument())
        return false;
    finishLine();
    return true;
}

bool QtLinePrinter::newPage() {
    if (!beginDocument())
        return false;
    Document& d = *m_document;
    if (!d.printer.newPage()) {
        failed(PrinterTexts::tr("the printer could not start a new page"));
        return false;
    }
    d.pageFull = false;
    d.x = 0;
    d.y = 0;
    d.lineHeight = 0;
    return true;
}

bool QtLinePrinter::endDocument() {
    if (!m_document)
        return true;
    std::unique_ptr<Document> document = std::move(m_document);
    const QString file = document->spool ? document->spool->fileName() : document->pdfPath;
    const bool ended = document->painter.end();
    if (!ended || QFileInfo(file).size() == 0) {
        failed(PrinterTexts::tr("%1 could not be written").arg(QDir::toNativeSeparators(file)));
        if (!document->spool)
            QFile::remove(file);
        return false;
    }
    if (document->device)
        return handOver(std::move(document));
    documentFinished(document->where);
    return true;
}

bool QtLinePrinter::handOver(std::unique_ptr<Document> document) {
    const PrintQueue::Submission sent =
        m_queue.submit(*document->device, document->spool->fileName(), document->printer.docName());
    if (!sent.taken) {
        failed(sent.why);
        m_refused = std::make_unique<Refused>(Refused{std::move(document->spool), document->printer.docName(),
                                                      Refusal{document->device->shownName(), sent.why}});
        return false;
    }
    documentFinished(sent.why.isEmpty() ? document->where
                                        : document->where + PrinterTexts::tr(", where it waits: ") + sent.why);
    return true;
}

void QtLinePrinter::abandonDocument() {
    m_refused.reset();
    if (!m_document)
        return;
    std::unique_ptr<Document> document = std::move(m_document);
    document->painter.end();
    if (!document->spool)
        QFile::remove(document->pdfPath);
}

std::optional<LinePrinter::Refusal> QtLinePrinter::refusal() const {
    if (!m_refused)
        return std::nullopt;
    return m_refused->refusal;
}

// The file is named as a printout made now without a printer would be.
bool QtLinePrinter::saveRefusedAsPdf() {
    const std::unique_ptr<Refused> refused = std::move(m_refused);
    if (!refused) {
        failed(PrinterTexts::tr("no refused printout is kept"));
        return false;
    }
    const QString path = pdfFilePath(m_folder, refused->documentName, QDateTime::currentDateTime());
    if (const std::optional<QString> error = copyPdf(refused->spool->fileName(), path)) {
        failed(PrinterTexts::tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), *error));
        return false;
    }
    documentFinished(savedAs(path));
    return true;
}

void QtLinePrinter::failed(const QString& why) {
    m_error = why;
}

} // namespace pantrex

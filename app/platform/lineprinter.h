// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace pantrex {

// The printer, driven line by line as the printouts need it. The font settings stay from one
// document to the next; a document begins with the first operation after the previous one ended.
// Every operation may fail (no paper, a file that cannot be written); errorString says why.
class LinePrinter {
public:
    virtual ~LinePrinter() = default;

    // Names the next document: what it is ("shopping list"), for the print queue or the file name.
    virtual void setDocumentName(const QString& name) = 0;

    [[nodiscard]] virtual bool setFontName(const QString& family) = 0;
    [[nodiscard]] virtual bool setFontSize(double points) = 0;
    [[nodiscard]] virtual bool setFontBold(bool bold) = 0;
    [[nodiscard]] virtual bool setFontUnderline(bool underline) = 0;

    // Prints text where the line has got to; a line break in the text starts a new line.
    [[nodiscard]] virtual bool print(const QString& text) = 0;
    // Moves to print column n: column 1 is the left margin, and columns are the average character
    // width of the current font. Text that already passed column n continues there on the next line.
    [[nodiscard]] virtual bool moveToColumn(int column) = 0;
    [[nodiscard]] virtual bool endLine() = 0;
    [[nodiscard]] virtual bool newPage() = 0;
    // Sends the document on its way.
    [[nodiscard]] virtual bool endDocument() = 0;
    // Throws the document begun so far away, or the one the printer refused; nothing of it is
    // printed or kept.
    virtual void abandonDocument() = 0;

    virtual QString errorString() const = 0;

    // The printer (as the user knows it) that refused the document last ended, and its reason.
    struct Refusal {
        QString printer;
        QString reason;
    };
    // Set when endDocument() failed because the printer did not take the document. That document
    // is kept for saveRefusedAsPdf() until the next one begins or it is abandoned.
    virtual std::optional<Refusal> refusal() const = 0;
    // Writes the refused document as a PDF file in the working folder instead, and says where it went.
    [[nodiscard]] virtual bool saveRefusedAsPdf() = 0;

    // Called with a sentence for the user saying where each finished document went.
    void setFinishedHandler(std::function<void(const QString& where)> handler) { m_finished = std::move(handler); }

protected:
    void documentFinished(const QString& where) const {
        if (m_finished)
            m_finished(where);
    }

private:
    std::function<void(const QString&)> m_finished;
};

} // namespace pantrex

// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>
#include <QString>

#include <optional>

namespace pantrex {

// The system's printers as the line printer needs them: which one printouts go to, and handing it
// a finished document. Tests put a queue of their own in its place.
class PrintQueue {
public:
    struct Printer {
        QString name;        // the queue's name, as the system knows it
        QString description; // what the user calls it; may be empty
        QPageSize pageSize;  // the paper it is set up for; invalid when it does not say

        QString shownName() const { return description.isEmpty() ? name : description; }
    };

    // What became of a document handed to a printer.
    struct Submission {
        bool taken = false;
        // Not taken: why not, in the printing system's words. Taken: why it waits in the queue
        // instead of printing (a stopped printer, a held job), or empty.
        QString why;
    };

    virtual ~PrintQueue() = default;

    // The default printer, else the first one installed; none when no printer is installed.
    virtual std::optional<Printer> printer() = 0;
    // Hands a PDF file to the printer as one job called title. The file may go once this returns.
    virtual Submission submit(const Printer& printer, const QString& pdfPath, const QString& title) = 0;
};

} // namespace pantrex

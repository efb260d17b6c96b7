// SPDX-License-Identifier: MIT
#pragma once

#include "printqueue.h"

namespace pantrex {

// The system's printers through CUPS.
//
// Qt's own CUPS printing hands the finished document to CUPS and drops the answer: a job the queue
// refuses (a queue set to reject jobs, a printer removed meanwhile) ends with QPainter::end()
// returning true, and the printout is lost without a word. So the line printer paints a PDF file
// and this queue hands it over with cupsPrintFile2(), whose job number (0: refused) and last error
// are the scheduler's own answer for this very job. Asking the queue's state first would not do:
// the state may change between the question and the job, and only the job's answer is sure.
class CupsPrintQueue : public PrintQueue {
public:
    std::optional<Printer> printer() override;
    Submission submit(const Printer& printer, const QString& pdfPath, const QString& title) override;
};

} // namespace pantrex

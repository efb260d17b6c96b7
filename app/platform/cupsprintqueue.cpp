// SPDX-License-Identifier: MIT
#include "cupsprintqueue.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace pantrex {

namespace {

struct PrintQueueTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintQueue)
};

struct IppDelete {
    void operator()(ipp_t* response) const { ippDelete(response); }
};
using IppResponse = std::unique_ptr<ipp_t, IppDelete>;

// The attributes asked for of a queue, or of one of its jobs (job > 0); null when the scheduler
// could not be asked. The queue's address is the one CUPS's own printing commands use.
IppResponse askFor(const QByteArray& queue, int job, std::initializer_list<const char*> attributes) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.constData());
    ipp_t* request = ippNewRequest(job > 0 ? IPP_OP_GET_JOB_ATTRIBUTES : IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    if (job > 0)
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    const std::vector<const char*> names(attributes);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(names.size()), nullptr,
                  names.data());
    return IppResponse(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

int integerOf(const IppResponse& response, const char* name) {
    ipp_attribute_t* attribute = response ? ippFindAttribute(response.get(), name, IPP_TAG_ZERO) : nullptr;
    return attribute ? ippGetInteger(attribute, 0) : 0;
}

QString textOf(const IppResponse& response, const char* name) {
    ipp_attribute_t* attribute = response ? ippFindAttribute(response.get(), name, IPP_TAG_ZERO) : nullptr;
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? QString::fromUtf8(text).trimmed() : QString();
}

// "it is not accepting jobs (Out of toner)": what the state says, with the words the printer's
// keeper gave (cupsreject -r, cupsdisable -r) where there are any.
QString withMessage(const QString& what, const QString& message) {
    return message.isEmpty() ? what : what + QStringLiteral(" (") + message + QLatin1Char(')');
}

QString refusalReason(const QByteArray& queue) {
    const ipp_status_t status = cupsLastError();
    const QString error = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) {
        const IppResponse state = askFor(queue, 0, {"printer-state-message"});
        return withMessage(PrintQueueTexts::tr("it is not accepting jobs"), textOf(state, "printer-state-message"));
    }
    return error.isEmpty() ? PrintQueueTexts::tr("CUPS gave no reason") : error;
}

// A job that was taken may still not print for now.
QString waitingReason(const QByteArray& queue, int job) {
    const IppResponse state = askFor(queue, 0, {"printer-state", "printer-state-message"});
    if (integerOf(state, "printer-state") == IPP_PSTATE_STOPPED)
        return withMessage(PrintQueueTexts::tr("the printer is stopped"), textOf(state, "printer-state-message"));
    if (integerOf(askFor(queue, job, {"job-state"}), "job-state") == IPP_JSTATE_HELD)
        return PrintQueueTexts::tr("the job is held until it is released");
    return QString();
}

} // namespace

std::optional<PrintQueue::Printer> CupsPrintQueue::printer() {
    QPrinterInfo device = QPrinterInfo::defaultPrinter();
    if (device.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
        device = QPrinterInfo::availablePrinters().constFirst();
    if (device.isNull())
        return std::nullopt;
    return Printer{device.printerName(), device.description(), device.defaultPageSize()};
}

PrintQueue::Submission CupsPrintQueue::submit(const Printer& printer, const QString& pdfPath, const QString& title) {
    // A printer instance ("Office/duplex") is printed on through its queue.
    const QByteArray queue = printer.name.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(), QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job <= 0)
        return {false, refusalReason(queue)};
    return {true, waitingReason(queue, job)};
}

} // namespace pantrex

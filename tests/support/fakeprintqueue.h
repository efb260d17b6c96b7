// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printqueue.h"

#include <QFile>
#include <QList>

namespace pantrex::testing {

// A print system with one printer, "Office" (queue "office"), that answers every job as told and
// keeps what it was handed.
class FakePrintQueue : public PrintQueue {
public:
    struct Job {
        QString title;
        QString spoolPath;
        QByteArray pdf;
    };

    std::optional<Printer> printer() override {
        return Printer{QStringLiteral("office"), QStringLiteral("Office"), QPageSize(QPageSize::A4)};
    }
    Submission submit(const Printer&, const QString& pdfPath, const QString& title) override {
        QFile spool(pdfPath);
        jobs.append({title, pdfPath, spool.open(QIODevice::ReadOnly) ? spool.readAll() : QByteArray()});
        return answer;
    }

    Submission answer{true, {}};
    QList<Job> jobs;
};

} // namespace pantrex::testing

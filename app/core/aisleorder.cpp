// SPDX-License-Identifier: MIT
#include "aisleorder.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/safefile.h"

#include <QDir>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace pantrex {

namespace {

// A line of the file holds one category: a category that would break the line apart is left out.
bool fitsOnALine(QByteArrayView category) {
    return !category.isEmpty() && !category.contains('\n') && !category.contains('\r');
}

// Text a person or a program wrote has no control characters besides line ends and tabs.
bool isText(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
               c != QLatin1Char('\t');
    });
}

} // namespace

AisleSort::AisleSort(const QList<QByteArray>& order) {
    for (const QByteArray& category : order)
        m_place.insert(category, m_place.size());
}

bool AisleSort::operator()(const QByteArray& a, const QByteArray& b) const {
    const qsizetype unplaced = m_place.size();
    const qsizetype placeA = m_place.value(a, unplaced);
    const qsizetype placeB = m_place.value(b, unplaced);
    if (placeA != placeB)
        return placeA < placeB;
    return placeA == unplaced && fromAnsi(a) < fromAnsi(b);
}

QList<QByteArray> AisleSort::sorted(QList<QByteArray> categories) const {
    std::stable_sort(categories.begin(), categories.end(), *this);
    categories.erase(std::unique(categories.begin(), categories.end()), categories.end());
    return categories;
}

AisleOrder::AisleOrder(Session& session, QObject* parent) : QObject(parent), m_session(session) {}

QString AisleOrder::filePath() const {
    return QDir(m_session.workingFolder()).filePath(aislesFileOf(m_session.shoppingListPath()));
}

QByteArray AisleOrder::toText(const QList<QByteArray>& categories) {
    QByteArray text;
    for (const QByteArray& category : categories) {
        if (fitsOnALine(category))
            text += fromAnsi(category).toUtf8() + '\n';
    }
    return text;
}

QList<QByteArray> AisleOrder::fromText(QByteArrayView text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text);
    if (utf8.hasError() || !isText(decoded))
        return {};
    QList<QByteArray> order;
    QSet<QByteArray> seen;
    for (const QStringView line : QStringView(decoded).split(QLatin1Char('\n'))) {
        const QByteArray category = toAnsi(line.trimmed().toString());
        if (!category.isEmpty() && !seen.contains(category)) {
            seen.insert(category);
            order.append(category);
        }
    }
    return order;
}

QList<QByteArray> AisleOrder::order() const {
    // A link is not followed: the order is the list's own file, never one the link leads to.
    QString why;
    const std::optional<QByteArray> bytes = readRegularFile(filePath(), MostBytes + 1, why, false);
    if (!bytes || bytes->size() > MostBytes)
        return {};
    return fromText(*bytes);
}

std::optional<Notice> AisleOrder::setOrder(const QList<QByteArray>& categories) {
    FileReplacement file(filePath());
    if (!file.open() || !file.write(toText(categories)) || !file.commit()) {
        return Notice::fileError(tr("The aisle order could not be saved in %1: %2")
                                     .arg(aislesFileOf(m_session.shoppingListPath()), file.errorString()));
    }
    Q_EMIT orderChanged();
    return std::nullopt;
}

} // namespace pantrex

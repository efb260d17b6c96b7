// SPDX-License-Identifier: MIT
// Numbers kept as text: reading any bytes leniently, the two written forms, the "###.00" display
// and the cut into a fixed field, checked against what each promises.
#include "fuzzsupport.h"

#include "data/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

// The longest leading decimal number of the text, blanks left out, parsed whole; nothing when the
// text holds none or the number is beyond a double.
std::optional<double> referenceValue(QByteArrayView text) {
    std::string run;
    bool sign = false;
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if ((c == '-' || c == '+') && !sign && run.empty()) {
            sign = true;
            if (c == '-')
                run += c;
        } else if (c >= '0' && c <= '9') {
            run += c;
            digit = true;
        } else if (c == '.' && !point) {
            run += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digit)
        return 0.0;
    double value = 0;
    const auto result = std::from_chars(run.data(), run.data() + run.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool near(double a, double b, double relative, double absolute = 0) {
    return std::fabs(a - b) <= absolute + relative * std::max(std::fabs(a), std::fabs(b));
}

QString number(double value) {
    return QString::number(value, 'g', 17);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole part of the number a text reads as: the number its digits before the point make (so
// that "0.99999999999999999" is 0, not the 1 its rounding to a double gives).
double wholePart(QByteArrayView text) {
    const qsizetype point = text.indexOf('.');
    return std::trunc(numberValue(point < 0 ? text : text.first(point)));
}

// A form written into a field of each width keeps its whole digits or is refused. For a form the
// program wrote, value is the number it was written from.
void checkFit(const QByteArray& form, std::optional<double> value) {
    const bool exponent = form.contains('E') || form.contains('e');
    // The whole part the form stands for: an exponent form is not read back by numberValue.
    const double whole = exponent && value ? std::trunc(*value) : wholePart(form);
    // The program's fields for numbers are 3 and 6 bytes wide.
    for (int width = 3; width <= 12; ++width) {
        const std::optional<QByteArray> fitted = fitNumberField(form, width);
        const QString where = escaped(form) + QStringLiteral(" in %1 bytes").arg(width);
        if (!fitted) {
            // A form the program wrote is refused only when the field cannot hold its whole digits.
            const QByteArrayView cut = QByteArrayView(form).first(std::min<qsizetype>(width, form.size()));
            if (value && !exponent)
                FUZZ_CHECK(wholePart(cut) != whole || std::none_of(cut.begin(), cut.end(), isDigit),
                           where + QStringLiteral(" was refused, yet its whole part fits"));
            if (value && exponent)
                FUZZ_CHECK(std::fabs(*value) >= 1, where + QStringLiteral(" was refused, yet its whole part is 0"));
            continue;
        }
        FUZZ_CHECK(fitted->size() <= width, where + QStringLiteral(" gave ") + escaped(*fitted));
        if (!exponent)
            FUZZ_CHECK(form.startsWith(*fitted), where + QStringLiteral(" gave ") + escaped(*fitted));
        if (form.size() <= width && !exponent)
            FUZZ_CHECK(*fitted == form, where + QStringLiteral(" gave ") + escaped(*fitted));
        // Any text with an exponent stands for a number numberValue does not read: only its fit counts.
        if (exponent && !value)
            continue;
        FUZZ_CHECK(near(wholePart(*fitted), whole, 1e-15), where + QStringLiteral(" gave ") + escaped(*fitted) +
                                                               QStringLiteral(", which reads ") +
                                                               number(numberValue(*fitted)));
    }
}

void checkForms(double value) {
    // Every number the program writes is a finite one (a reading never gives anything else).
    if (!std::isfinite(value))
        return;
    const QByteArray blank = leadingBlankForm(value);
    const QByteArray plain = plainForm(value);
    const QString what =
        number(value) + QStringLiteral(" as ") + escaped(blank) + QStringLiteral(" and ") + escaped(plain);
    FUZZ_CHECK(blank.startsWith(value < 0 ? '-' : ' '), what);
    FUZZ_CHECK(plain.startsWith('-') == (value < 0), what);
    FUZZ_CHECK(blank.mid(1) == plain.mid(value < 0 ? 1 : 0) || blank.mid(1) == plain.mid(value < 0 ? 2 : 1), what);
    for (const QByteArray& form : {blank, plain}) {
        if (form.contains('E')) {
            // Only values too large or too small for plain digits take an exponent.
            FUZZ_CHECK(std::fabs(value) >= 999999999999999.4 || std::fabs(value) < 0.000100000000000001, what);
        } else {
            FUZZ_CHECK(near(numberValue(form), value, 1e-14),
                       what + QStringLiteral(" reads back as ") + number(numberValue(form)));
            if (form.contains('.'))
                FUZZ_CHECK(!form.endsWith('0') && !form.endsWith('.'), what);
            qsizetype digits = 0;
            bool leading = true;
            for (const char c : form) {
                if (c >= '1' && c <= '9')
                    leading = false;
                if (c >= '0' && c <= '9' && !leading)
                    ++digits;
            }
            FUZZ_CHECK(digits <= 15, what);
        }
        checkFit(form, value);
    }
    const double magnitude = std::fabs(numberValue(plain));
    if (!plain.contains('E') && magnitude > 0 && magnitude < 1) {
        FUZZ_CHECK(blank.at(1) == '.', what);
        FUZZ_CHECK(plain.startsWith(value < 0 ? "-0." : "0."), what);
    }

    const QByteArray money = formatMoney(value);
    const QString moneyWhat = number(value) + QStringLiteral(" as money ") + escaped(money);
    FUZZ_CHECK(fuzz::isMoney(money), moneyWhat);
    FUZZ_CHECK(near(numberValue(money), value, 6e-15, 0.0050000001),
               moneyWhat + QStringLiteral(" reads back as ") + number(numberValue(money)));
    checkFit(money, value);
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));

    // Any text reads as its longest leading number, or 0.
    const double value = numberValue(text);
    FUZZ_CHECK(std::isfinite(value), escaped(text));
    const QByteArrayView untilZero = text.first(text.contains('\0') ? text.indexOf('\0') : text.size());
    if (const std::optional<double> expected = referenceValue(untilZero))
        FUZZ_CHECK(near(value, *expected, 1e-15), escaped(text) + QStringLiteral(" reads as ") + number(value) +
                                                      QStringLiteral(", not ") + number(*expected));

    // An empty or blank text stays empty as money; any other is formatted by its value.
    const QByteArray money = formatMoney(text);
    const bool blank = std::all_of(untilZero.begin(), untilZero.end(), [](char c) { return c == ' ' || c == '\t'; });
    FUZZ_CHECK(blank ? money.isEmpty() : money == formatMoney(value),
               escaped(text) + QStringLiteral(" as money ") + escaped(money));
    checkFit(text.toByteArray(), std::nullopt);

    // The value read, and the input's first eight bytes taken as a double of any size.
    checkForms(value);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkForms(raw);
        checkForms(std::round(raw * 100) / 100);
    }
    return 0;
}

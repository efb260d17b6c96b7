// SPDX-License-Identifier: MIT
// Makes a pseudo-translation of a Qt Linguist file: every text's translation is the text itself in
// brackets ("&Quit" becomes "[&Quit]"), so that a window shown with it tells at a glance which of
// its texts went through the translation and which did not.
//
//     pantrex_pseudots SOURCE.ts PSEUDO.ts
#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>

#include <cstdio>

namespace {

void fillMessages(QDomDocument& document) {
    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.count(); ++i) {
        QDomElement message = messages.at(i).toElement();
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        QDomElement old = message.firstChildElement(QStringLiteral("translation"));
        QDomElement translation = document.createElement(QStringLiteral("translation"));
        translation.appendChild(document.createTextNode(QLatin1Char('[') + source + QLatin1Char(']')));
        if (old.isNull())
            message.appendChild(translation);
        else
            message.replaceChild(translation, old);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: pantrex_pseudots SOURCE.ts PSEUDO.ts\n", stderr);
        return 2;
    }
    QFile in(arguments.at(1));
    QDomDocument document;
    if (!in.open(QIODevice::ReadOnly) || !document.setContent(&in)) {
        std::fprintf(stderr, "pantrex_pseudots: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    document.documentElement().setAttribute(QStringLiteral("language"), QStringLiteral("eo"));
    fillMessages(document);
    QFile out(arguments.at(2));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(document.toByteArray(2)) < 0 ||
        !out.flush()) {
        std::fprintf(stderr, "pantrex_pseudots: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}

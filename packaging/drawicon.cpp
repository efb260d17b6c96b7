// SPDX-License-Identifier: MIT
// Draws the program's basket, as the main window shows it, into the icon files an install puts
// in the desktop's icon theme: one SVG and a PNG per size.
//
//     pantrex_drawicon FOLDER SIZE...   writes FOLDER/pantrex.svg and FOLDER/pantrex-SIZE.png

#include "platform/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int SvgSize = 256;

bool drawSvg(const QIcon& basket, const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(SvgSize, SvgSize));
    svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    svg.setTitle(QStringLiteral("Pantrex"));
    svg.setDescription(QStringLiteral("A shopping basket"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    basket.paint(&painter, QRect(0, 0, SvgSize, SvgSize));
    return painter.end();
}

bool drawPng(const QIcon& basket, int size, const QString& file) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    basket.paint(&painter, image.rect());
    painter.end();
    return image.save(file, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen: the offscreen platform lets this run wherever the build runs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: pantrex_drawicon FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "pantrex_drawicon: cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    const QIcon basket = pantrex::basketPicture();
    QStringList failed;
    const QString svgFile = folder.filePath(QStringLiteral("pantrex.svg"));
    if (!drawSvg(basket, svgFile))
        failed << svgFile;
    for (const QString& sizeText : arguments.sliced(2)) {
        bool number = false;
        const int size = sizeText.toInt(&number);
        const QString pngFile = folder.filePath(QStringLiteral("pantrex-%1.png").arg(sizeText));
        if (!number || size < 1 || !drawPng(basket, size, pngFile))
            failed << pngFile;
    }
    for (const QString& file : failed)
        std::fprintf(stderr, "pantrex_drawicon: could not write %s\n", qPrintable(file));
    return failed.isEmpty() ? 0 : 1;
}

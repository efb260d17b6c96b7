// SPDX-License-Identifier: MIT
#include "qrcodeimage.h"

#include <qrencode.h>

#include <memory>

namespace pantrex {

QImage qrCodeImage(const QByteArray& text, int moduleSize) {
    // The lowest error correction leaves the most room: the code is read off a screen, not a crumpled page.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_L), &QRcode_free);
    if (!code)
        return {};
    constexpr int QuietZone = 4;
    const int side = code->width + 2 * QuietZone;
    QImage image(side, side, QImage::Format_Mono);
    image.fill(1);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module's byte says whether it is dark.
            if ((code->data[y * code->width + x] & 1U) != 0)
                image.setPixel(x + QuietZone, y + QuietZone, 0);
        }
    }
    return image.scaled(side * moduleSize, side * moduleSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace pantrex

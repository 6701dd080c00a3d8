#include "live/qrcode.h"

#include <qrencode.h>

#include <memory>

QrCode encodeQr(const QByteArray &text)
{
    // Case-sensitive 8-bit mode: an address's path and query keep their case.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    QrCode qr;
    if (!code || text.isEmpty())
        return qr;
    qr.size = code->width;
    qr.dark.resize(qsizetype(qr.size) * qr.size);
    for (qsizetype i = 0; i < qr.dark.size(); ++i)
        qr.dark[i] = code->data[i] & 1; // the lowest bit is the module's colour
    return qr;
}

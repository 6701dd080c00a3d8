#pragma once

#include <QByteArray>
#include <QList>

// A QR code as modules, dark or light, row by row, without its quiet zone.
struct QrCode
{
    int size = 0; // modules per side; 0 when the text could not be encoded
    QList<bool> dark;
    bool isDark(int x, int y) const { return dark[qsizetype(y) * size + x]; }
};

// The QR code of text (an address for the phones), at error correction level M.
QrCode encodeQr(const QByteArray &text);

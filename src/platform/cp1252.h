#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252 with our own table: Qt 6 does not promise a cp1252 codec everywhere.
// The five bytes that Windows-1252 leaves undefined map to U+0081, U+008D, U+008F, U+0090
// and U+009D, so every byte round-trips.
namespace cp1252 {

QString decode(QByteArrayView bytes);

// Characters outside the table become '?' and clear *ok.
QByteArray encode(const QString &text, bool *ok = nullptr);

bool canEncode(const QString &text);

// The first character of text that cannot be stored, or a null QChar when all can.
QChar firstUnencodable(const QString &text);

} // namespace cp1252

#pragma once

#include <QString>

// A count in French words, which take 0 and 1 as singular: one and many hold %1 for the number,
// plural(n, "%1 table saisie", "%1 tables saisies").
inline QString plural(qsizetype n, const QString &one, const QString &many)
{
    return (n > 1 ? many : one).arg(n);
}

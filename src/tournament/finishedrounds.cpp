#include "tournament/finishedrounds.h"

#include "tournament/lines.h"

void FinishedRounds::append(const QStringList &lines)
{
    Figures f;
    f.playerNumbers.reserve(size_t(lines.size()));
    f.values.reserve(size_t(lines.size()));
    for (const QString &line : lines) {
        const lines::KeyValue s = lines::splitAtFirstEquals(line);
        const std::optional<lines::SeatCode> seat = s.hasEquals ? lines::parseSeatCode(s.key) : std::nullopt;
        f.playerNumbers.push_back(seat ? 4 * (seat->table - 1) + lines::seatIndex(seat->letter) + 1 : 0);
        f.values.push_back(lines::lenientValue(s.text));
    }
    m_lines.append(lines);
    m_figures.push_back(std::move(f));
}

void FinishedRounds::truncate(qsizetype n)
{
    if (n >= m_lines.size())
        return;
    m_lines.resize(qMax<qsizetype>(0, n));
    m_figures.resize(size_t(m_lines.size()));
}

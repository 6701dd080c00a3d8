#pragma once

#include <QList>
#include <QStringList>

#include <vector>

// The scores of the finished rounds: each line as typed, and beside it what the rankings count,
// read once when the round is finished or loaded. A finished round never changes, so the two
// cannot drift apart: rounds are only appended, dropped from the end or cleared.
class FinishedRounds
{
public:
    // One round's lines read for the rankings.
    struct Figures
    {
        std::vector<qint64> playerNumbers; // of a usual seat code ("S12"), else 0
        std::vector<qint64> values;        // the lenient value of the text after "="
    };

    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Round n (from 0); empty past the end.
    QStringList value(qsizetype i) const { return m_lines.value(i); }
    const Figures &figures(qsizetype i) const { return m_figures[size_t(i)]; }

    void append(const QStringList &lines);
    FinishedRounds &operator<<(const QStringList &lines)
    {
        append(lines);
        return *this;
    }
    void truncate(qsizetype n);
    void clear() { truncate(0); }

    QList<QStringList>::const_iterator begin() const { return m_lines.cbegin(); }
    QList<QStringList>::const_iterator end() const { return m_lines.cend(); }

private:
    QList<QStringList> m_lines;
    std::vector<Figures> m_figures;
};

#include "season/seasondocument.h"

#include <QFileInfo>

#include <algorithm>

Outcome SeasonDocument::save(const QString &path)
{
    Outcome outcome = season::saveSeason(m_season, path);
    if (!outcome.ok())
        return outcome;
    m_fileName = path;
    m_saved = m_season;
    m_modified = false;
    tell();
    return outcome;
}

season::OpenedSeason SeasonDocument::open(const QString &path)
{
    season::OpenedSeason opened = season::openSeason(path);
    if (!opened.outcome.ok())
        return opened;
    m_season = m_saved = opened.season;
    m_fileName = path;
    m_modified = false;
    tell();
    return opened;
}

void SeasonDocument::revert()
{
    m_season = m_saved;
    m_modified = false;
    tell();
}

QStringList SeasonDocument::addEvenings(const QStringList &paths)
{
    QStringList already;
    const qsizetype before = m_season.evenings.size();
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (std::any_of(m_season.evenings.begin(), m_season.evenings.end(),
                        [&](const season::Evening &e) { return e.path == absolute; })) {
            already.append(path);
            continue;
        }
        m_season.evenings.append(season::readEvening(absolute));
    }
    if (m_season.evenings.size() > before)
        changed();
    return already;
}

void SeasonDocument::removeEvening(qsizetype index)
{
    if (index < 0 || index >= m_season.evenings.size())
        return;
    m_season.evenings.removeAt(index);
    changed();
}

void SeasonDocument::setRule(const season::Rule &rule)
{
    if (rule == m_season.rule)
        return;
    m_season.rule = rule;
    changed();
}

void SeasonDocument::merge(const season::NamePair &pair)
{
    m_season.merges.append(pair);
    changed();
}

void SeasonDocument::keepApart(const season::NamePair &pair)
{
    m_season.keptApart.append(pair);
    changed();
}

void SeasonDocument::takeBack(qsizetype decision)
{
    if (decision < 0 || decision >= m_season.merges.size() + m_season.keptApart.size())
        return;
    season::takeBack(m_season, decision);
    changed();
}

void SeasonDocument::listen(const QObject *context, std::function<void()> listener)
{
    m_listeners.add(context, std::move(listener));
}

void SeasonDocument::changed()
{
    m_modified = true;
    tell();
}

void SeasonDocument::tell()
{
    m_listeners.tell();
}

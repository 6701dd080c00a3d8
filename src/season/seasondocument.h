#pragma once

#include "platform/listeners.h"
#include "platform/outcome.h"
#include "season/season.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The season the director is working on, and its file: the season itself, the file it was last
// saved to or opened from (empty until then), whether it changed since, and the season as it was
// then. Only its methods change it; each change tells the listeners.
class SeasonDocument
{
public:
    SeasonDocument() = default;
    SeasonDocument(const SeasonDocument &) = delete;
    SeasonDocument &operator=(const SeasonDocument &) = delete;

    const season::Season &season() const { return m_season; }
    // The season file, empty until the season is saved or opened.
    const QString &fileName() const { return m_fileName; }
    // Whether the season changed since it was last saved or opened.
    bool isModified() const { return m_modified; }

    // Writes the season file (season::saveSeason); on success the season is named by it and no
    // longer modified, on failure nothing changes.
    Outcome save(const QString &path);
    // Reads a season file (season::openSeason). Unless the file itself could not be read, its
    // season replaces this one, named by the file and not modified.
    season::OpenedSeason open(const QString &path);
    // The season as last saved or opened (empty when never), not modified.
    void revert();

    // The changes the director makes; each one leaves the season modified.
    // Adds the tournament files not in the season yet, in order (each read by season::readEvening),
    // and returns those already in it, as given.
    QStringList addEvenings(const QStringList &paths);
    void removeEvening(qsizetype index);
    // An equal rule changes nothing.
    void setRule(const season::Rule &rule);
    void merge(const season::NamePair &pair);
    void keepApart(const season::NamePair &pair);
    // Takes back a decision, numbered as season::decisions lists them (season::takeBack).
    void takeBack(qsizetype decision);

    // Calls listener after every change, as long as context (not null) lives.
    void listen(const QObject *context, std::function<void()> listener);

private:
    void changed();
    void tell();

    season::Season m_season;
    season::Season m_saved; // as last saved or opened: what revert() brings back
    QString m_fileName;
    bool m_modified = false;
    Listeners<> m_listeners;
};

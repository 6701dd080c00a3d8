// The tournament file's bytes as Open reads them: its sections, and the working file each one
// restores. A section may only ever name a plain file of the working directory, and the
// sections written back read the same.

#include "inmemory.h"
#include "store/tournamentfile.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<Section> sections;
    if (!parseTournament(fuzzing::bytesOf(data, size), sections))
        return 0;
    fuzzing::require(!sections.isEmpty(), "a file taken up has a first section");

    static const QRegularExpression working(QStringLiteral("^([a-z0-9_]+\\.tmp|INITIAL\\.TMP)$"));
    QStringList written;
    for (const Section &section : std::as_const(sections)) {
        fuzzing::require(working.match(sectionFile(section.name)).hasMatch(), "a section restores a working file");
        written << QLatin1Char('[') + section.name + QLatin1Char(']') << section.lines;
    }
    QList<Section> again;
    fuzzing::require(parseTournament(joinLines(written), again), "the sections written back are a tournament file");
    fuzzing::require(again.size() == sections.size(), "the sections written back are the same");
    for (qsizetype i = 0; i < sections.size(); ++i)
        fuzzing::require(again[i].name == sections[i].name && again[i].lines == sections[i].lines,
                         "the sections written back are the same");
    return 0;
}

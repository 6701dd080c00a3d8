// Hostile tournament and working files: Open, then every reader of the working files
// (diagnostic, rankings, recovery) over what it restored, then over a raw working file.
// Nothing may crash, hang, or write outside the working directory.

#include "tournament/tournament.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "rankings/ranking.h"
#include "store/diagnostic.h"
#include "store/recovery.h"
#include "store/takeup.h"
#include "store/tournamentfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

// Answers the recovery's questions from the input's own bits.
class InputMessages : public Messages
{
public:
    using Messages::show;
    Button show(const QString &, const QString &, Icon, int buttons) override
    {
        if (buttons == Ok)
            return Ok;
        const bool yes = (bits >> (asked++ % 8)) & 1;
        return yes ? Yes : No;
    }
    unsigned bits = 0xff;
    unsigned asked = 0;
};

class NightClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 8), QTime(23, 0)); }
};

struct Sandbox
{
    QTemporaryDir root;
    QString work = root.filePath(QStringLiteral("work"));
    QString input = root.filePath(QStringLiteral("input.trt"));
    InputMessages messages;
    NightClock clock;

    Sandbox()
    {
        QDir().mkpath(work);
        Platform services;
        services.messages = &messages;
        services.clock = &clock;
        services.files = WorkingFiles(work);
        installPlatform(services);
    }

    void clear() const
    {
        QDir dir(work);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            dir.remove(name);
    }

    // Only working files, in the working directory; nothing beside it.
    void checkConfined() const
    {
        const QStringList beside = QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (beside != QStringList{QStringLiteral("input.trt"), QStringLiteral("work")})
            std::abort();
        static const QRegularExpression allowed(QStringLiteral("^([a-z0-9_]+\\.tmp|INITIAL\\.TMP|classgen\\.dia)$"));
        const QStringList inside = QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &name : inside)
            if (!allowed.match(name).hasMatch() || !QFileInfo(QDir(work).filePath(name)).isFile())
                std::abort();
    }
};

void readEverything(Tournament &state)
{
    (void)diagnose(state, platform().files, platform().clock->now());
    for (int round = 1; round <= state.currentRound() && round <= 64; ++round)
        roundRanking(state, round);
    for (const tableentry::Submission &s : tableentry::waitingSubmissions(state)) {
        (void)tableentry::refusalOfSubmission(state, s);
        (void)tableentry::wouldReplace(state, s.table);
        (void)tableentry::isTableCode(state, s.table, s.scores[0]);
    }
}

const char *const rawTargets[] = {"inscrits.tmp", "position.tmp", "tour.tmp",  "tour1.tmp", "tour2.tmp",
                                  "depl.tmp",     "penal.tmp",    "exclu.tmp", "codes.tmp", "propositions.tmp"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Sandbox sandbox;
    sandbox.clear();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(sandbox.input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }

    Tournament state;
    (void)openTournament(state, platform().files, sandbox.input); // refusals are expected here
    sandbox.checkConfined();
    readEverything(state);

    // The same bytes as one working file beside what Open restored.
    if (size > 0) {
        (void)platform().files.write(QLatin1String(rawTargets[data[0] % std::size(rawTargets)]),
                                     splitLines(bytes.mid(1)));
        Tournament taken;
        (void)takeUpTournament(taken, platform().files);
        readEverything(taken);
    }

    sandbox.messages.bits = size > 0 ? data[size - 1] : 0xff;
    sandbox.messages.asked = 0;
    Tournament recovered;
    Recovery recovery(recovered);
    while (const std::optional<Prompt> question = recovery.question())
        (void)recovery.answer(sandbox.messages.show(*question) == Messages::Yes);
    (void)recovery.finish();
    readEverything(recovered);
    sandbox.checkConfined();
    return 0;
}

// What a table's captain may send from a phone: any content type (the input's first line) and body
// (the rest), read as a submission and checked against a small fixed tournament's round.

#include "inmemory.h"
#include "live/tableentry.h"
#include "rounds/rounds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const qsizetype newline = bytes.indexOf('\n');
    const QByteArrayView type = newline < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(newline);
    const QByteArrayView body = newline < 0 ? QByteArrayView() : QByteArrayView(bytes).sliced(newline + 1);
    const tableentry::Sent sent = tableentry::readSent(type, body);
    if (!sent.refusal.isEmpty())
        return 0;
    const Tournament &state = fuzzing::liveTournament();
    if (!tableentry::refusalOfSubmission(state, sent.submission).isEmpty())
        return 0;
    // Taken: the round's own table, four whole numbers that balance, as score entry would record them.
    fuzzing::require(sent.submission.round == state.currentRound(), "the round in progress");
    fuzzing::require(sent.submission.table >= 1 && sent.submission.table <= state.tableCount(), "a table of it");
    qint64 sum = 0;
    for (const QString &score : sent.submission.scores) {
        const std::optional<qint64> value = rounds::scoreValue(score);
        fuzzing::require(value.has_value() && !score.isEmpty(), "four whole numbers");
        sum += *value;
    }
    fuzzing::require(sum == 0, "a sum of 0");
    return 0;
}

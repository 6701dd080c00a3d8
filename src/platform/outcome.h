#pragma once

#include <QString>

// Result of an operation that may fail on a file: empty error means success.
// The error is a French sentence naming the file and the system's reason, ready to show.
struct Outcome
{
    QString error;

    bool ok() const { return error.isEmpty(); }
    static Outcome success() { return {}; }
    static Outcome failure(const QString &message) { return {message}; }
};

#pragma once

#include <QString>

#include <utility>

// Result of an operation that may fail on a file: empty error means success.
// The error is a French sentence naming the file and the system's reason, ready to show.
struct [[nodiscard]] Outcome
{
    QString error;

    bool ok() const { return error.isEmpty(); }
    static Outcome success() { return {}; }
    static Outcome failure(const QString &message) { return {message}; }
};

// A value, or the French sentence that says why there is none; or, for work that stops part way,
// what was done before the failure, with the failure.
template<class T>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Outcome failure) : m_outcome(std::move(failure)) {}
    Result(T partial, Outcome failure) : m_value(std::move(partial)), m_outcome(std::move(failure)) {}

    bool ok() const { return m_outcome.ok(); }
    const Outcome &outcome() const { return m_outcome; }
    const T &value() const { return m_value; }
    T &value() { return m_value; }

private:
    T m_value{};
    Outcome m_outcome;
};

#pragma once

#include <QDateTime>
#include <random>

// A uniform integer in 0..m-1.
class Random
{
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    virtual int next(int m) = 0;
};

class StdRandom : public Random
{
public:
    void seedFromClock() override { m_engine.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch())); }
    int next(int m) override { return m <= 1 ? 0 : std::uniform_int_distribution<int>(0, m - 1)(m_engine); }

private:
    std::mt19937 m_engine;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

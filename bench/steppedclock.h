#pragma once

#include <QAnimationDriver>

// The animation clock of the memory benchmarks: it only moves when told. Replaced screens fade
// out over 350 ms; on the wall clock, how many of them overlap depends on the machine's load,
// and the allocator's high-water mark (so resident memory after a trim) follows the largest
// overlap seen. Moving the clock a fixed step per round trip keeps that overlap the same from
// the first cycles on, so growth between checkpoints shows what is kept, not how busy the
// machine was.
class SteppedClock : public QAnimationDriver
{
public:
    SteppedClock() { install(); }
    ~SteppedClock() override { uninstall(); }

    qint64 elapsed() const override { return m_elapsed; }

    // Moves the clock on by ms and runs the animations up to then.
    void step(qint64 ms)
    {
        m_elapsed += ms;
        advance();
    }

private:
    qint64 m_elapsed = 0;
};

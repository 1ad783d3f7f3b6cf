// What a calibration may do on the line, handed to it by the session: command frames, its
// parameter block, the close of a block left open, and a paced wait. The session stays the
// one that knows what went out (an open block, the function switches turned off), so the
// calibrations never hold the line itself.
#pragma once

#include <QList>
#include <functional>
#include <utility>

class KalSender {
public:
    virtual ~KalSender() = default;

    // One command frame; false when it did not reach an open line.
    virtual bool frame(int nummer, int wert) = 0;
    // The frames of a parameter block in order, paced; weiter() is asked before each frame
    // and false stops there. True only when every frame went out on a line that stayed open.
    virtual bool block(const QList<std::pair<int, int>>& frames,
                       const std::function<bool()>& weiter) = 0;
    // A block opened on the DSP and not yet closed gets its (108, 0) now.
    virtual void blockSchliessen() = 0;
    // Waits ms milliseconds while events run.
    virtual void warten(int ms) = 0;

protected:
    KalSender() = default;
    KalSender(const KalSender&) = default;
    KalSender& operator=(const KalSender&) = default;
};

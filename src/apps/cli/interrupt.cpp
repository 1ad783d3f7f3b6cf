#include "interrupt.h"

#include "app/signalbruecke.h"

#include <csignal>

Interrupt::Interrupt(QObject* parent) : QObject(parent) {
    auto* bruecke = new SignalBruecke(this);
    connect(bruecke, &SignalBruecke::angekommen, this, [this] {
        m_triggered = true;
        emit interrupted();
    });
    bruecke->freigeben();
#ifdef Q_OS_UNIX
    // A reader that goes away ("| head") must not kill the program in the middle of a
    // transfer: the write fails instead, and the run ends in order.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

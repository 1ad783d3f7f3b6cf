// The window's paced senders: thin delegates to the Link, which owns the waits.
#include "app/vantrel.h"
#include "link/link.h"

#include <QTimer>

void vantrel::testtimerstop() {
    // The waits keep their own deadlines; this timer only stays for its name's sake.
    testtimer->stop();
}

void vantrel::warten(int ms) {
    m_link->warten(ms);
}
void vantrel::sendepic(int value) {
    m_link->sendepic(value);
}
void vantrel::sendedsp(int value) {
    m_link->sendedsp(value);
}
void vantrel::sendeparam(int value) {
    m_link->sendeparam(value);
}
void vantrel::dspframe(int number, int value) {
    m_link->dspframe(number, value);
}
bool vantrel::rs232leeren() {
    return m_link->rs232leeren();
}

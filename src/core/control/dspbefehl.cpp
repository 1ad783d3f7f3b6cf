#include "dspbefehl.h"

namespace dspbefehl {

int befehlsbyte(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok ? (n & 0xFF) : 0;
}

} // namespace dspbefehl

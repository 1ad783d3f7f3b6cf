// Parameter files on arbitrary bytes: every line lands in an entry of the table or is
// skipped, never outside it.
#include "parameters/parameterfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParameterTabelle table;
    const QStringList lines =
        parameterLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const int stored = applyParameterLines(table, lines, true, {});
    if (stored < 0 || stored > lines.size())
        __builtin_trap();
    for (const TParameter& p : table)
        if (p.x != p.x)
            __builtin_trap();
    return 0;
}

// The configuration file reader and the settings record on arbitrary file contents.
#include "app/configfile.h"
#include "app/einstellungen.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigFile cfg;
    cfg.loadData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    TEinstellungen e;
    int vesknr = 0;
    e.read(cfg, &vesknr);
    if (vesknr < 0 || vesknr > 2 || e.picrs232writetime < 0)
        __builtin_trap();
    e.write(cfg, vesknr);
    return 0;
}

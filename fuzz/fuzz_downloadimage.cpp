// Firmware text, filter list lines and coefficient words on arbitrary bytes: the image is
// built without reading past anything, and its checksum stays within 15 bits.
#include "download/downloadimage.h"
#include "download/firmwarefile.h"
#include "parameters/filterlist.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    DownloadImage image;
    const QStringList lines = firmwareZeilen(bytes);
    image.dspfileparsen(lines, {});
    for (const QString& l : lines)
        parseFilterZeile(l);
    const QByteArray words = koeffizientenWorte(QString::fromLatin1(bytes));
    if (words.size() % 3 != 0)
        __builtin_trap();
    image.checksummeanhaengen({});
    if (image.checksumme < 0 || image.checksumme > 32767 || !image.buffer.endsWith('\r'))
        __builtin_trap();
    return 0;
}

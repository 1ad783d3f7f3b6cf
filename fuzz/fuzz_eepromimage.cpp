// An EEPROM image as a restore reads it from any file: the image goes out as it is, so what
// is read out of it is its parameter area (the part of the EEPROM the read-back returns) and
// the echo-error box that names a byte of it. The area lands in entries 10..99 only, and the
// box names the address and both bytes so that they read back as the image held them.
#include "download/eeprombackup.h"
#include "download/picdownload.h"
#include "parameters/parametertabelle.h"
#include "parameters/parametertransfer.h"

#include <QRegularExpression>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Short inputs stand for the tail of an image: they are placed at the parameter area.
    constexpr int bereichStart = 0xFC00;
    const QByteArray image(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray bereich = image.size() > bereichStart
                                   ? image.mid(bereichStart, parameter::kBereichGroesse)
                                   : image.left(parameter::kBereichGroesse);
    ParameterTabelle tabelle;
    resetParameterTabelle(tabelle);
    const ParameterTabelle vorher = tabelle;
    parameter::uebernehmeBereich(tabelle, bereich);
    for (int nr = 0; nr < 100; ++nr) {
        const TParameter& p = tabelle[size_t(nr)];
        if (nr < 10 && !(p == vorher[size_t(nr)]))
            __builtin_trap();
        if (p.name != vorher[size_t(nr)].name || p.x != vorher[size_t(nr)].x)
            __builtin_trap();
    }

    if (image.isEmpty())
        return 0;
    const qint64 index = qint64(quint32(data[0]) | quint32(data[size - 1]) << 8) %
                         qMax<qint64>(1, download::kEepromGroesse);
    const quint8 gesendet = quint8(image.at(qsizetype(index % image.size())));
    const quint8 empfangen = quint8(~gesendet);
    const TransferResult r = download::echoFehler(index, gesendet, empfangen);
    static const QRegularExpression form(
        QStringLiteral("^Adresse ([0-9a-f]{4}) File:([0-9a-f]{1,2}) Pic:([0-9a-f]{1,2})$"));
    const QRegularExpressionMatch m = form.match(r.text);
    if (!r.failed() || !m.hasMatch() || m.captured(1).toLongLong(nullptr, 16) != index ||
        m.captured(2).toInt(nullptr, 16) != gesendet ||
        m.captured(3).toInt(nullptr, 16) != empfangen)
        __builtin_trap();
    const QString text = download::sicherungUnvollstaendig(QStringLiteral("x.bin"), image.size());
    if (!text.contains(QString::number(image.size())))
        __builtin_trap();
    return 0;
}

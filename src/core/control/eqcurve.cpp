#include "eqcurve.h"

#include "download/linereader.h"

namespace eqcurve {

namespace {
// Gain codes of the slider values 0, -1, ... -12, -13 (the low byte is always 0).
constexpr std::array<quint32, 14> kCodes = {0x7FFF00, 0x721500, 0x65AD00, 0x5A9E00, 0x50C300,
                                            0x47FB00, 0x402700, 0x392D00, 0x32F500, 0x2D6B00,
                                            0x287A00, 0x241300, 0x202700, 0x000000};

// A sound line is six digits; anything far longer cannot be a gain code.
constexpr qint64 kLineKeep = 64;

int sideValue(Side side) {
    return side == Side::Tx ? 1 : 0;
}
} // namespace

quint32 codeForValue(int value) {
    if (value < kMinValue || value > kMaxValue)
        return kCodes[0];
    return kCodes[size_t(-value)];
}

int valueForCode(quint32 code) {
    for (size_t i = 0; i < kCodes.size(); ++i)
        if (kCodes[i] == code)
            return -int(i);
    return 0;
}

int valueForLine(QByteArrayView line) {
    bool ok = false;
    const qulonglong code = line.trimmed().toULongLong(&ok, 16);
    if (!ok || code > 0xFFFFFFu)
        return 0;
    return valueForCode(quint32(code));
}

QList<int> readCurve(const QByteArray& bytes) {
    LineReader in;
    in.setData(bytes);
    QList<int> values;
    while (values.size() < kBands && !in.atEnd()) {
        const QByteArray line = in.readLineBytes();
        values.append(line.size() <= kLineKeep ? valueForLine(line) : 0);
    }
    return values;
}

QByteArray curveFileBytes(const Curve& curve) {
    QByteArray out;
    out.reserve(kBands * 8);
    for (int value : curve) {
        out.append(QByteArray::number(codeForValue(value), 16).toUpper().rightJustified(6, '0'));
        out.append("\r\n");
    }
    return out;
}

QList<Frame> bandFrames(Side side, int band, int value) {
    const quint32 code = codeForValue(value);
    return {{kCmdBand, band & 0xFF},
            {kCmdHigh, int((code >> 16) & 0xFF)},
            {kCmdMiddle, int((code >> 8) & 0xFF)},
            {kCmdEnd, sideValue(side)}};
}

QList<Frame> curveOpenFrames(Side side) {
    if (side == Side::Tx)
        return {{kCmdTxCurve, 1}, {kCmdOpen, 1}};
    return {{kCmdRxCurve, 1}, {kCmdOpen, 0}};
}

QList<Frame> curveBandFrames(int value) {
    const quint32 code = codeForValue(value);
    return {{kCmdHigh, int((code >> 16) & 0xFF)}, {kCmdMiddle, int((code >> 8) & 0xFF)}};
}

Frame curveCloseFrame(Side side) {
    return {kCmdEnd, sideValue(side)};
}

QList<Frame> curveFrames(Side side, const Curve& curve) {
    QList<Frame> frames = curveOpenFrames(side);
    for (int value : curve)
        frames.append(curveBandFrames(value));
    frames.append(curveCloseFrame(side));
    return frames;
}

} // namespace eqcurve

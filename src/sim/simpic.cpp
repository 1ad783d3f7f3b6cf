#include "simpic.h"

#include "simconsole.h"
#include "simtransceiver.h"

#include <QTimer>

namespace {
constexpr int kBlockLength = 104; // 13 x "#", CR, 90 values
constexpr int kBlocks = 9;
constexpr int kHeader = 7; // "$", "D", memory, address (2), count (2)

QString hex2(quint8 v) {
    return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0'));
}
} // namespace

SimPic::SimPic(SimTransceiver* sim, QObject* parent)
    : QObject(parent), m_sim(sim), m_timer(new QTimer(this)), m_eeprom(eepromSize, char(0xFF)) {
    m_sim->setPart(SimTransceiver::Mode::Pic, this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &SimPic::sendMore);
}

SimPic::~SimPic() {
    if (m_sim->part(SimTransceiver::Mode::Pic) == this)
        m_sim->setPart(SimTransceiver::Mode::Pic, nullptr);
}

void SimPic::clearFaults() {
    m_syncScript.clear();
    m_syncLetter = 0;
    m_wrongAt = -1;
    m_wrongValue = -1;
    m_silentAfter = -1;
    m_dropAfter = -1;
}

void SimPic::setSendRate(int bytes, int intervalMs) {
    m_chunk = qMax(1, bytes);
    m_interval = qMax(0, intervalMs);
    m_timer->setInterval(m_interval);
}

void SimPic::leave() {
    m_timer->stop();
    m_state = State::Idle;
}

void SimPic::fault(const QString& text) {
    m_errors.append(text);
}

void SimPic::begin(State state) {
    m_sim->setMode(SimTransceiver::Mode::Pic);
    m_timer->stop();
    m_state = state;
    m_parseImage = false;
    m_answers = 0;
    m_syncBytes = 0;
    m_dataBytes = 0;
    m_address = 0;
    m_imageBytes = 0;
    m_record.clear();
    m_recordLeft = 0;
    m_block.clear();
    m_errors.clear();
    m_sendData.clear();
    m_sendPos = 0;
    m_silent = false;
}

bool SimPic::key(QChar k) {
    if (k == QLatin1Char('0')) {
        m_timer->stop();
        m_state = State::Idle;
        m_sim->setMode(SimTransceiver::Mode::DspLoader);
    } else if (k == QLatin1Char('#')) {
        begin(State::Sync);
        m_parseImage = true;
    } else if (k == QLatin1Char('1')) {
        begin(State::Parameter);
    } else {
        return false;
    }
    return true;
}

bool SimPic::function(int number) {
    switch (number) {
    case 999:
        // Warm start: the PIC loads the DSP from its EEPROM and the set runs again.
        m_timer->stop();
        m_state = State::Idle;
        m_sim->setMode(SimTransceiver::Mode::RunningDsp);
        return true;
    case 997:
        begin(State::Send);
        m_sendData = m_eeprom;
        m_timer->start();
        return true;
    case 996:
        begin(State::Sync);
        return true;
    case 995:
        begin(State::Send);
        m_sendData = m_eeprom.mid(parameterArea, parameterAreaSize);
        m_timer->start();
        return true;
    default:
        return false;
    }
}

QByteArray SimPic::parameterValues() const {
    return m_eeprom.mid(parameterArea, kBlocks * 90);
}

bool SimPic::answer(quint8 value) {
    if (m_silent)
        return false;
    if (m_dropAfter >= 0 && m_answers >= m_dropAfter) {
        m_silent = true;
        m_sim->hangUp();
        return false;
    }
    if (m_silentAfter >= 0 && m_answers >= m_silentAfter) {
        m_silent = true;
        return false;
    }
    ++m_answers;
    return m_sim->send(QByteArray(1, char(value)));
}

void SimPic::byte(quint8 value, qint64) {
    switch (m_state) {
    case State::Sync: {
        quint8 reply = '?';
        if (value == '#')
            reply = '#';
        else if (value == 'x')
            reply = m_syncLetter ? quint8(m_syncLetter) : quint8('x');
        if (m_syncBytes < m_syncScript.size())
            reply = quint8(m_syncScript[m_syncBytes]);
        ++m_syncBytes;
        if (!answer(reply))
            return;
        if (value == 'x' && reply == 'x')
            m_state = State::Write;
        return;
    }
    case State::Write:
    case State::Parameter:
        writeByte(value);
        return;
    case State::Idle:
    case State::Send:
        return;
    }
}

void SimPic::writeByte(quint8 value) {
    if (m_silent)
        return;
    const int k = m_dataBytes++;
    quint8 stored = value;
    if (k == m_wrongAt)
        stored = m_wrongValue < 0 ? quint8(value ^ 0x01) : quint8(m_wrongValue);

    if (m_state == State::Parameter) {
        parameterByte(value);
    } else if (m_parseImage) {
        imageByte(value);
    } else {
        m_eeprom[m_address & (eepromSize - 1)] = char(value);
        ++m_address;
    }
    // What the cell reads back is what the PIC returns, a faulty one included.
    if (k == m_wrongAt) {
        if (m_state == State::Parameter || (m_parseImage && !m_block.isEmpty())) {
            const int idx = int(m_block.size()) - 1;
            const int o = idx % kBlockLength;
            if (idx < kBlocks * kBlockLength && o >= 14)
                m_eeprom[parameterArea + (idx / kBlockLength) * 90 + o - 14] = char(stored);
        } else {
            m_eeprom[(m_address - 1) & (eepromSize - 1)] = char(stored);
        }
    }
    if (!answer(stored))
        return;

    const bool blockDone = m_block.size() == parameterBlockSize;
    const bool restoreDone = !m_parseImage && m_state == State::Write && m_address == eepromSize;
    if (blockDone || restoreDone) {
        m_state = State::Idle;
        m_sim->setMode(SimTransceiver::Mode::RunningDsp);
    }
}

void SimPic::imageByte(quint8 value) {
    // The image is a run of load records; a "#" where a record would start opens the
    // parameter block, which goes to its own area.
    if (!m_block.isEmpty() || (m_record.isEmpty() && m_recordLeft == 0 && value == '#')) {
        parameterByte(value);
        return;
    }
    if (m_address == parameterArea)
        fault(QStringLiteral("Bild reicht in den Parameterbereich"));
    m_eeprom[m_address & (eepromSize - 1)] = char(value);
    ++m_address;
    ++m_imageBytes;
    if (m_recordLeft > 0) {
        --m_recordLeft;
        return;
    }
    m_record.append(char(value));
    const qsizetype n = m_record.size();
    const bool bad = (n == 1 && value != '$') || (n == 2 && value != 'D') ||
                     (n == 3 && value != 'P' && value != 'D');
    if (bad) {
        fault(QStringLiteral("Bild: %1 an Stelle %2 eines Satzkopfs").arg(hex2(value)).arg(n - 1));
        // Without a record layout the rest is taken as it comes.
        m_parseImage = false;
        return;
    }
    if (n == kHeader) {
        const int count = quint8(m_record[5]) * 256 + quint8(m_record[6]);
        m_recordLeft = count * (m_record[2] == 'P' ? 3 : 2) + 1;
        m_record.clear();
    }
}

void SimPic::parameterByte(quint8 value) {
    const int idx = int(m_block.size());
    if (idx >= parameterBlockSize)
        return;
    m_block.append(char(value));
    const int b = idx / kBlockLength;
    const int o = idx % kBlockLength;
    quint8 want = 0;
    if (b >= kBlocks || o < 13)
        want = '#';
    else if (o == 13)
        want = '\r';
    else {
        m_eeprom[parameterArea + b * 90 + o - 14] = char(value);
        return;
    }
    if (value != want)
        fault(QStringLiteral("Parameterblock: %1 an Stelle %2").arg(hex2(value)).arg(idx));
}

void SimPic::sendMore() {
    if (m_state != State::Send || m_silent) {
        m_timer->stop();
        return;
    }
    qsizetype n = qMin<qsizetype>(m_chunk, m_sendData.size() - m_sendPos);
    if (m_dropAfter >= 0 && m_answers + n >= m_dropAfter) {
        n = m_dropAfter - m_answers;
    } else if (m_silentAfter >= 0 && m_answers + n >= m_silentAfter) {
        n = m_silentAfter - m_answers;
    }
    const qsizetype sent = n > 0 ? m_sim->sendSome(m_sendData.mid(m_sendPos, n)) : 0;
    if (sent < 0) {
        m_timer->stop();
        m_state = State::Idle;
        return;
    }
    m_sendPos += int(sent);
    m_answers += int(sent);
    if (m_dropAfter >= 0 && m_answers >= m_dropAfter) {
        m_timer->stop();
        m_silent = true;
        m_sim->hangUp();
        return;
    }
    if (m_silentAfter >= 0 && m_answers >= m_silentAfter) {
        m_timer->stop();
        m_silent = true;
        return;
    }
    if (m_sendPos >= m_sendData.size()) {
        m_timer->stop();
        m_state = State::Idle;
        emit sendFinished();
        m_sim->setMode(SimTransceiver::Mode::RunningDsp);
    }
}

void SimPic::addCommands(SimConsole& console) {
    console.addCommand(QStringLiteral("taste"), [this](const QStringList& a) {
        if (!a.isEmpty() && a[0].size() == 1)
            key(a[0][0]);
    });
    console.addCommand(QStringLiteral("funktion"), [this](const QStringList& a) {
        if (!a.isEmpty())
            function(a[0].toInt());
    });
    console.addCommand(QStringLiteral("fehler"), [this](const QStringList& a) {
        const QString what = a.value(0).toLower();
        const QString arg = a.value(1);
        if (what == QLatin1String("sync") && !arg.isEmpty())
            setSyncLetter(arg.at(0).toLatin1());
        else if (what == QLatin1String("echo") && !arg.isEmpty())
            setWrongEcho(arg.toInt(), a.size() > 2 ? a[2].toInt(nullptr, 16) : -1);
        else if (what == QLatin1String("still") && !arg.isEmpty())
            setSilentAfter(arg.toInt());
        else if (what == QLatin1String("trennen") && !arg.isEmpty())
            setDropAfter(arg.toInt());
        else if (what == QLatin1String("aus"))
            clearFaults();
    });
}

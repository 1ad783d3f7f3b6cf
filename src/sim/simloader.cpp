#include "simloader.h"

#include "simtransceiver.h"

namespace {
// Both memories of the DSP hold 16K words.
constexpr int kWords = 0x4000;
constexpr int kHeader = 7; // "$", "D", memory, address (2), count (2)

QString hex2(quint8 v) {
    return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0'));
}
} // namespace

SimLoader::SimLoader(SimTransceiver* sim, QObject* parent)
    : QObject(parent), m_sim(sim), m_program(kWords, -1), m_data(kWords, -1) {
    m_sim->setPart(SimTransceiver::Mode::DspLoader, this);
    connect(m_sim, &SimTransceiver::frameReceived, this, [this](const SimFrame& f) {
        // The running firmware jumps into its loader on this command.
        if (m_followFrame && f.number == 111 && m_sim->mode() == SimTransceiver::Mode::RunningDsp)
            m_sim->setMode(SimTransceiver::Mode::DspLoader);
    });
}

SimLoader::~SimLoader() {
    if (m_sim->part(SimTransceiver::Mode::DspLoader) == this)
        m_sim->setPart(SimTransceiver::Mode::DspLoader, nullptr);
}

void SimLoader::enter() {
    m_state = State::WaitStart;
    m_window.clear();
    m_current.clear();
    m_resync = false;
}

qint32 SimLoader::programWord(int address) const {
    return address >= 0 && address < kWords ? m_program[address] : -1;
}

qint32 SimLoader::dataWord(int address) const {
    return address >= 0 && address < kWords ? m_data[address] : -1;
}

void SimLoader::fault(const QString& text) {
    m_errors.append(text);
}

void SimLoader::startLoad() {
    m_state = State::Records;
    m_records.clear();
    m_image.clear();
    m_errors.clear();
    m_current.clear();
    m_window.clear();
    m_resync = false;
    m_sum = 0;
    m_lastMiddle = 0;
    m_checksum = -1;
    m_programLoaded = 0;
    m_dataLoaded = 0;
    m_startAddress = -1;
}

void SimLoader::byte(quint8 value, qint64) {
    switch (m_state) {
    case State::WaitStart:
        m_window.append(char(value));
        if (m_window.size() > 4)
            m_window.remove(0, 1);
        ++m_ignored;
        if (m_window == "$$$\r") {
            m_ignored -= 4;
            startLoad();
        }
        break;
    case State::Records:
        recordByte(value);
        break;
    case State::WaitGo: {
        static const QByteArray go("$GO", 3);
        m_window.append(char(value));
        const qsizetype n = m_window.size();
        if (n <= 3 && m_window != go.left(n)) {
            fault(QStringLiteral("Startsatz: %1 an Stelle %2").arg(hex2(value)).arg(n - 1));
            m_window.clear();
        } else if (n == 6) {
            if (value != '\r') {
                fault(QStringLiteral("Startsatz: %1 statt CR").arg(hex2(value)));
                m_window.clear();
                break;
            }
            m_startAddress = quint8(m_window[3]) * 256 + quint8(m_window[4]);
            m_state = State::Started;
            m_window.clear();
            emit programStarted(m_startAddress);
            m_sim->setMode(SimTransceiver::Mode::RunningDsp);
        }
        break;
    }
    case State::Started:
        ++m_ignored;
        break;
    }
}

void SimLoader::recordByte(quint8 value) {
    if (m_current.isEmpty()) {
        if (value == '$') {
            m_resync = false;
            m_current.append(char(value));
        } else if (value == '#' && !m_resync) {
            m_current.append(char(value));
        } else if (!m_resync) {
            fault(QStringLiteral("Satz %1: %2 statt \"$\"").arg(m_records.size()).arg(hex2(value)));
            m_resync = true;
        }
        return;
    }
    m_current.append(char(value));
    const qsizetype n = m_current.size();
    if (m_current[0] == '#') {
        static const QByteArray end("###\r");
        if (m_current != end.left(n)) {
            fault(QStringLiteral("Endebytes: %1 an Stelle %2").arg(hex2(value)).arg(n - 1));
            m_current.clear();
            m_resync = true;
        } else if (n == end.size()) {
            m_current.clear();
            m_window.clear();
            m_state = State::WaitGo;
        }
        return;
    }
    if (n == 2 && value != 'D') {
        fault(QStringLiteral("Satz %1: %2 statt \"D\"").arg(m_records.size()).arg(hex2(value)));
    } else if (n == 3 && value != 'P' && value != 'D') {
        fault(QStringLiteral("Satz %1: Speicher %2 statt \"P\" oder \"D\"")
                  .arg(m_records.size())
                  .arg(hex2(value)));
    } else {
        if (n == kHeader) {
            const int count = quint8(m_current[5]) * 256 + quint8(m_current[6]);
            m_expected = kHeader + count * (m_current[2] == 'P' ? 3 : 2) + 1;
        }
        if (n < kHeader || n < m_expected)
            return;
        if (value == '\r') {
            finishRecord();
            m_current.clear();
            return;
        }
        fault(
            QStringLiteral("Satz %1: %2 statt CR am Ende").arg(m_records.size()).arg(hex2(value)));
    }
    m_current.clear();
    m_resync = true;
}

void SimLoader::finishRecord() {
    Record r;
    r.memory = m_current[2];
    r.address = quint8(m_current[3]) * 256 + quint8(m_current[4]);
    r.count = quint8(m_current[5]) * 256 + quint8(m_current[6]);
    r.words = m_current.mid(kHeader, m_current.size() - kHeader - 1);
    m_records.append(r);
    m_image.append(m_current);

    const bool program = r.memory == 'P';
    const int size = program ? 3 : 2;
    if (program && r.address == checksumAddress && r.count == 1) {
        // The sum rides in the upper two bytes of the word.
        m_checksum = quint8(r.words[0]) * 256 + quint8(r.words[1]);
        if (r.words[2] != 0)
            fault(QStringLiteral("Checksumme: unteres Byte %1").arg(hex2(quint8(r.words[2]))));
    }
    QVector<qint32>& memory = program ? m_program : m_data;
    for (int j = 0; j < r.count; ++j) {
        const auto* w = reinterpret_cast<const quint8*>(r.words.constData()) + j * size;
        const int address = r.address + j;
        qint32 word = 0;
        if (program) {
            word = (w[0] << 16) | (w[1] << 8) | w[2];
            if (m_checksum < 0) {
                m_sum = (m_sum + w[0] * 256 + w[1] + w[2]) % 32768;
                m_lastMiddle = w[1];
            }
        } else {
            word = (w[0] << 8) | w[1];
            // The device's quirk: a data word borrows the middle byte of the last program
            // word for the sum.
            if (m_checksum < 0)
                m_sum = (m_sum + w[0] * 256 + m_lastMiddle + w[1]) % 32768;
        }
        if (address >= kWords) {
            fault(QStringLiteral("Satz %1: Adresse 0x%2 ausserhalb des Speichers")
                      .arg(m_records.size() - 1)
                      .arg(address, 4, 16, QLatin1Char('0')));
            break;
        }
        memory[address] = word;
        ++(program ? m_programLoaded : m_dataLoaded);
    }
}

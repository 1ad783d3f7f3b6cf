#include "download/linereader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

LineReader::Fehler LineReader::dateiLesen(const QString& path, QByteArray* data, qint64 maxBytes) {
    // Looked at before it is opened: opening a FIFO waits for a writer, and a device such as
    // /dev/zero never ends. An empty name is the working folder, no file.
    if (path.isEmpty())
        return Fehler::KeineDatei;
    // A name whose bytes were no UTF-8 came here with a replacement character in their
    // place: looking it up would find another file, or none, and call it missing.
    if (path.contains(QChar::ReplacementCharacter))
        return Fehler::KeinUtf8;
    const QFileInfo info(path);
    // A link that points nowhere counts as missing.
    if (!info.exists())
        return Fehler::Fehlt;
    if (!info.isFile())
        return Fehler::KeineDatei;
    if (info.size() > maxBytes)
        return Fehler::ZuGross;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Fehler::Unlesbar;
    // It may have grown since: never more than the bound is held.
    const QByteArray bytes = f.read(maxBytes + 1);
    if (f.error() != QFileDevice::NoError)
        return Fehler::Unlesbar;
    if (bytes.size() > maxBytes)
        return Fehler::ZuGross;
    *data = bytes;
    return Fehler::Keiner;
}

bool LineReader::istText(const QByteArray& data) {
    return data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF") || !data.contains('\0');
}

LineReader::Fehler LineReader::textLesen(const QString& path, QByteArray* data, qint64 maxBytes) {
    QByteArray bytes;
    if (const Fehler f = dateiLesen(path, &bytes, maxBytes); f != Fehler::Keiner)
        return f;
    if (!istText(bytes))
        return Fehler::KeinText;
    *data = bytes;
    return Fehler::Keiner;
}

LineReader::Fehler LineReader::open(const QString& path) {
    QByteArray data;
    const Fehler f = textLesen(path, &data);
    if (f == Fehler::Keiner)
        setData(data);
    return f;
}

void LineReader::setData(const QByteArray& data) {
    m_pos = 0;
    m_utf8 = false;
    m_data = data;
    if (data.startsWith("\xEF\xBB\xBF")) {
        m_utf8 = true;
        m_pos = 3;
    } else if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        const bool le = data.startsWith("\xFF\xFE");
        QString s;
        s.reserve((data.size() - 2) / 2);
        for (qsizetype i = 2; i + 1 < data.size(); i += 2) {
            const auto a = quint8(data[i]), b = quint8(data[i + 1]);
            s.append(QChar(le ? char16_t(a | b << 8) : char16_t(b | a << 8)));
        }
        m_data = s.toUtf8();
        m_utf8 = true;
    }
}

QString LineReader::text(const char* bytes, qsizetype n) const {
    return m_utf8 ? QString::fromUtf8(bytes, n) : QString::fromLatin1(bytes, n);
}

QByteArray LineReader::readLineBytes() {
    if (atEnd())
        return QByteArray();
    qsizetype end = m_pos;
    while (end < m_data.size() && m_data.at(end) != '\n' && m_data.at(end) != '\r')
        ++end;
    const QByteArray line = m_data.mid(m_pos, end - m_pos);
    qsizetype next = end;
    if (next < m_data.size())
        next += m_data.at(next) == '\r' && next + 1 < m_data.size() && m_data.at(next + 1) == '\n'
                    ? 2
                    : 1;
    m_pos = next;
    return line;
}

QString LineReader::readLine() {
    const QByteArray line = readLineBytes();
    return text(line.constData(), line.size());
}

QString LineReader::readRest() {
    const QString rest = text(m_data.constData() + m_pos, m_data.size() - m_pos);
    m_pos = m_data.size();
    return rest;
}

QStringList LineReader::zeilen(const QByteArray& data) {
    LineReader in;
    in.setData(data);
    QStringList lines;
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

#include "download/linereader.h"

#include <QFile>
#include <QFileInfo>

bool LineReader::readFile(const QString& path, QByteArray* data) {
    // A folder opens on some platforms but holds no text: it counts as not found, so that
    // an empty file name in a list is reported instead of read as nothing.
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *data = f.readAll();
    return true;
}

bool LineReader::open(const QString& path) {
    QByteArray data;
    if (!readFile(path, &data))
        return false;
    setData(data);
    return true;
}

void LineReader::setData(const QByteArray& data) {
    m_data = data;
    m_pos = 0;
}

QString LineReader::readLine() {
    if (atEnd())
        return QString();
    qsizetype end = m_data.indexOf('\n', m_pos);
    const qsizetype next = end < 0 ? m_data.size() : end + 1;
    if (end < 0)
        end = m_data.size();
    qsizetype len = end - m_pos;
    if (len > 0 && m_data.at(m_pos + len - 1) == '\r')
        --len;
    const QString line = QString::fromLatin1(m_data.constData() + m_pos, len);
    m_pos = next;
    return line;
}

QString LineReader::readRest() {
    const QString rest = QString::fromLatin1(m_data.constData() + m_pos, m_data.size() - m_pos);
    m_pos = m_data.size();
    return rest;
}

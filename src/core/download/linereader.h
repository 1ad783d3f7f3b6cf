// Reads a data file of the DSP release as 8-bit text (Latin-1) in lines, ended by LF or
// CR LF. It answers like a text stream: readLine() at the end gives an empty line, and
// atEnd() turns true only once the last line has been taken.
#pragma once

#include <QByteArray>
#include <QString>

class LineReader {
public:
    // False when the file cannot be opened for reading (missing, no permission, a folder).
    bool open(const QString& path);
    // Takes text already read, for example from a test.
    void setData(const QByteArray& data);

    bool atEnd() const { return m_pos >= m_data.size(); }
    // The next line without its line end; an empty string at the end of the data.
    QString readLine();
    // The rest of the data as text, from where reading stands.
    QString readRest();

    // Reads the whole file; false when it cannot be opened.
    static bool readFile(const QString& path, QByteArray* data);

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

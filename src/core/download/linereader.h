// Reads every text file of the program (firmware, filter list and coefficients, parameter
// files, equalizer curves, calibration tables, the configuration) in lines. A line ends with
// LF, CR LF or a lone CR, as old editors leave them; a text that begins with a byte-order mark
// of UTF-8 or UTF-16 is read as such, any other as 8-bit text (Latin-1). It answers like a
// text stream: readLine() at the end gives an empty line, and atEnd() turns true only once
// the last line has been taken.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class LineReader {
public:
    // A release is kilobytes; anything near this is no file of the set.
    static constexpr qint64 kMaxGroesse = 16 * 1024 * 1024;

    enum class Fehler {
        Keiner,
        Fehlt,      // no such file
        KeineDatei, // a folder, a device, a FIFO: never opened, so nothing can block
        ZuGross,    // larger than the bound given
        Unlesbar,   // it is there but cannot be read (no permission)
        KeinText,   // a text reader's file with NUL bytes: UTF-16 without a mark, a binary
        KeinUtf8,   // a name that lost bytes that are no UTF-8: not the file asked for
    };

    // Reads a regular file of at most maxBytes. Only a regular file is opened at all.
    static Fehler dateiLesen(const QString& path, QByteArray* data, qint64 maxBytes = kMaxGroesse);
    // The same for a text: content with NUL bytes is no text of ours unless a UTF-16 mark
    // says so, and is refused rather than read as Latin-1.
    static Fehler textLesen(const QString& path, QByteArray* data, qint64 maxBytes = kMaxGroesse);
    // Whether bytes read are a text (see textLesen).
    static bool istText(const QByteArray& data);
    // The same, true when it was read.
    static bool readFile(const QString& path, QByteArray* data) {
        return dateiLesen(path, data) == Fehler::Keiner;
    }

    // Opens and reads the whole text file (textLesen); what went wrong, or Keiner.
    Fehler open(const QString& path);
    // Takes text already read, for example from a test.
    void setData(const QByteArray& data);

    bool atEnd() const { return m_pos >= m_data.size(); }
    // The next line without its line end; an empty string at the end of the data.
    QString readLine();
    // The same as the bytes of the line (UTF-8 for a text that was UTF-16).
    QByteArray readLineBytes();
    // The rest of the data as text, from where reading stands.
    QString readRest();
    // Where reading stands in the data (after a UTF-8 mark, behind it).
    qsizetype pos() const { return m_pos; }

    // Every line of a text: a final line end does not start another line, and an empty
    // text has none.
    static QStringList zeilen(const QByteArray& data);

private:
    QString text(const char* bytes, qsizetype n) const;

    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
};

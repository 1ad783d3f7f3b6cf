// The filter list of a DSP release (one line per filter: coefficient file, an unused field,
// load address) and the coefficient files it names, turned into program-memory records.
#pragma once

#include "download/downloadimage.h"
#include "download/ladefehler.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct FilterZeile {
    // The name before the first comma without its last character (the list puts one blank
    // there), blanks removed; the whole line when it has no comma.
    QString dateiname;
    // The text after the second comma, blanks removed; the whole line with fewer commas.
    QString adresstext;
    // First two characters high byte, last two low byte; a field that is not hex gives 0.
    int adresse = 0;
};

FilterZeile parseFilterZeile(const QString& line);

// The "Filters" subfolder of the release folder, or the release folder when there is none.
QString filterOrdner(const QString& veskpfad);

// The 24-bit words of a coefficient file's text, three bytes each: whitespace separates the
// words, the first word of five characters or fewer ends them, characters past the sixth
// are ignored.
QByteArray koeffizientenWorte(const QString& text);

// One record holds at most this many words: its count is one byte.
constexpr int maxFilterWorte = 255;

// A filter whose words would run past address FFFF.
TransferResult filterZuLang(const QString& pfad, int adresse, int worte);

// Appends one record per filter of the list to the image, every word added to the checksum;
// a file of more than 255 words becomes several records at consecutive word addresses.
// Stops at the first coefficient file that cannot be read or whose words would run past
// address FFFF (reported to fail); the records before it stay. True when every file was read.
bool filterladen(DownloadImage& image, const QStringList& filterliste, const QString& ordner,
                 const LogSink& log, const FailSink& fail);

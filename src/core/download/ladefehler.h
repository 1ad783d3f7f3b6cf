// A data file of the release that could not be opened, as the window reports it: a critical
// box "Datei nicht gefunden!" and the same text in the log. Loaders hand it to a FailSink the
// moment it happens, so the box and the log line come where the load stopped.
#pragma once

#include "download/linereader.h"
#include "link/transferresult.h"

#include <QString>
#include <functional>

using FailSink = std::function<void(const TransferResult&)>;

// Datei "<path>" nicht gefunden!
TransferResult dateiNichtGefunden(const QString& path);
// Datei "<path>" aus der Filterdatei nicht gefunden!
TransferResult filterNichtGefunden(const QString& path);
// Why a file could not be read, in words: "nicht gefunden" only for one that is missing.
// The result is marked datei.
TransferResult lesefehler(const QString& path, LineReader::Fehler fehler);
// Datei "<path>" ist leer!
TransferResult dateiLeer(const QString& path);

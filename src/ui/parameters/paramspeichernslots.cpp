// Saving the parameter table: the user file, the X-parameter file and beside the configured
// X-parameter file the table of the X parameters' green values.
#include "app/dateischreiben.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "parameters/parameterwriter.h"

#include <QFileInfo>
#include <QPushButton>

namespace {
// Whole or not at all: a file that cannot be finished keeps its former contents.
bool schreiben(const QString& path, const QByteArray& bytes) {
    return dateiSchreiben(path, bytes);
}
} // namespace

void vantrel::speicherfehler(const QString& path) {
    const QString text = tr("Datei \"%1\" kann nicht geschrieben werden!").arg(path);
    UserDialogs::current().critical(this, tr("Speichern fehlgeschlagen!"), text);
    logzeile(text);
}

void vantrel::clickparamsave() {
    const QString name = UserDialogs::current().saveFileName(
        this, tr("USER-Parameter Speichern", "FileDialog"), einst.parameterfilename[vesknr],
        tr("Parameter (*.dpk *.DPK);;Alle Dateien (*.*)", "FileDialog"));
    if (name.isEmpty())
        return;
    if (!schreiben(name, parameter::parameterDatei(parametertabelle, parameter::DateiArt::User))) {
        speicherfehler(name);
        return;
    }
    bparamsave->setEnabled(false);
}

void vantrel::clickxparamsave() {
    const QString name = UserDialogs::current().saveFileName(
        this, tr("X-Parameter Speichern", "FileDialog"), einst.xparameterfilename[vesknr],
        tr("X-Parameter (*.dpk *.DPK);;Alle Dateien (*.*)", "FileDialog"));
    if (name.isEmpty())
        return;
    bool ok = schreiben(name, parameter::parameterDatei(parametertabelle, parameter::DateiArt::X));
    if (!ok)
        speicherfehler(name);

    // The table goes beside the configured X-parameter file, wherever this one was saved;
    // should the user have saved onto the table's own name, it steps aside once more.
    QString tabelle = parameter::xTabellenName(einst.xparameterfilename[vesknr]);
    if (QFileInfo(tabelle).absoluteFilePath() == QFileInfo(name).absoluteFilePath())
        tabelle += QLatin1String(".dat");
    if (!schreiben(tabelle, parameter::xParameterTabelle(parametertabelle))) {
        speicherfehler(tabelle);
        return;
    }
    // Only a save that wrote both files counts: the changes are kept until then.
    if (ok) {
        xparamgeaendert = false;
        bxparamsave->setEnabled(false);
    }
}

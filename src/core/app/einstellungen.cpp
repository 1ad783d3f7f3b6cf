#include "einstellungen.h"

#include "configfile.h"

TEinstellungen::TEinstellungen() {
    for (int p = 0; p < 3; ++p) {
        veskpfad[p] = QStringLiteral("Pfad von SW fuer HW%1").arg(p + 1);
        dspcodefilename[p] = QStringLiteral("VESK2b1x.dpk");
        filterfilename[p] = QStringLiteral("filters.dpk");
        rxeqfilename[p] = QStringLiteral("RxEQ.dat");
        txeqfilename[p] = QStringLiteral("TxEQ.dat");
        ad603filename[p] = QStringLiteral("AD603.dat");
        parameterfilename[p] = QStringLiteral("user2b2.dpk");
        xparameterfilename[p] = QStringLiteral("Xparams.dpk");
        standardparameterfilename[p] = QStringLiteral("standard.dpk");
        scalfilename[p] = QStringLiteral("scal.dat");
        testfilename[p] = QStringLiteral("Test05.dpk");
    }
}

QString TEinstellungen::key(const char* stem, int p) {
    QString k = QString::fromLatin1(stem);
    if (p > 0)
        k += QString::number(p);
    return k;
}

void TEinstellungen::read(const ConfigFile& cfg, int* vesknr) {
    const TEinstellungen d;
    rs232 = cfg.readString(QStringLiteral("rs232"), d.rs232);
    picrs232writetime = clampDelay(cfg.readInt(QStringLiteral("picrs232writetime"), 10));
    dsprs232writetime = clampDelay(cfg.readInt(QStringLiteral("dsprs232writetime"), 2));
    paramrs232writetime = clampDelay(cfg.readInt(QStringLiteral("paramrs232writetime"), 0));
    for (int p = 0; p < 3; ++p) {
        veskpfad[p] = cfg.readString(key("veskpfad", p), d.veskpfad[p]);
        dspcodefilename[p] = cfg.readString(key("dspcodefilename", p), d.dspcodefilename[p]);
        filterfilename[p] = cfg.readString(key("filterfilename", p), d.filterfilename[p]);
        rxeqfilename[p] = cfg.readString(key("rxeqfilename", p), d.rxeqfilename[p]);
        txeqfilename[p] = cfg.readString(key("txeqfilename", p), d.txeqfilename[p]);
        ad603filename[p] = cfg.readString(key("ad603filename", p), d.ad603filename[p]);
        parameterfilename[p] = cfg.readString(key("parameterfilename", p), d.parameterfilename[p]);
        xparameterfilename[p] =
            cfg.readString(key("xparameterfilename", p), d.xparameterfilename[p]);
        standardparameterfilename[p] =
            cfg.readString(key("standardparameterfilename", p), d.standardparameterfilename[p]);
        scalfilename[p] = cfg.readString(key("scalfilename", p), d.scalfilename[p]);
        testfilename[p] = cfg.readString(QStringLiteral("testfilename"), d.testfilename[p]);
    }
    nachschreibenvergleichen =
        cfg.readInt(QLatin1String(kNachSchreibenVergleichen), d.nachschreibenvergleichen) != 0;
    vorwiederherstellungsichern = cfg.readInt(QLatin1String(kVorWiederherstellungSichern),
                                              d.vorwiederherstellungsichern) != 0;
    vorpicladensichern = cfg.readInt(QLatin1String(kVorPicLadenSichern), d.vorpicladensichern) != 0;
    if (vesknr)
        *vesknr = clampProfile(cfg.readInt(QStringLiteral("vesknr"), 0));
}

void TEinstellungen::write(ConfigFile& cfg, int vesknr) const {
    for (int p = 0; p < 3; ++p) {
        cfg.writeString(key("veskpfad", p), veskpfad[p]);
        cfg.writeString(key("dspcodefilename", p), dspcodefilename[p]);
        cfg.writeString(key("filterfilename", p), filterfilename[p]);
        cfg.writeString(key("rxeqfilename", p), rxeqfilename[p]);
        cfg.writeString(key("txeqfilename", p), txeqfilename[p]);
        cfg.writeString(key("ad603filename", p), ad603filename[p]);
        cfg.writeString(key("parameterfilename", p), parameterfilename[p]);
        cfg.writeString(key("xparameterfilename", p), xparameterfilename[p]);
        cfg.writeString(key("standardparameterfilename", p), standardparameterfilename[p]);
        cfg.writeString(key("scalfilename", p), scalfilename[p]);
        cfg.writeString(QStringLiteral("testfilename"), testfilename[p]);
    }
    cfg.writeString(QStringLiteral("rs232"), rs232);
    cfg.writeInt(QStringLiteral("picrs232writetime"), picrs232writetime);
    cfg.writeInt(QStringLiteral("dsprs232writetime"), dsprs232writetime);
    cfg.writeInt(QStringLiteral("paramrs232writetime"), paramrs232writetime);
    cfg.writeInt(QStringLiteral("vesknr"), clampProfile(vesknr));
    cfg.writeInt(QLatin1String(kNachSchreibenVergleichen), nachschreibenvergleichen ? 1 : 0);
    cfg.writeInt(QLatin1String(kVorWiederherstellungSichern), vorwiederherstellungsichern ? 1 : 0);
    cfg.writeInt(QLatin1String(kVorPicLadenSichern), vorpicladensichern ? 1 : 0);
}

bool operator==(const TEinstellungen& a, const TEinstellungen& b) {
    return a.dspcodefilename == b.dspcodefilename && a.filterfilename == b.filterfilename &&
           a.veskpfad == b.veskpfad && a.parameterfilename == b.parameterfilename &&
           a.xparameterfilename == b.xparameterfilename && a.rxeqfilename == b.rxeqfilename &&
           a.txeqfilename == b.txeqfilename && a.ad603filename == b.ad603filename &&
           a.standardparameterfilename == b.standardparameterfilename &&
           a.scalfilename == b.scalfilename && a.testfilename == b.testfilename &&
           a.rs232 == b.rs232 && a.picrs232writetime == b.picrs232writetime &&
           a.dsprs232writetime == b.dsprs232writetime &&
           a.paramrs232writetime == b.paramrs232writetime &&
           a.nachschreibenvergleichen == b.nachschreibenvergleichen &&
           a.vorwiederherstellungsichern == b.vorwiederherstellungsichern &&
           a.vorpicladensichern == b.vorpicladensichern;
}

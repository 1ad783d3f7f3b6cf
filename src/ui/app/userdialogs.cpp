#include "userdialogs.h"

#include "progressdialog.h"
#include "transferstatus.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
UserDialogs* g_installed = nullptr;

UserDialogs& target() {
    static RealDialogs real;
    return g_installed ? *g_installed : real;
}

// Hands every call to the dialogs in force and puts the status bar figures around each
// progress, so every transfer shows them, whichever dialogs answer.
class WithTransferStatus : public UserDialogs {
public:
    void about(QWidget* p, const QString& t, const QString& x) override { target().about(p, t, x); }
    bool information(QWidget* p, const QString& t, const QString& x, bool c) override {
        return target().information(p, t, x, c);
    }
    void critical(QWidget* p, const QString& t, const QString& x) override {
        target().critical(p, t, x);
    }
    void warning(QWidget* p, const QString& t, const QString& x) override {
        target().warning(p, t, x);
    }
    Antwort frage(QWidget* p, const QString& t, const QString& x, bool a) override {
        return target().frage(p, t, x, a);
    }
    void aboutQt(QWidget* p) override { target().aboutQt(p); }
    QString openFileName(QWidget* p, const QString& t, const QString& d,
                         const QString& f) override {
        return target().openFileName(p, t, d, f);
    }
    QString saveFileName(QWidget* p, const QString& t, const QString& d,
                         const QString& f) override {
        return target().saveFileName(p, t, d, f);
    }
    QString existingDirectory(QWidget* p, const QString& t, const QString& d) override {
        return target().existingDirectory(p, t, d);
    }
    std::unique_ptr<Progress> progress(QWidget* p, const QString& label, const QString& cancel,
                                       int minimum, int maximum) override {
        return std::make_unique<TransferStatus>(
            p, target().progress(p, label, cancel, minimum, maximum), minimum, maximum);
    }
};
} // namespace

UserDialogs& UserDialogs::current() {
    static WithTransferStatus dialogs;
    return dialogs;
}

void UserDialogs::install(UserDialogs* d) {
    g_installed = d;
}

void RealDialogs::about(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

bool RealDialogs::information(QWidget* parent, const QString& title, const QString& text,
                              bool withCancel) {
    const auto buttons = withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
    return QMessageBox::information(parent, title, text, buttons) == QMessageBox::Ok;
}

void RealDialogs::critical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void RealDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

UserDialogs::Antwort RealDialogs::frage(QWidget* parent, const QString& title, const QString& text,
                                        bool abbrechbar) {
    const auto knoepfe = abbrechbar ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                    : QMessageBox::Yes | QMessageBox::No;
    const auto b = QMessageBox::question(parent, title, text, knoepfe,
                                         abbrechbar ? QMessageBox::Yes : QMessageBox::No);
    return b == QMessageBox::Yes  ? Antwort::Ja
           : b == QMessageBox::No ? Antwort::Nein
                                  : Antwort::Abbrechen;
}

void RealDialogs::aboutQt(QWidget* parent) {
    QMessageBox::aboutQt(parent);
}

QString RealDialogs::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString RealDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString RealDialogs::existingDirectory(QWidget* parent, const QString& title, const QString& dir) {
    return QFileDialog::getExistingDirectory(parent, title, dir, QFileDialog::ShowDirsOnly);
}

std::unique_ptr<Progress> RealDialogs::progress(QWidget* parent, const QString& label,
                                                const QString& cancelText, int minimum,
                                                int maximum) {
    return std::make_unique<ProgressDialog>(parent, label, cancelText, minimum, maximum);
}

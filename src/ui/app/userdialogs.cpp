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

namespace {
// Every box and chooser is modal to the window it belongs to, not to the whole program: the
// simulated set's panel beside the loader must take the keys and functions a box asks for
// while the box is open. exec() still waits in a local loop.
QMessageBox::StandardButton zeigen(QMessageBox& box) {
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.standardButton(box.clickedButton());
}

QString waehlen(QFileDialog& d) {
    d.setWindowModality(Qt::WindowModal);
    if (d.exec() != QDialog::Accepted)
        return {};
    return d.selectedFiles().value(0);
}
} // namespace

void RealDialogs::about(QWidget* parent, const QString& title, const QString& text) {
    // As QMessageBox::about: the program's icon beside the text.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    const QIcon icon = box.windowIcon();
    box.setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    zeigen(box);
}

bool RealDialogs::information(QWidget* parent, const QString& title, const QString& text,
                              bool withCancel) {
    const auto buttons = withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
    QMessageBox box(QMessageBox::Information, title, text, buttons, parent);
    return zeigen(box) == QMessageBox::Ok;
}

void RealDialogs::critical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    zeigen(box);
}

void RealDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

UserDialogs::Antwort RealDialogs::frage(QWidget* parent, const QString& title, const QString& text,
                                        bool abbrechbar) {
    const auto knoepfe = abbrechbar ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                    : QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::Question, title, text, knoepfe, parent);
    box.setDefaultButton(abbrechbar ? QMessageBox::Yes : QMessageBox::No);
    const auto b = zeigen(box);
    return b == QMessageBox::Yes  ? Antwort::Ja
           : b == QMessageBox::No ? Antwort::Nein
                                  : Antwort::Abbrechen;
}

void RealDialogs::aboutQt(QWidget* parent) {
    QMessageBox::aboutQt(parent);
}

QString RealDialogs::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    QFileDialog d(parent, title, dir, filter);
    d.setFileMode(QFileDialog::ExistingFile);
    return waehlen(d);
}

QString RealDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                  const QString& filter) {
    QFileDialog d(parent, title, dir, filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    return waehlen(d);
}

QString RealDialogs::existingDirectory(QWidget* parent, const QString& title, const QString& dir) {
    QFileDialog d(parent, title, dir);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    return waehlen(d);
}

std::unique_ptr<Progress> RealDialogs::progress(QWidget* parent, const QString& label,
                                                const QString& cancelText, int minimum,
                                                int maximum) {
    return std::make_unique<ProgressDialog>(parent, label, cancelText, minimum, maximum);
}

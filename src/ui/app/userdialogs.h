// The one seam for every modal interaction: message boxes, file and directory choosers,
// progress dialogs. The program installs the real one; tests install a scripted one that
// records what was shown and answers as told.
#pragma once

#include <QString>
#include <memory>

class QWidget;
class Progress;

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // QMessageBox::about.
    virtual void about(QWidget* parent, const QString& title, const QString& text) = 0;
    // An information box with the given buttons; true when the user pressed OK.
    virtual bool information(QWidget* parent, const QString& title, const QString& text,
                             bool withCancel) = 0;
    // A critical box with one OK button.
    virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;
    // A warning box with one OK button; dialogs that only record take it for a critical one.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) {
        critical(parent, title, text);
    }
    // A question with Ja, Nein and (abbrechbar) Abbrechen. Without Abbrechen it asks whether
    // to go on despite a doubt, and Nein is the default button. Dialogs that ask nobody
    // answer Nein.
    enum class Antwort { Ja, Nein, Abbrechen };
    virtual Antwort frage(QWidget*, const QString&, const QString&, bool abbrechbar = true) {
        Q_UNUSED(abbrechbar);
        return Antwort::Nein;
    }
    // QMessageBox::aboutQt.
    virtual void aboutQt(QWidget* parent) = 0;

    // Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString existingDirectory(QWidget* parent, const QString& title,
                                      const QString& dir) = 0;

    // A progress dialog with the given label and cancel text, shown at once.
    virtual std::unique_ptr<Progress> progress(QWidget* parent, const QString& label,
                                               const QString& cancelText, int minimum,
                                               int maximum) = 0;

    // The seam in force; the real dialogs unless a test installed others.
    static UserDialogs& current();
    // Installs d (not owned); nullptr returns to the real dialogs.
    static void install(UserDialogs* d);
};

// The real dialogs: QMessageBox, QFileDialog, QProgressDialog, each modal to the window of its
// parent only, so that other windows of the program (the simulated set's panel) stay usable.
class RealDialogs : public UserDialogs {
public:
    void about(QWidget* parent, const QString& title, const QString& text) override;
    bool information(QWidget* parent, const QString& title, const QString& text,
                     bool withCancel) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    Antwort frage(QWidget* parent, const QString& title, const QString& text,
                  bool abbrechbar) override;
    void aboutQt(QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString existingDirectory(QWidget* parent, const QString& title, const QString& dir) override;
    std::unique_ptr<Progress> progress(QWidget* parent, const QString& label,
                                       const QString& cancelText, int minimum,
                                       int maximum) override;
};

// Dialogs for tests: every box, chooser and progress dialog is recorded, and answered from
// a script (OK unless told otherwise; file names from a queue; cancel at a progress value).
#pragma once

#include "app/userdialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct ShownBox {
    QString
        kind; // "about", "information", "critical", "aboutQt", "open", "save", "dir", "progress"
    QString title;
    QString text;
    bool withCancel = false;
};

class ScriptedDialogs : public UserDialogs {
public:
    ScriptedDialogs() { UserDialogs::install(this); }
    ~ScriptedDialogs() override { UserDialogs::install(nullptr); }

    // Answers for information boxes with Cancel, in order; when empty, OK.
    QList<bool> confirmAnswers;
    // Answers for file and directory choosers, in order; when empty, cancelled.
    QStringList fileAnswers;
    // Answers for Ja/Nein/Abbrechen questions, in order; when empty, Nein.
    QList<Antwort> questionAnswers;
    // Runs while a question is open (as inside a real box's event loop).
    std::function<void()> duringQuestion;
    // Cancel the next progress dialogs when their value reaches this (-1: never), in order.
    QList<int> cancelAt;

    QList<ShownBox> shown;
    // Labels of the progress dialogs shown, and the last value each reached.
    QStringList progressLabels;
    QList<int> progressLastValue;

    // The boxes of one kind, for short assertions.
    QList<ShownBox> boxes(const QString& kind) const;
    QStringList titles() const;
    void clear();

    void about(QWidget* parent, const QString& title, const QString& text) override;
    bool information(QWidget* parent, const QString& title, const QString& text,
                     bool withCancel) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
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

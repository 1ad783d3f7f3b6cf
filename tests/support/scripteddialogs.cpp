#include "scripteddialogs.h"

#include "link/progress.h"

#include <QTimer>

namespace {
class ScriptedProgress : public Progress {
public:
    ScriptedProgress(ScriptedDialogs* owner, int index, int cancelAt)
        : m_owner(owner), m_index(index), m_cancelAt(cancelAt) {}
    void setRange(int, int) override {}
    void setValue(int value) override {
        m_owner->progressLastValue[m_index] = value;
        if (!m_canceled && m_cancelAt >= 0 && value >= m_cancelAt) {
            m_canceled = true;
            emit canceled();
        }
    }
    bool wasCanceled() const override { return m_canceled; }

private:
    ScriptedDialogs* m_owner;
    int m_index;
    int m_cancelAt;
    bool m_canceled = false;
};
} // namespace

QList<ShownBox> ScriptedDialogs::boxes(const QString& kind) const {
    QList<ShownBox> out;
    for (const ShownBox& b : shown)
        if (b.kind == kind)
            out.append(b);
    return out;
}

QStringList ScriptedDialogs::titles() const {
    QStringList out;
    for (const ShownBox& b : shown)
        out.append(b.title);
    return out;
}

void ScriptedDialogs::clear() {
    shown.clear();
    progressLabels.clear();
    progressLastValue.clear();
}

void ScriptedDialogs::about(QWidget*, const QString& title, const QString& text) {
    shown.append({QStringLiteral("about"), title, text, false});
}

bool ScriptedDialogs::information(QWidget*, const QString& title, const QString& text,
                                  bool withCancel) {
    shown.append({QStringLiteral("information"), title, text, withCancel});
    if (withCancel && !confirmAnswers.isEmpty())
        return confirmAnswers.takeFirst();
    return true;
}

UserDialogs::Antwort ScriptedDialogs::frage(QWidget*, const QString& title, const QString& text,
                                            bool abbrechbar) {
    shown.append({QStringLiteral("question"), title, text, abbrechbar});
    if (duringQuestion)
        duringQuestion();
    return questionAnswers.isEmpty() ? Antwort::Nein : questionAnswers.takeFirst();
}

void ScriptedDialogs::critical(QWidget*, const QString& title, const QString& text) {
    shown.append({QStringLiteral("critical"), title, text, false});
}

void ScriptedDialogs::aboutQt(QWidget*) {
    shown.append({QStringLiteral("aboutQt"), {}, {}, false});
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& dir,
                                      const QString&) {
    shown.append({QStringLiteral("open"), title, dir, false});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& dir,
                                      const QString&) {
    shown.append({QStringLiteral("save"), title, dir, false});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::existingDirectory(QWidget*, const QString& title, const QString& dir) {
    shown.append({QStringLiteral("dir"), title, dir, false});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

std::unique_ptr<Progress> ScriptedDialogs::progress(QWidget*, const QString& label,
                                                    const QString& cancelText, int, int) {
    shown.append({QStringLiteral("progress"), label, cancelText, true});
    progressLabels.append(label);
    progressLastValue.append(-1);
    const int at = cancelAt.isEmpty() ? -1 : cancelAt.takeFirst();
    return std::make_unique<ScriptedProgress>(this, int(progressLastValue.size() - 1), at);
}

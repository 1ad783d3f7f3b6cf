// How a transfer ended: done, cancelled by the user, or failed with the box the window shows.
#pragma once

#include <QString>
#include <functional>

struct TransferResult {
    enum class Status { Done, Canceled, Failed };
    Status status = Status::Done;
    QString title; // title of the box that reports a failure
    QString text;  // its German text
    // A file could not be read or written: the line and the set were not the cause.
    bool datei = false;

    static TransferResult done() { return {}; }
    static TransferResult canceled() { return {Status::Canceled, {}, {}, false}; }
    static TransferResult failed(const QString& title, const QString& text) {
        return {Status::Failed, title, text, false};
    }
    bool ok() const { return status == Status::Done; }
    bool wasCanceled() const { return status == Status::Canceled; }
    bool failed() const { return status == Status::Failed; }
};

// Receives the log lines of loads and transfers, in order.
using LogSink = std::function<void(const QString&)>;

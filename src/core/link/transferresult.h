// How a transfer ended: done, cancelled by the user, or failed with the box the window shows.
#pragma once

#include <QString>
#include <functional>

struct TransferResult {
    enum class Status { Done, Canceled, Failed };
    Status status = Status::Done;
    QString title; // title of the box that reports a failure
    QString text;  // its German text

    static TransferResult done() { return {}; }
    static TransferResult canceled() { return {Status::Canceled, {}, {}}; }
    static TransferResult failed(const QString& title, const QString& text) {
        return {Status::Failed, title, text};
    }
    bool ok() const { return status == Status::Done; }
    bool wasCanceled() const { return status == Status::Canceled; }
    bool failed() const { return status == Status::Failed; }
};

// Receives the log lines of loads and transfers, in order.
using LogSink = std::function<void(const QString&)>;

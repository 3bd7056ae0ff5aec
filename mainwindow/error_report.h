#pragma once

#include "message_presenter.h"

#include <QString>

#include <exception>

// The error report of an event handler. A handler runs as numbered steps; a step that fails
// shows one report naming the handler and the step's line, and the handler goes on with its
// next step.
class ErrorReport {
public:
    ErrorReport(MessagePresenter& presenter, QString handler)
        : presenter_(presenter), handler_(std::move(handler)) {}

    // Runs the step; returns false when it failed (after the report was dismissed).
    template <class Step> bool run(int line, Step&& step) noexcept {
        try {
            step();
            return true;
        } catch (const std::exception& failure) {
            show(QString::fromUtf8(failure.what()), line);
        } catch (...) {
            show(QStringLiteral("Unexpected failure."), line);
        }
        return false;
    }

    // The report's text for a failure of a handler at a line.
    static QString text(const QString& description, const QString& handler, int line);

private:
    void show(const QString& description, int line) noexcept;

    MessagePresenter& presenter_;
    QString handler_;
};

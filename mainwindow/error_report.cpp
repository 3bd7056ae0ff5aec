#include "error_report.h"

#include "main_module.h"

QString ErrorReport::text(const QString& description, const QString& handler, int line) {
    return description + QLatin1String("\r\n") + QLatin1String("in Kavendry2021/08/31.Form1.") +
           handler + QLatin1Char(' ') + QLatin1String("at line ") + QString::number(line) +
           QLatin1String("\r\r") + QLatin1String("Please email screenshot of this message to ") +
           Main::kSupportAddress;
}

void ErrorReport::show(const QString& description, int line) noexcept {
    try {
        presenter_.show(Message{QStringLiteral("Application Error"),
                                text(description, handler_, line), MessageIcon::Warning});
    } catch (...) {
        // A report that cannot be shown must not take the handler down with it.
    }
}

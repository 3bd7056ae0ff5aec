#include "laid_out_text.h"

#include <QHash>

const QStaticText& laidOutText(const QString& text, const QFont& font) {
    // Never destroyed: the texts hold font engines, which must not outlive the application.
    static auto* byFont = new QHash<QFont, QHash<QString, QStaticText>>;
    QHash<QString, QStaticText>& texts = (*byFont)[font];
    auto it = texts.find(text);
    if (it == texts.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        it = texts.insert(text, laidOut);
    }
    return *it;
}

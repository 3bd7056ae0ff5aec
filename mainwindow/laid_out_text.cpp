#include "laid_out_text.h"

#include <QHash>

namespace {

using TextsByFont = QHash<QFont, QHash<QString, QStaticText>>;

TextsByFont& texts() {
    // Never destroyed: the texts hold font engines, which must not outlive the application.
    static auto* byFont = new TextsByFont;
    return *byFont;
}

} // namespace

const QStaticText& laidOutText(const QString& text, const QFont& font) {
    QHash<QString, QStaticText>& inFont = texts()[font];
    auto it = inFont.find(text);
    if (it == inFont.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        it = inFont.insert(text, laidOut);
    }
    return *it;
}

void forgetLaidOutTexts() {
    texts().clear();
}

#include "system_style.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

QStyle* systemStyle() {
    static QStyle* const style = [] {
        const QString name = QStringLiteral("windowsvista");
        QStyle* made = QStyleFactory::keys().contains(name, Qt::CaseInsensitive)
                           ? QStyleFactory::create(name)
                           : nullptr;
        if (made)
            made->setParent(qApp);
        return made;
    }();
    return style;
}

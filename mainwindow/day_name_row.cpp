#include "day_name_row.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QTableView>

namespace {

// The names as text laid out in the font they are drawn in, shared by both calendars; kept for
// the program's lifetime.
const QStaticText& laidOut(const QString& name, const QFont& font) {
    static auto* texts = new QHash<QString, QStaticText>;
    static auto* laidOutIn = new QFont;
    if (*laidOutIn != font) {
        texts->clear();
        *laidOutIn = font;
    }
    auto it = texts->find(name);
    if (it == texts->end()) {
        QStaticText text(name);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        it = texts->insert(name, text);
    }
    return *it;
}

} // namespace

DayNameRow::DayNameRow(QTableView& view, QAbstractItemDelegate& calendarDelegate,
                       const QTextCharFormat& format)
    : QStyledItemDelegate(&view), view_(view), calendarDelegate_(calendarDelegate),
      format_(format) {}

void DayNameRow::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    if (index.row() != 0 || view_.testAttribute(Qt::WA_StyleSheet)) {
        calendarDelegate_.paint(painter, option, index);
        return;
    }
    const QFont font = format_.font();
    const QStaticText& text = laidOut(index.data(Qt::DisplayRole).toString(), font);
    // The item view's text area: the cell less the focus frame's margin and one pixel a side.
    const int margin =
        view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    painter->save();
    painter->setFont(font);
    const QSizeF size = text.size();
    if (size.width() > area.width()) {
        painter->restore();
        calendarDelegate_.paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, format_.background());
    painter->setPen(format_.foreground().color());
    // Centred as the item view centres: across at the exact half, down in whole pixels.
    const QPointF at(area.x() + (area.width() - size.width()) / 2,
                     area.y() + (area.height() - static_cast<int>(size.height())) / 2);
    painter->drawStaticText(at, text);
    painter->restore();
}

QSize DayNameRow::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return calendarDelegate_.sizeHint(option, index);
}

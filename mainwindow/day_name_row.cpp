#include "day_name_row.h"

#include "laid_out_text.h"

#include <QPainter>
#include <QStyle>
#include <QTableView>

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
    const QStaticText& text = laidOutText(index.data(Qt::DisplayRole).toString(), font);
    // The item view's text area: the cell less the focus frame's margin and one pixel a side.
    const int margin =
        view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    const QSizeF size = text.size();
    if (size.width() > area.width()) {
        calendarDelegate_.paint(painter, option, index);
        return;
    }
    painter->save();
    painter->setFont(font);
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

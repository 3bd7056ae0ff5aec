#pragma once

#include <QStyledItemDelegate>
#include <QTextCharFormat>

class QTableView;

// Paints the calendar's day-name row itself, as the item view would (the row's format, the
// name centred between the style's text margins), from text laid out once per name; every
// other cell goes to the calendar's own delegate. Under a style sheet, or for a name wider
// than its cell, the calendar's delegate paints the row too.
class DayNameRow : public QStyledItemDelegate {
public:
    DayNameRow(QTableView& view, QAbstractItemDelegate& calendarDelegate,
               const QTextCharFormat& format);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTableView& view_;
    QAbstractItemDelegate& calendarDelegate_;
    QTextCharFormat format_;
};

#include "profilelistwidget.h"

#include <QScrollBar>
#include <QStyleOptionSlider>

ProfileQListWidget::ProfileQListWidget(QWidget *parent) : QListWidget(parent) {}

QSize ProfileQListWidget::sizeHint() const
{
    // The scroll bar's extent is reserved whether or not a scroll bar shows.
    const QStyleOptionSlider option;
    const int scrollBarExtent =
        verticalScrollBar()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, &option, verticalScrollBar());
    return QSize(sizeHintForColumn(0) + scrollBarExtent + 5, 192);
}

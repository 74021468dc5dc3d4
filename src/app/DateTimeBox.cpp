#include "DateTimeBox.h"

#include <QPainter>

namespace kelvora {

TDateTimeBox::TDateTimeBox(QWidget* parent) : QWidget(parent) {
    setObjectName("ptbDatZeit");
    QFont font("Liberation Mono", 11);
    font.setBold(true);
    setFont(font);
    setFixedSize(120, 42);
    setAutoFillBackground(true);
}

void TDateTimeBox::Draw(const QString& date, const QString& time) {
    if (date == date_ && time == time_) return;
    date_ = date;
    time_ = time;
    update();
}

void TDateTimeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawText(QRect(0, 3, width(), 19), Qt::AlignLeft | Qt::AlignTop, date_);
    painter.drawText(QRect(0, 22, width(), 19), Qt::AlignLeft | Qt::AlignTop, time_);
}

}  // namespace kelvora

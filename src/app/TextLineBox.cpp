#include "TextLineBox.h"

#include <QPainter>

namespace kelvora {

TTextLineBox::TTextLineBox(const QString& name, const QFont& font, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
    SetLineFont(font);
}

void TTextLineBox::SetLineFont(const QFont& font) {
    setFont(font);
    setFixedHeight(QFontMetrics(font).height() + 2);
}

void TTextLineBox::DrawText(const QPoint& at, const QString& text, const QColor& background) {
    if (text == text_ && at == at_ && background == background_) return;
    text_ = text;
    at_ = at;
    background_ = background;
    update();
}

void TTextLineBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    const QRect textRect(at_, QSize(metrics.horizontalAdvance(text_), metrics.height()));
    painter.fillRect(textRect, background_);
    painter.setPen(Qt::black);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, text_);
}

}  // namespace kelvora

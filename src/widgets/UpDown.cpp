#include "UpDown.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace kelvora {

TUpDown::TUpDown(const QString& name, Qt::Orientation orientation, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(std::clamp(0, minimum, maximum)) {
    setObjectName(name);
    const bool horizontal = orientation == Qt::Horizontal;
    auto* layout = new QBoxLayout(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout, horizontal](Qt::ArrowType type, const char* suffix, bool up) {
        auto* button = new QToolButton(this);
        button->setObjectName(objectName() + suffix);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(horizontal ? 14 : 11, 10);
        connect(button, &QToolButton::clicked, this, [this, up] { Click(up); });
        layout->addWidget(button);
    };
    // Left and top come first on the screen; the upper arrow is right or top.
    if (horizontal) {
        arrow(Qt::LeftArrow, "Down", false);
        arrow(Qt::RightArrow, "Up", true);
    } else {
        arrow(Qt::UpArrow, "Up", true);
        arrow(Qt::DownArrow, "Down", false);
    }
}

void TUpDown::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void TUpDown::Click(bool up) {
    SetPosition(position_ + (up ? 1 : -1));
    emit Clicked(up);
}

}  // namespace kelvora

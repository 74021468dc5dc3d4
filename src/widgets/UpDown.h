#pragma once
// A pair of arrow buttons holding a position within a range: one unit per click,
// held at the ends. Clicked is raised on every click, also when the position
// stayed, so that the owner can tell a real step from a click at an end.

#include <QWidget>

class QToolButton;

namespace kelvora {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(const QString& name, Qt::Orientation orientation, int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // As a click on the upper (right) or lower (left) arrow.
    void Click(bool up);

signals:
    void Clicked(bool up);

private:
    int minimum_;
    int maximum_;
    int position_ = 0;
};

}  // namespace kelvora

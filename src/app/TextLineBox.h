#pragma once
// A paint box showing one line of text drawn at a point, on an opaque background,
// as the data line, the frequency display and the Doppler line are drawn.

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace kelvora {

class TTextLineBox : public QWidget {
    Q_OBJECT
public:
    TTextLineBox(const QString& name, const QFont& font, QWidget* parent = nullptr);

    // The line's height follows its font.
    void SetLineFont(const QFont& font);
    // Replaces what was drawn before.
    void DrawText(const QPoint& at, const QString& text, const QColor& background);
    QString Text() const { return text_; }
    QPoint TextPosition() const { return at_; }
    QColor TextBackground() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QPoint at_;
    QColor background_ = Qt::white;
};

}  // namespace kelvora

#pragma once
// The date-time box ptbDatZeit: the date at (0, 3) and the time with its scale
// letter at (0, 22), as the tracking cycle draws them.

#include <QWidget>

namespace kelvora {

class TDateTimeBox : public QWidget {
    Q_OBJECT
public:
    explicit TDateTimeBox(QWidget* parent = nullptr);
    void Draw(const QString& date, const QString& time);
    QString DateText() const { return date_; }
    QString TimeText() const { return time_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString date_;
    QString time_;
};

}  // namespace kelvora

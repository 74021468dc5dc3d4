#pragma once
// "Start Time" (TVorschau): the preview's start date and time and its step interval.
// Every field is read-only and moves only by its up-down, one unit per click.

#include "PreviewTime.h"

#include <QDialog>

class QGridLayout;
class QLineEdit;

namespace kelvora {

class TUpDown;

class TVorschau : public QDialog {
    Q_OBJECT
public:
    explicit TVorschau(QWidget* parent = nullptr);

    void SetTimeScaleLetter(const QString& letter);
    void SetStart(const TPreviewStart& start);
    TPreviewStart Start() const;
    void SetInterval(const TPreviewInterval& interval);
    TPreviewInterval Interval() const;

signals:
    void StartOk();  // cmdStartOk
    void StartCancel();  // cmdStartCancel, also closing by the frame
    void ResetClicked();  // cmdReset "Actual Time"
    void Hidden();  // the main window is enabled again

public slots:
    void reject() override;  // Escape is "Cancel" as well

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct TField {
        QLineEdit* Edit = nullptr;
        TUpDown* UpDown = nullptr;
        int Digits = 2;
    };
    TField AddField(QGridLayout* grid, int row, int column, const char* edit, const char* upDown,
                    const QString& caption, int minimum, int maximum, int digits);
    void SetField(TField& field, int value);
    static int FieldValue(const TField& field);

    TField day_, month_, year_, hour_, minute_, second_;
    TField intervalHours_, intervalMinutes_, intervalSeconds_;
};

}  // namespace kelvora

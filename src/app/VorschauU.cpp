#include "VorschauU.h"

#include "DialogButtons.h"
#include "UpDown.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvora {

namespace {
QString FieldText(int value, int digits) { return " " + QStringLiteral("%1").arg(value, digits, 10, QChar('0')); }

QLabel* Caption(QGridLayout* grid, const QString& text, int row, int column) {
    auto* label = new QLabel(text);
    grid->addWidget(label, row, column);
    return label;
}
}  // namespace

TVorschau::TVorschau(QWidget* parent) : QDialog(parent) {
    setObjectName("Vorschau");
    setWindowTitle("Start Time (U)");
    setModal(false);
    auto* grid = new QGridLayout(this);
    Caption(grid, "Date", 1, 0);
    day_ = AddField(grid, 0, 1, "txtTag", "UpDTag", " D", 1, 31, 2);
    month_ = AddField(grid, 0, 2, "txtMonat", "UpDMonat", "M", 1, 12, 2);
    year_ = AddField(grid, 0, 3, "txtJahr", "UpDJahr", "Y", 1985, 2385, 4);
    Caption(grid, "Time ", 3, 0);
    hour_ = AddField(grid, 2, 1, "txtStunde", "UpDStunde", "H", 0, 23, 2);
    minute_ = AddField(grid, 2, 2, "txtMinute", "UpDMinute", "M", 0, 59, 2);
    second_ = AddField(grid, 2, 3, "txtSekunde", "UpDSekunde", "S", 0, 59, 2);
    Caption(grid, "Interval", 5, 0);
    intervalHours_ = AddField(grid, 4, 1, "txtIntvStd", "UpDIntVStd", "H", 0, 12, 2);
    intervalMinutes_ = AddField(grid, 4, 2, "txtIntVMin", "UpDIntVMin", "M", 0, 59, 2);
    intervalSeconds_ = AddField(grid, 4, 3, "txtIntVSek", "UpDIntVSek", "S", 0, 59, 2);

    // No button answers Enter here: as action buttons none becomes the default (an
    // accept button would) and the row keeps their order on every desktop.
    auto* buttons = new QDialogButtonBox;
    grid->addWidget(buttons, 6, 0, 1, 4);
    auto button = [this, buttons](const char* name, const QString& caption, void (TVorschau::*signal)()) {
        QPushButton* b = AddButton(buttons, name, caption, QDialogButtonBox::ActionRole);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, signal);
    };
    button("cmdStartOk", "OK", &TVorschau::StartOk);
    button("cmdStartCancel", "Cancel", &TVorschau::StartCancel);
    button("cmdReset", "Actual Time", &TVorschau::ResetClicked);
    setFixedSize(sizeHint());
}

TVorschau::TField TVorschau::AddField(QGridLayout* grid, int row, int column, const char* edit, const char* upDown,
                                      const QString& caption, int minimum, int maximum, int digits) {
    Caption(grid, caption, row, column);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(0);
    TField field;
    field.Digits = digits;
    field.Edit = new QLineEdit(this);
    field.Edit->setObjectName(edit);
    field.Edit->setReadOnly(true);
    field.Edit->setFixedWidth(digits == 4 ? 48 : 32);
    field.UpDown = new TUpDown(upDown, Qt::Vertical, minimum, maximum, this);
    cell->addWidget(field.Edit);
    cell->addWidget(field.UpDown);
    grid->addLayout(cell, row + 1, column);
    QLineEdit* target = field.Edit;
    TUpDown* arrows = field.UpDown;
    connect(arrows, &TUpDown::Clicked, this,
            [target, arrows, digits] { target->setText(FieldText(arrows->Position(), digits)); });
    SetField(field, minimum);
    return field;
}

void TVorschau::SetField(TField& field, int value) {
    field.UpDown->SetPosition(value);
    field.Edit->setText(FieldText(field.UpDown->Position(), field.Digits));
}

int TVorschau::FieldValue(const TField& field) { return field.UpDown->Position(); }

void TVorschau::SetTimeScaleLetter(const QString& letter) { setWindowTitle("Start Time (" + letter + ")"); }

void TVorschau::SetStart(const TPreviewStart& s) {
    SetField(day_, s.Day);
    SetField(month_, s.Month);
    SetField(year_, s.Year);
    SetField(hour_, s.Hour);
    SetField(minute_, s.Minute);
    SetField(second_, s.Second);
}

TPreviewStart TVorschau::Start() const {
    return {FieldValue(day_),  FieldValue(month_),  FieldValue(year_),
            FieldValue(hour_), FieldValue(minute_), FieldValue(second_)};
}

void TVorschau::SetInterval(const TPreviewInterval& i) {
    SetField(intervalHours_, i.Hours);
    SetField(intervalMinutes_, i.Minutes);
    SetField(intervalSeconds_, i.Seconds);
}

TPreviewInterval TVorschau::Interval() const {
    return {FieldValue(intervalHours_), FieldValue(intervalMinutes_), FieldValue(intervalSeconds_)};
}

void TVorschau::closeEvent(QCloseEvent* event) {
    // Closing by the frame is "Cancel".
    event->ignore();
    emit StartCancel();
}

void TVorschau::reject() { emit StartCancel(); }

void TVorschau::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit Hidden();
}

}  // namespace kelvora

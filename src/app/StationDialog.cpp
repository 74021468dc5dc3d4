#include "StationDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>

namespace kelvora {

namespace {
QDoubleSpinBox* AngleBox(double min, double max, double value, const char* name) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(min, max);
    box->setDecimals(4);
    box->setValue(value);
    return box;
}
}  // namespace

StationDialog::StationDialog(const IOperatorPrompt::Station& initial, QWidget* parent) : QDialog(parent) {
    setObjectName("StationDialog");
    setWindowTitle("Station");
    latitude_ = AngleBox(-90, 90, initial.latitude, "txtLatitude");
    longitude_ = AngleBox(-180, 360, initial.eastLongitude, "txtLongitude");
    height_ = AngleBox(-500, 9000, QLocale::system().toDouble(initial.heightMetres), "txtHeight");
    height_->setDecimals(1);
    zone_ = new QLineEdit(initial.zone.isEmpty() ? "auto" : initial.zone);
    zone_->setObjectName("txtZone");

    auto* form = new QFormLayout(this);
    form->addRow("Latitude (degrees, north positive)", latitude_);
    form->addRow("Longitude (degrees, east positive)", longitude_);
    form->addRow("Height above sea level (m)", height_);
    form->addRow("Time zone (hours, or \"auto\")", zone_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

IOperatorPrompt::Station StationDialog::Result() const {
    IOperatorPrompt::Station s;
    s.latitude = latitude_->value();
    s.eastLongitude = longitude_->value();
    // The height is read back in the system's number notation.
    s.heightMetres =
        QLocale::system().toString(height_->value(), 'f', height_->value() == int(height_->value()) ? 0 : 1);
    s.zone = zone_->text().trimmed().isEmpty() ? "auto" : zone_->text().trimmed();
    return s;
}

}  // namespace kelvora

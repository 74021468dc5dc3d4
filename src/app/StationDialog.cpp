#include "StationDialog.h"

#include "StationInput.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace kelvora {

namespace {
QChar SystemDecimal() { return QLocale::system().decimalPoint().at(0); }

QString Shown(double value) {
    QString text = QString::number(value, 'f', 4);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) text.chop(1);
    return text.replace('.', SystemDecimal());
}

QLineEdit* Field(const QString& text, const char* name) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    return edit;
}
}  // namespace

StationDialog::StationDialog(const IOperatorPrompt::Station& initial, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), result_(initial) {
    setObjectName("StationDialog");
    setWindowTitle("Station");
    latitude_ = Field(Shown(initial.latitude), "txtLatitude");
    longitude_ = Field(Shown(initial.eastLongitude), "txtLongitude");
    height_ = Field(initial.heightMetres, "txtHeight");
    zone_ = Field(initial.zone.isEmpty() ? "auto" : initial.zone, "txtZone");

    auto* form = new QFormLayout(this);
    form->addRow("Latitude (degrees, north positive)", latitude_);
    form->addRow("Longitude (degrees, east positive)", longitude_);
    form->addRow("Height above sea level (m)", height_);
    form->addRow("Time zone (hours, or \"auto\")", zone_);
    auto* cancelNote =
        new QLabel(QStringLiteral("Cancel keeps the kit's station (latitude %1, longitude %2, %3 m, zone "
                                  "%4); it can be changed later in \"SatIni.SQF\" of the data folder.")
                       .arg(latitude_->text(), longitude_->text(), height_->text(), zone_->text()));
    cancelNote->setObjectName("lblCancelKeeps");
    cancelNote->setWordWrap(true);
    form->addRow(cancelNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &StationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void StationDialog::accept() {
    const TStationInput input{latitude_->text(), longitude_->text(), height_->text(), zone_->text()};
    const QString refusal = CheckStationInput(input, SystemDecimal(), &result_);
    if (!refusal.isEmpty()) {
        prompt_.Message(refusal, IOperatorPrompt::Icon::Warning);
        return;
    }
    QDialog::accept();
}

}  // namespace kelvora

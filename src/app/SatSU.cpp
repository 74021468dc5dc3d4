#include "SatSU.h"

#include "DialogButtons.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

int ScreenSizeRule(int item, int screenWidth, int fontScale) {
    switch (item) {
        case 0:
            return fontScale > 16 ? 1 : 0;
        case 1:
            return screenWidth > 640 ? 1 : 0;
        default:
            return screenWidth > 800 ? 2 : screenWidth == 800 ? 1 : 0;
    }
}

char WindowSizeOptionOfItem(int item) { return item == 2 ? '+' : item == 1 ? '/' : '-'; }
int ItemOfWindowSizeOption(char option) { return option == '+' ? 2 : option == '/' ? 1 : 0; }

TSatSetup::TSatSetup(TAppState& app, int screenWidth, QWidget* parent)
    : QDialog(parent), app_(app), screenWidth_(screenWidth) {
    setObjectName("SatSetup");
    setWindowTitle("Options");
    setModal(false);
    TStartSettings& s = app_.Start;

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(Check("chkStartOptR", "Rotor control", &s.RotorOnStart, false), 0, 0);
    grid->addWidget(Check("chkStartOptC", "CAT control", &s.CatOnStart, false), 1, 0);
    grid->addWidget(Check("chkStartOptP", "Auto select", &s.AutoChangeStart, false), 2, 0);
    grid->addWidget(Check("chkStartOptM", "Multiple satellites", &s.MultiSatStart, false), 3, 0);
    grid->addWidget(Check("chkStartOptZ2", "Zoom 2", &s.ZoomStart, false), 0, 1);
    grid->addWidget(Check("chkStartOptS", "Sun", &s.SunOnStart, false), 1, 1);
    grid->addWidget(Check("chkStartOptD", "Direction arrows", &s.ArrowsOnStart, false), 2, 1);
    grid->addWidget(Check("chkStartOptZ", "Center maps on:", &s.MapCentreSwitch, true), 3, 1);
    grid->addWidget(RadioGroup("RGrMapFix", QString(), {"Obs.", "Grw./Obs.2"}, &mapFix_), 4, 1);
    layout->addLayout(grid);
    connect(mapFix_, &QButtonGroup::idClicked, this, [this](int id) {
        app_.Start.MapCentreChoice = id == 0 ? '+' : '-';
        app_.Tracking.MapRedrawCounter = 0;
    });

    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup("RdGrpOptScreen", " Program window  ", {"640/480", "800/600", "1024/768"}, &screen_));
    groups->addWidget(RadioGroup("RGrMaps", " Maps at Program Start ", {"Political", "Blue-M."}, &maps_));
    layout->addLayout(groups);
    connect(screen_, &QButtonGroup::idClicked, this, &TSatSetup::ScreenItemChosen);
    connect(maps_, &QButtonGroup::idClicked, this, [this](int id) { app_.Start.MapSet = id == 1 ? '+' : '-'; });
    // The map set shown at creation; on small screens no item is chosen.
    if (screenWidth_ >= 1024) maps_->button(app_.Start.MapSet == '-' ? 0 : 1)->setChecked(true);
    if (screenWidth_ < 800) screen_->button(0)->setChecked(true);
    else if (screenWidth_ < 1024) screen_->button(1)->setChecked(true);

    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(new QLabel("Update map every"));
    interval_ = new QLineEdit;
    interval_->setObjectName("txtIntVGr");
    interval_->setReadOnly(true);
    interval_->setFixedWidth(48);
    intervalRow->addWidget(interval_);
    auto* spin = new QWidget;
    spin->setObjectName("SpinIntVGr");
    auto* spinLayout = new QVBoxLayout(spin);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    auto* up = new QToolButton;
    up->setObjectName("SpinIntVGrUp");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setObjectName("SpinIntVGrDown");
    down->setArrowType(Qt::DownArrow);
    spinLayout->addWidget(up);
    spinLayout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { StepMapInterval(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepMapInterval(-1); });
    intervalRow->addWidget(spin);
    intervalRow->addWidget(new QLabel("seconds"));
    intervalRow->addStretch(1);
    layout->addLayout(intervalRow);

    // "OK" closes without writing and is the Enter button; the apply role keeps
    // "Store" right of it.
    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "Abbrechen", "OK", QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* store = AddButton(buttons, "cmdOK", "Store", QDialogButtonBox::ApplyRole);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(store, &QPushButton::clicked, this, &TSatSetup::Store);
    setFixedSize(sizeHint());
}

QCheckBox* TSatSetup::Check(const char* name, const QString& caption, char* startValue, bool clearsMap) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    checks_ << std::make_pair(box, startValue);
    connect(box, &QCheckBox::clicked, this, [this, startValue, clearsMap](bool on) {
        *startValue = on ? '+' : '-';
        if (clearsMap) app_.Tracking.MapRedrawCounter = 0;
    });
    return box;
}

QGroupBox* TSatSetup::RadioGroup(const char* name, const QString& caption, const QStringList& items,
                                 QButtonGroup** group) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i]);
        radio->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        (*group)->addButton(radio, i);
        column->addWidget(radio);
    }
    return box;
}

void TSatSetup::FillFromSettings() {
    for (const auto& [box, value] : checks_) box->setChecked(*value == '+');
    if (RereadRotorOptions) RereadRotorOptions();
    interval_->setText(" " + QString::number(app_.Tracking.MapInterval));
    mapFix_->button(app_.Start.MapCentreChoice == '+' ? 0 : 1)->setChecked(true);
    screen_->button(ItemOfWindowSizeOption(app_.Layout.WindowSizeOption))->setChecked(true);
}

void TSatSetup::StepMapInterval(int delta) {
    // Below 0 the map is simply redrawn in every cycle; the bounds are those a file
    // may hold, so that the value can be stored and read back.
    app_.Tracking.MapInterval = std::clamp(app_.Tracking.MapInterval + delta, -kMaxMapInterval, kMaxMapInterval);
    app_.Start.MapInterval = app_.Tracking.MapInterval;
    interval_->setText(" " + QString::number(app_.Tracking.MapInterval));
}

void TSatSetup::ScreenItemChosen(int item) {
    const int allowed = ScreenSizeRule(item, screenWidth_, app_.Layout.FontScale);
    screen_->button(allowed)->setChecked(true);
    const char option = WindowSizeOptionOfItem(allowed);
    app_.Start.WindowSizeOption = option;
    if (ApplyWindowSize) ApplyWindowSize(option);
}

void TSatSetup::Store() {
    QString error;
    if (!StoreStartSettings(app_.DataFolder, app_.Start, &error)) {
        if (ReportError) ReportError(error);
        return;  // the dialog stays open
    }
    close();
}

void TSatSetup::hideEvent(QHideEvent* event) {
    if (Hidden) Hidden();
    QDialog::hideEvent(event);
}

}  // namespace kelvora

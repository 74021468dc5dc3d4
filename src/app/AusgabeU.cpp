#include "AusgabeU.h"

#include "DateTimeBox.h"
#include "WindowSize.h"
#include "TextLineBox.h"
#include "UpDown.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvora {

namespace {
QAction* MenuAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* SubMenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// A letter without a satellite is disabled but still shows its letter, in grey.
QString ColourStyle(TLetterColour colour) {
    const QString background = colour == TLetterColour::White ? "rgb(255,255,255)" : "rgb(192,192,192)";
    return "QLabel { background: " + background + "; } QLabel:disabled { color: rgb(110,110,110); }";
}
}  // namespace

TAusgabe::TAusgabe(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Ausgabe");
    setWindowTitle(" KelvoraISS");
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    CreateMenus();

    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    setCentralWidget(central);
    mapFrame_ = new QFrame(central);
    mapFrame_->setObjectName("BevAusgabe");
    mapFrame_->setFrameShape(QFrame::Panel);
    mapFrame_->setFrameShadow(QFrame::Sunken);
    map_ = new QLabel(mapFrame_);
    map_->setObjectName("picKarte");
    map_->setAutoFillBackground(true);
    map_->setStyleSheet("background: rgb(0,0,64);");
    CreateTransmitLabels();
    central->installEventFilter(this);

    // Under the map: the data list across the full width; below it the frequency
    // panel, the toggles with the satellite name, the letters and the date-time box.
    lowerPanel_ = new QWidget(central);
    lowerPanel_->setObjectName("LowerPanel");
    lowerPanel_->installEventFilter(this);
    auto* rows = new QVBoxLayout(lowerPanel_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(1);
    rows->addWidget(CreateOutputColumn());
    auto* lower = new QHBoxLayout;
    lowerRow_ = lower;
    rows->addLayout(lower, 1);
    lower->addWidget(CreateRxTxPanels(), 1);

    auto* controls = new QVBoxLayout;
    controls->setSpacing(1);
    togglePanel_ = new QWidget;
    togglePanel_->setObjectName("PanSchalter");
    CreateTogglePanel(togglePanel_);
    controls->addWidget(togglePanel_);
    satName_ = new QLabel(" A: ");
    satName_->setObjectName("lblSatName");
    QFont nameFont = satName_->font();
    nameFont.setPixelSize(15);
    nameFont.setBold(true);
    satName_->setFont(nameFont);
    controls->addWidget(satName_);
    controls->addStretch(1);
    lower->addLayout(controls);
    auto* letterPanel = new QWidget;
    letterPanel->setObjectName("PanBuchstaben");
    CreateLetters(letterPanel);
    lower->addWidget(letterPanel, 0, Qt::AlignTop);

    auto* timeColumn = new QVBoxLayout;
    timeColumn->setSpacing(1);
    auto* timeFrame = new QFrame;
    timeFrame->setObjectName("BevDatZeit");
    timeFrame->setFrameShape(QFrame::Panel);
    timeFrame->setFrameShadow(QFrame::Sunken);
    auto* timeFrameLayout = new QHBoxLayout(timeFrame);
    timeFrameLayout->setContentsMargins(1, 1, 1, 1);
    dateTime_ = new TDateTimeBox;
    timeFrameLayout->addWidget(dateTime_);
    illumination_ = new QLabel;
    illumination_->setObjectName("lblIll");
    illumination_->setAutoFillBackground(true);
    illumination_->setFixedHeight(16);
    timeColumn->addWidget(illumination_);
    timeColumn->addWidget(timeFrame);
    timeColumn->addStretch(1);
    lower->addLayout(timeColumn);

    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_ << panel;
        statusBar()->addWidget(panel);
    }
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setToolTip("Double click to activate/deactivate RX/TX button");
    statusBar()->installEventFilter(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(300);
    timer2_->setSingleShot(true);
}

void TAusgabe::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    QMenu* file = SubMenu(bar, "menDatei", "&File");
    MenuAction(file, "menOpen", "O&pen");
    satModeOff_ = MenuAction(file, "menSatMode", "&Sat mode off");
    connect(satModeOff_, &QAction::triggered, this, &TAusgabe::SatModeOffRequested);
    connect(MenuAction(file, "menBeenden", "&Quit"), &QAction::triggered, this, &TAusgabe::QuitRequested);
    bar->addMenu(file);

    QMenu* tracking = SubMenu(bar, "menBahn", "&Tracking");
    connect(MenuAction(tracking, "menEchtzeit", "&Real Time"), &QAction::triggered, this, &TAusgabe::RealTimeRequested);
    connect(MenuAction(tracking, "menVorschau", "&Preview"), &QAction::triggered, this, &TAusgabe::PreviewRequested);
    connect(MenuAction(tracking, "menMAWert", "&MA"), &QAction::triggered, this, &TAusgabe::MaRequested);
    bar->addMenu(tracking);

    auto topLevel = [bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    connect(topLevel("menList", "&Satellites"), &QAction::triggered, this, &TAusgabe::SatellitesRequested);
    connect(topLevel("menSetUp", "&CAT"), &QAction::triggered, this, &TAusgabe::CatDialogRequested);
    connect(topLevel("menHin", "&Rotor"), &QAction::triggered, this, &TAusgabe::RotorDialogRequested);
    connect(topLevel("menMode", "&Mode"), &QAction::triggered, this, &TAusgabe::ModeDialogRequested);
    connect(topLevel("menOptionen", "&Options"), &QAction::triggered, this, &TAusgabe::OptionsRequested);
    topLevel("menStationSetup", "S&etup");  // the setup dialog connects itself

    QMenu* programs = SubMenu(bar, "menProg", "&Programs");
    for (int i = 1; i <= 10; ++i)
        MenuAction(programs, QStringLiteral("menProg%1").arg(i).toLatin1().constData(), QStringLiteral("Prog%1").arg(i))
            ->setVisible(false);
    bar->addMenu(programs);
    topLevel("menInfo", "&Info");

    QMenu* help = SubMenu(bar, "N2", "?");
    MenuAction(help, "KelvoraISS1", "KelvoraISS");
    MenuAction(help, "Readme2", "Readme");
    MenuAction(help, "Manual1", "Manual");
    MenuAction(help, "FAQs1", "FAQs");
    QMenu* hints = SubMenu(help, "Hintsfor1", "Hints for ..");
    MenuAction(hints, "Yaesuusers1", "Yaesu users");
    MenuAction(hints, "ICOMusers1", "ICOM users");
    MenuAction(hints, "Kenwoodusers1", "Kenwood users");
    help->addMenu(hints);
    QMenu* aux = SubMenu(help, "Auxiliaryfiles1", "Auxiliary files");
    for (int i = 1; i <= 15; ++i)
        MenuAction(aux, QStringLiteral("menAux%1").arg(i).toLatin1().constData(), QString())->setVisible(false);
    help->addMenu(aux);
    bar->addMenu(help);
}

QLabel* TAusgabe::ToggleLabel(QWidget* parent, TToggle toggle, const char* name, const QString& designCaption,
                              const QString& hint) {
    auto* label = new QLabel(designCaption, parent);
    label->setObjectName(name);
    label->setToolTip(hint);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setFixedSize(27, 17);
    label->installEventFilter(this);
    toggles_[static_cast<size_t>(toggle)] = label;
    return label;
}

void TAusgabe::CreateTogglePanel(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    struct ToggleInfo {
        TToggle toggle;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const ToggleInfo toggles[] = {
        {TToggle::Rotor, "lblRotor", "R", "Rotor control on/off"},
        {TToggle::Cat, "lblCat", "C", "CAT control on/off"},
        {TToggle::Wechsel, "lblWechsel", "A", "Automatic sat change on/off"},
        {TToggle::Vfo, "lblVFO", "V-", "VFO mode on/off"},
        {TToggle::Cw, "lblCW", "CW-", "CW mode on/off"},
        {TToggle::BlueM, "lblBlueM", "Pl", ""},
        {TToggle::Multi, "lblMulti", "M", "Display multiple sats on/off"},
        {TToggle::Zoom, "lblZoom", "Z1", "Change zoom factor"},
        {TToggle::Spur, "lblSpur", "G-", "Display ground track off / temporarily on / continuously on"},
        {TToggle::Sun, "lblSun", "S", "Display sun line on/off"},
        {TToggle::Arrow, "lblArrow", "D", "Display direction arrows on/off"},
        {TToggle::WinSize, "lblWinSize", "W1", ""},
    };
    int i = 0;
    for (const ToggleInfo& s : toggles) {
        grid->addWidget(ToggleLabel(parent, s.toggle, s.name, s.caption, s.hint), i / 6, i % 6);
        ++i;
    }
    // Shown only during a preview, where lblRotor .. lblVFO stand.
    upDown2_ = new TUpDown("UpDown2", Qt::Horizontal, -10000, 10000, parent);
    grid->addWidget(upDown2_, 0, 0, 1, 3, Qt::AlignCenter);
    upDown2_->hide();
    QLabel* stepFactor =
        ToggleLabel(parent, TToggle::VorZur, "lblVorZur", "F-", "Change time step of preview function (normal/fast)");
    grid->addWidget(stepFactor, 0, 3);
    stepFactor->hide();
}

void TAusgabe::CreateLetters(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    QFont letterFont("Liberation Mono", 9);
    letterFont.setBold(true);
    for (int i = 0; i < LetterCount; ++i) {
        const QChar letter('A' + i);
        auto* label = new QLabel(QString(letter), parent);
        label->setObjectName(QStringLiteral("lbl%1").arg(letter));
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(16, 16);
        label->setFont(letterFont);
        label->setAutoFillBackground(true);
        label->setStyleSheet(ColourStyle(TLetterColour::Silver));
        label->setEnabled(false);
        label->installEventFilter(this);
        letters_ << label;
        grid->addWidget(label, i / 6, i % 6);
    }
}

void TAusgabe::ApplyLayout(const TLayout& layout) {
    // The table gives the outer size of a window with an 8-pixel frame and a 46-pixel
    // title, menu and border allowance; here the client area is sized.
    const TWindowLayout w = WindowLayoutOf(layout.LayoutSize, !layoutApplied_);
    layoutApplied_ = true;
    const int clientWidth = w.ClientArea.width() - 8;
    const int clientHeight = w.ClientArea.height() - 46;
    mapFrame_->setGeometry(1, 0, w.MapFrame.width(), w.MapFrame.height());
    map_->setGeometry(w.MapControl);
    PlaceTransmitLabels();
    lowerPanel_->setGeometry(1, w.MapFrame.height() + 2, clientWidth - 2,
                             clientHeight - w.MapFrame.height() - 2 - statusBar()->sizeHint().height());
    const QSize full(clientWidth, clientHeight + menuBar()->sizeHint().height());
    // Never larger than the layout; smaller is the operator's choice.
    setMaximumSize(full);
    resize(full);
    // The smallest window gives the frequency panel the date-time box's spare room
    // (its two lines are ten characters each) and closer gaps.
    const bool smallest = layout.LayoutSize == 1;
    lowerRow_->setSpacing(smallest ? 2 : 4);
    dateTime_->setFixedWidth(smallest ? QFontMetrics(dateTime_->font()).horizontalAdvance(QString(10, '0')) + 2 : 120);
    SetDataHeading(layout.LayoutSize);
}

void TAusgabe::ShowMap(const QImage& view) { map_->setPixmap(QPixmap::fromImage(view)); }

QImage TAusgabe::ShownMap() const { return map_->pixmap().toImage(); }

void TAusgabe::ShowIllumination(const QString& text, const QColor& label, const QColor& textColour) {
    // Called every tick: restyling a widget is costly, so only changes are applied.
    if (illumination_->text() != text) illumination_->setText(text);
    const QString style = QStringLiteral("background: %1; color: %2;").arg(label.name(), textColour.name());
    if (illumination_->styleSheet() != style) illumination_->setStyleSheet(style);
}

void TAusgabe::ShowToggleTexts(const TToggleTexts& t) {
    const std::pair<TToggle, QString> labels[] = {
        {TToggle::Rotor, t.Rotor}, {TToggle::Cat, t.Cat},     {TToggle::Wechsel, t.AutoChange},
        {TToggle::Multi, t.Multi}, {TToggle::Zoom, t.Zoom},   {TToggle::Sun, t.Sun},
        {TToggle::Arrow, t.Arrow}, {TToggle::BlueM, t.BlueM}, {TToggle::WinSize, t.WinSize}};
    for (const auto& [toggle, text] : labels) SetToggleText(toggle, text);
}

void TAusgabe::PaintLetter(int letter, TLetterColour colour) {
    if (letter < 0 || letter >= letters_.size()) return;
    const QString style = ColourStyle(colour);
    if (letters_[letter]->styleSheet() != style) letters_[letter]->setStyleSheet(style);
}

void TAusgabe::SetLettersEnabled(int selectedCount) {
    // lblA stays enabled whatever the selection.
    for (int i = 0; i < letters_.size(); ++i) letters_[i]->setEnabled(i == 0 || i < selectedCount);
}

void TAusgabe::DrawDateTime(const QString& date, const QString& time) { dateTime_->Draw(date, time); }

void TAusgabe::ClearIllumination() {
    illumination_->clear();
    illumination_->setStyleSheet("background: rgb(192,192,192);");
}

void TAusgabe::SetStatusPanel(int panel, const QString& text) {
    if (panel >= 0 && panel < statusPanels_.size()) statusPanels_[panel]->setText(text);
}

QString TAusgabe::StatusPanel(int panel) const {
    return panel >= 0 && panel < statusPanels_.size() ? statusPanels_[panel]->text() : QString();
}

void TAusgabe::SetLetterHint(int letter, const QString& hint) {
    if (letter >= 0 && letter < letters_.size()) letters_[letter]->setToolTip(hint);
}

void TAusgabe::ShowSatName(const QString& text) {
    satName_->setText(text);
    satName_->setMaximumWidth(togglePanel_->sizeHint().width());
}

QString TAusgabe::SatNameText() const { return satName_->text(); }

bool TAusgabe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const int letter = letters_.indexOf(label);
        if (letter >= 0 && letters_[letter]->isEnabled()) {
            emit LetterClicked(letter);
            return true;
        }
        const auto toggle = std::find(toggles_.begin(), toggles_.end(), label);
        if (label && toggle != toggles_.end()) {
            const auto clicked = static_cast<TToggle>(toggle - toggles_.begin());
            if (clicked == TToggle::WinSize) emit WindowSizeClicked();
            emit ToggleClicked(clicked);
            return true;
        }
        if (label && std::find(txRx_.begin(), txRx_.end(), label) != txRx_.end()) {
            if (rxTxEnabled_) emit TransmitLabelClicked();
            return true;
        }
        if (watched == statusBar()) {
            emit StatusBarClicked();
            return true;
        }
        // Clicks that controls leave unused reach their parents too: only one on the
        // free area itself counts.
        auto* area = qobject_cast<QWidget*>(watched);
        if ((watched == centralWidget() || watched == lowerPanel_) &&
            !area->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            emit BackgroundClicked();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TAusgabe::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The status panels take 20, 25, 30 and 25 per cent of the width.
    static const double shares[] = {0.2, 0.25, 0.3, 0.25};
    for (int i = 0; i < statusPanels_.size(); ++i)
        statusPanels_[i]->setFixedWidth(static_cast<int>(width() * shares[i]) - 4);
}

void TAusgabe::SetToggleText(TToggle toggle, const QString& text) { Toggle(toggle)->setText(text); }

QString TAusgabe::ToggleText(TToggle toggle) const { return Toggle(toggle)->text(); }

QPoint TAusgabe::ToggleTopLeft(TToggle toggle) const { return Toggle(toggle)->mapTo(this, QPoint()); }

void TAusgabe::WireMapToggles(TAppState& app, TMapToggleHooks hooks) {
    connect(this, &TAusgabe::ToggleClicked, this, [this, &app, hooks](TToggle toggle) {
        const auto text = ClickMapToggle(toggle, ToggleText(toggle).toStdString(), app, hooks);
        if (text) SetToggleText(toggle, QString::fromStdString(*text));
    });
}

void TAusgabe::SetInputEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

bool TAusgabe::InputEnabled() const { return centralWidget()->isEnabled(); }

void TAusgabe::closeEvent(QCloseEvent* event) {
    if (CloseQuery && !CloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kelvora

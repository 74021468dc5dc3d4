// TSatWahl: building the window, its geometry and the file list. The handlers of
// the operator's actions are in SatWahlHandlers.cpp.
#include "SatWahlU.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace kelvora {

namespace {

// Design geometry at the width the window is created with.
constexpr int DesignWidth = 600;
constexpr int DesignHeight = 416;
constexpr int ListTop = 24;
constexpr int ListHeight = 250;
constexpr int RowHeight = 16;  // one row of lstAuswahl, one marker, one letter
constexpr int AvailableLeft = 166;
constexpr int DesignListWidth = 150;
constexpr int MinListWidth = 40;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    if (w > 0) label->resize(w, label->sizeHint().height());
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, 110, 24);
    return button;
}

QListWidget* MakeList(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(x, y, w, h);
    list->setUniformItemSizes(true);
    return list;
}

}  // namespace

QString FileDateText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QString();
    return info.lastModified().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")).left(16);
}

QString FileShortDate(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.lastModified().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QStringList ElementFilesOf(const QString& folder, const QString& mask) {
    if (folder.isEmpty()) return {};
    QStringList patterns = mask.split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    // Without QDir::CaseSensitive the patterns ignore letter case, as masks always did.
    return QDir(folder).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

int SourceRowIn(const QStringList& files, const QString& fileName) {
    const QString wanted = fileName.toUpper();
    for (int row = 0; row < files.size(); ++row)
        if (files[row].toUpper() == wanted) return row;
    return static_cast<int>(files.size()) - 1;
}

TSatWahl::TSatWahl(TSatSelection& selection, const TElementCatalog& catalog, const TSelectionHooks& hooks,
                   IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), selection_(selection), catalog_(catalog), hooks_(hooks), prompt_(prompt) {
    setObjectName("SatWahl");
    setWindowTitle("Satelliten");
    resize(DesignWidth, DesignHeight);
    BuildLists();
    BuildLabels();
    BuildButtons();
    createdWidth_ = DesignWidth;
    upDownPosition_ = 0;
    PlaceColumns();
    SetEntryButtonsEnabled(false);
}

void TSatWahl::BuildLists() {
    MakeLabel(this, "lblSource", "Qell-Files:", 8, 6);
    filSource_ = MakeList(this, "filSource", 8, ListTop, 150, ListHeight);
    MakeLabel(this, "lblVerfgbar", QStringLiteral("Verf\u00fcgbar:"), AvailableLeft, 6);
    label27_ = MakeLabel(this, "Label27", "0", AvailableLeft + 90, 6, 50);
    lstAlleSat_ = MakeList(this, "lstAlleSat", AvailableLeft, ListTop, DesignListWidth, ListHeight);
    lblAuswahl_ = MakeLabel(this, "lblAuswahl", "Selected:", 0, 6, 200);
    lstAuswahl_ = MakeList(this, "lstAuswahl", 0, ListTop, DesignListWidth, MaxSelectedSatellites * RowHeight + 4);

    panel1_ = new QWidget(this);
    panel1_->setObjectName("Panel1");
    panel2_ = new QWidget(this);
    panel2_->setObjectName("Panel2");
    for (int k = 0; k < MaxSelectedSatellites; ++k) {
        const int y = 2 + k * RowHeight;
        auto* marker = MakeLabel(panel1_, QString("lblMarker%1").arg(k + 1).toLatin1().constData(), "*", 2, y);
        marker->hide();
        markers_ << marker;
        MakeLabel(panel2_, QString("lblLetter%1").arg(k + 1).toLatin1().constData(), QString(LetterOf(k)), 1, y);
    }

    connect(filSource_, &QListWidget::itemClicked, this, [this] { filSourceClick(); });
    connect(lstAlleSat_, &QListWidget::itemDoubleClicked, this, [this] { lstAlleSatDblClick(); });
    connect(lstAuswahl_, &QListWidget::itemClicked, this, [this] { lstAuswahlClick(); });
    connect(lstAuswahl_, &QListWidget::itemDoubleClicked, this, [this] { lstAuswahlDblClick(); });
    lstAlleSat_->installEventFilter(this);
    lstAuswahl_->installEventFilter(this);
}

void TSatWahl::BuildLabels() {
    lblPfad_ = MakeLabel(this, "lblPfad", "Path:", 8, 344, 580);
    MakeLabel(this, "Label25", "Filedate: ", 8, 364);
    label26_ = MakeLabel(this, "Label26", QString(), 70, 364, 200);
    lblInfo_ = MakeLabel(this, "lblInfo", QString(), AvailableLeft, 388, 420);
    lblInfo_->setStyleSheet("color: red;");
    lblInfo_->hide();
    MakeLabel(this, "Label28", "Fenster +/-", 48, 390);

    auto* upDown = new QWidget(this);
    upDown->setObjectName("UpDown1");
    upDown->setGeometry(8, 388, 36, 20);
    auto* left = new QToolButton(upDown);
    left->setObjectName("UpDown1Left");
    left->setArrowType(Qt::LeftArrow);
    left->setGeometry(0, 0, 18, 20);
    auto* right = new QToolButton(upDown);
    right->setObjectName("UpDown1Right");
    right->setArrowType(Qt::RightArrow);
    right->setGeometry(18, 0, 18, 20);
    connect(left, &QToolButton::clicked, this, [this] { UpDown1Click(false); });
    connect(right, &QToolButton::clicked, this, [this] { UpDown1Click(true); });
}

void TSatWahl::BuildButtons() {
    cmdZeigen_ = MakeButton(this, "cmdZeigen", "Zeigen  An/Azs", 8, 282);
    cmdDelete_ = MakeButton(this, "cmdDelete", QStringLiteral("L\u00f6schen"), 124, 282);
    cmdAktSat_ = MakeButton(this, "cmdAktSat", "Active Sat.", 240, 282);
    auto* button1 = MakeButton(this, "Button1", "Update Keps", 356, 282);
    button1->setToolTip("Keplerdaten aus dem Internet  herunterladen");
    auto* satName = MakeButton(this, "cmdSatName", "Sat. Names", 472, 282);
    cmdSatFWechsel_ = MakeButton(this, "cmdSatFWechsel", "Gruppen", 8, 312);
    auto* sortSats = MakeButton(this, "cmdSortSats", "Sortieren", 124, 312);
    cmdFileOK_ = MakeButton(this, "cmdFileOK", "OK", 356, 312);
    cmdFileCancel_ = MakeButton(this, "cmdFileCancel", "Abbruch", 472, 312);
    button2_ = MakeButton(this, "Button2", "Zeige Daten", AvailableLeft, 384);
    button2_->hide();

    connect(cmdZeigen_, &QPushButton::clicked, this, [this] { cmdZeigenClick(); });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] { lstAuswahlDblClick(); });
    connect(cmdAktSat_, &QPushButton::clicked, this, [this] { cmdAktSatClick(); });
    connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(satName, &QPushButton::clicked, this, [this] { cmdSatNameClick(); });
    connect(cmdSatFWechsel_, &QPushButton::clicked, this, [this] { cmdSatFWechselClick(); });
    connect(sortSats, &QPushButton::clicked, this, [this] { cmdSortSatsClick(); });
    connect(cmdFileOK_, &QPushButton::clicked, this, [this] { cmdFileOKClick(); });
    connect(cmdFileCancel_, &QPushButton::clicked, this, [this] { cmdFileCancelClick(); });
    // "Fenster -" never cuts the buttons of the right column.
    setMinimumWidth(cmdFileCancel_->x() + cmdFileCancel_->width() + 8);
}

// FormResize: half the width change goes to each list; the marker panel, the letter
// panel and the selected list follow the available list.
void TSatWahl::PlaceColumns() {
    const double half = (width() - createdWidth_) / 2.0;
    const int listWidth = std::max(MinListWidth, DesignListWidth + static_cast<int>(std::nearbyint(half)));
    lstAlleSat_->resize(listWidth, ListHeight);
    const int panel1Left = AvailableLeft + listWidth + 3;
    panel1_->setGeometry(panel1Left, ListTop, 12, lstAuswahl_->height());
    panel2_->setGeometry(panel1Left + 15, ListTop, 14, lstAuswahl_->height());
    lstAuswahl_->setGeometry(panel1Left + 15 + 18, ListTop, listWidth, lstAuswahl_->height());
    lblAuswahl_->move(lstAuswahl_->x(), lblAuswahl_->y());
    lblInfo_->move(button2_->x(), lblInfo_->y());
}

void TSatWahl::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (lstAuswahl_) PlaceColumns();
}

void TSatWahl::UpDown1Click(bool wider) {
    upDownPosition_ += wider ? 1 : -1;
    resize(width() + (wider ? 20 : -20), height());
}

void TSatWahl::showEvent(QShowEvent* event) {
    rememberedFileRow_ = filSource_->currentRow();
    if (MainWindowGeometry) {
        const QRect main = MainWindowGeometry();
        const int top = main.top() + static_cast<int>(std::nearbyint(main.height() / 2.0 - height() / 2.0));
        const int left = main.left() + static_cast<int>(std::nearbyint((main.width() - width()) / 2.0));
        move(left, top);
    }
    if (SourcePath && !SourcePath().isEmpty()) {
        const QFileInfo source(SourcePath());
        ShowSourceInFileList(source.absolutePath(), source.fileName(), false);
        label26_->setText(FileDateText(source.filePath()));
    }
    lblAuswahl_->setText("Selected: [" + (GroupName ? GroupName() : QString()) + "]");
    QDialog::showEvent(event);
    cmdFileOK_->setFocus();
}

void TSatWahl::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (SetMainWindowEnabled) SetMainWindowEnabled(true);
}

// Any character key in the two satellite lists acts as a double click.
bool TSatWahl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == lstAlleSat_ || watched == lstAuswahl_)) {
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty()) {
            if (watched == lstAlleSat_) lstAlleSatDblClick();
            else lstAuswahlDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSatWahl::SetElementMask(const QString& mask) { mask_ = mask.isEmpty() ? QStringLiteral("*.*") : mask; }

void TSatWahl::ShowSourceInFileList(const QString& folder, const QString& fileName, bool showPath) {
    folder_ = folder;
    filSource_->clear();
    const QStringList files = ElementFilesOf(folder, mask_);
    filSource_->addItems(files);
    filSource_->setCurrentRow(SourceRowIn(files, fileName));
    if (showPath) lblPfad_->setText("Path: " + folder);
}

void TSatWahl::RefreshFileList() {
    const QListWidgetItem* highlighted = filSource_->currentItem();
    const QString highlightedName = highlighted ? highlighted->text() : QString();
    const QListWidgetItem* remembered = filSource_->item(rememberedFileRow_);
    const QString rememberedName = remembered ? remembered->text() : QString();
    const QStringList files = ElementFilesOf(folder_, mask_);
    filSource_->clear();
    filSource_->addItems(files);
    filSource_->setCurrentRow(files.indexOf(highlightedName));
    if (remembered) rememberedFileRow_ = static_cast<int>(files.indexOf(rememberedName));
}

void TSatWahl::ReturnToRememberedFile() {
    if (rememberedFileRow_ < 0 || rememberedFileRow_ >= filSource_->count()) return;
    filSource_->setCurrentRow(rememberedFileRow_);
    filSourceClick();
}

QString TSatWahl::HighlightedFilePath() const {
    const QListWidgetItem* item = filSource_->currentItem();
    return item ? QDir(folder_).filePath(item->text()) : QString();
}

QPoint TSatWahl::DialogPlacement() const { return QPoint(x() + (fontScale_ > 16 ? 380 : 280), y() + 80); }

void TSatWahl::SetEntryButtonsEnabled(bool enabled) {
    cmdZeigen_->setEnabled(enabled);
    cmdDelete_->setEnabled(enabled);
    cmdAktSat_->setEnabled(enabled);
}

void TSatWahl::ShowInfo(const QString& text) {
    lblInfo_->setText(text);
    lblInfo_->show();
}

void TSatWahl::ShowEntries() {
    lstAuswahl_->clear();
    for (int k = 0; k < MaxSelectedSatellites; ++k) {
        const bool used = k < selection_.Entries.size();
        if (used) {
            // Each row as high as a letter and a marker, so the twelfth still sits beside its satellite.
            auto* item = new QListWidgetItem(selection_.Entries[k].Name, lstAuswahl_);
            item->setSizeHint(QSize(0, RowHeight));
        }
        markers_[k]->setVisible(used && selection_.Entries[k].MapMarker);
    }
}

void TSatWahl::ShowChosenGroup(const QString& text) { lblAuswahl_->setText(text); }

void TSatWahl::DisableEntryButtons() {
    for (QPushButton* button : {cmdZeigen_, cmdDelete_, cmdAktSat_}) button->setEnabled(false);
}

}  // namespace kelvora

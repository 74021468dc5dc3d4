#include "SortSatsU.h"

#include "GroupDialogSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvora {

namespace {

// A list that reports press and release after it has moved its highlight, the way
// the dragging in lstNew expects them.
class TPressReleaseList : public QListWidget {
public:
    std::function<void()> Pressed;
    std::function<void()> Released;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QListWidget::mousePressEvent(event);
        if (event->button() == Qt::LeftButton && Pressed) Pressed();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QListWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && Released) Released();
    }
};

QListWidget* LabelledList(QListWidget* list, const char* name, const QString& caption, QGridLayout* grid, int column) {
    list->setObjectName(name);
    list->setSortingEnabled(false);
    grid->addWidget(new QLabel(caption), 0, column);
    grid->addWidget(list, 1, column);
    return list;
}

}  // namespace

std::vector<TGroupEntry> EntriesInNewOrder(const std::vector<TGroupEntry>& oldEntries, const QStringList& newOrder) {
    std::vector<TGroupEntry> entries;
    for (const QString& name : newOrder) {
        TGroupEntry entry{name, false};
        for (const TGroupEntry& old : oldEntries) {
            if (old.Name == name) entry.MapMarker = old.MapMarker;
        }
        entries.push_back(entry);
    }
    return entries;
}

TSortSats::TSortSats(TSatGroups& groups, IOperatorPrompt& prompt, THelpSort* help, QWidget* parent)
    : QDialog(parent), groups_(groups), prompt_(prompt), help_(help) {
    setObjectName("SortSats");
    setWindowTitle("Sort Selected Satellites");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    groupList_ = LabelledList(new QListWidget, "lstSatFiles", "Sat Gruppen", grid, 0);
    old_ = LabelledList(new QListWidget, "lstOld", "Alte Folge", grid, 1);
    auto* dragList = new TPressReleaseList;
    new_ = LabelledList(dragList, "lstNew", "Neue Folge", grid, 2);
    dragList->Pressed = [this] { lstNewMouseDown(); };
    dragList->Released = [this] { lstNewMouseUp(); };
    connect(groupList_, &QListWidget::itemClicked, this, [this] { lstSatFilesClick(); });

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* save = AddButton(buttons, "cmdSave", "Speichern", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Abbruch", QDialogButtonBox::RejectRole);
    QPushButton* helpButton = AddButton(buttons, "cmdHelp", "Hilfe", QDialogButtonBox::HelpRole);
    connect(save, &QPushButton::clicked, this, &TSortSats::cmdSaveClick);
    connect(cancel, &QPushButton::clicked, this, &TSortSats::cmdCancelClick);
    connect(helpButton, &QPushButton::clicked, this, &TSortSats::cmdHelpClick);
    resize(520, 320);
}

void TSortSats::PlaceAtSelection(const QPoint& selectionTopLeft) { move(selectionTopLeft + QPoint(130, 60)); }

void TSortSats::showEvent(QShowEvent* event) {
    // A window restored from the task bar keeps what the operator did in it.
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TSortSats::FormShow() {
    old_->clear();
    new_->clear();
    LoadSortGroup(groups_.HighlightedGroup());
    groupList_->clear();
    ReportingFileErrors(prompt_, [&] { groupList_->addItems(ReadGroupNamesSkippingComments(groups_.DataFolder())); });
    groupList_->setCurrentRow(groups_.ListPosition());
}

void TSortSats::lstSatFilesClick() {
    if (QListWidgetItem* item = groupList_->currentItem()) LoadSortGroup(item->text());
}

void TSortSats::LoadSortGroup(const QString& group) {
    old_->clear();
    new_->clear();
    oldEntries_.clear();
    group_ = group;
    pickedRow_ = -1;
    loaded_ =
        ReportingFileErrors(prompt_, [&] { oldEntries_ = ReadGroupFile(GroupFilePath(groups_.DataFolder(), group)); });
    for (const TGroupEntry& entry : oldEntries_) {
        old_->addItem(entry.Name);
        new_->addItem(entry.Name);
    }
}

void TSortSats::lstNewMouseDown() {
    pickedRow_ = new_->currentRow();
    pickedText_ = pickedRow_ >= 0 ? new_->item(pickedRow_)->text() : QString();
}

void TSortSats::lstNewMouseUp() {
    const int target = new_->currentRow();
    if (target < 0 || pickedRow_ < 0 || pickedRow_ >= new_->count()) return;
    delete new_->takeItem(pickedRow_);
    new_->insertItem(target, pickedText_);
    new_->setCurrentRow(target);
    pickedRow_ = -1;
}

void TSortSats::cmdSaveClick() {
    // A group whose file could not be read would be written back empty.
    if (!loaded_) return;
    QStringList order;
    for (int row = 0; row < new_->count(); ++row) order << new_->item(row)->text();
    QString error;
    if (!WriteGroupFile(GroupFilePath(groups_.DataFolder(), group_), EntriesInNewOrder(oldEntries_, order), &error)) {
        prompt_.Message(error, IOperatorPrompt::Icon::Error);
        return;
    }
    prompt_.Message(QStringLiteral("Changes require a restart of KelvoraISS to take effect!"));
    if (CloseSelectionWindow) CloseSelectionWindow();
    accept();
}

void TSortSats::cmdHelpClick() {
    if (!help_) return;
    // Opened from a modal dialog: modal itself, so that it comes up above that dialog
    // and can be used, instead of beneath the modal windows.
    help_->setWindowModality(Qt::ApplicationModal);
    help_->move(pos() - QPoint(50, 50));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

THelpSort::THelpSort(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpSort");
    setWindowTitle("Help");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit;
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setPlainText(HelpLines().join('\n'));
    layout->addWidget(memo);
    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "Button1", "OK", QDialogButtonBox::AcceptRole);
    connect(ok, &QPushButton::clicked, this, &THelpSort::Button1Click);
    resize(560, 240);
}

QStringList THelpSort::HelpLines() {
    return {QString(),
            "To change the order of selected satellites choose the satellite group.",
            "In the \"New Order\" list, use \"drag and drop\" to rearrange the satellite",
            "names to the desired sequence.  When the changes are complete click",
            "the \"Save\" button.",
            QString(),
            "The changes require a program restart of Kelvora to take effect.",
            QString(),
            QString()};
}

}  // namespace kelvora

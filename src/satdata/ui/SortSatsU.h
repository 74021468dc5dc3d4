#pragma once
// "Sort Selected Satellites" (TSortSats): the order of a group's satellites, and so
// their letters, is changed by dragging rows in lstNew and saved to the group file.
// It works on files only: the loaded selection is not touched. THelpSort is its
// help window.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDialog>
#include <functional>
#include <vector>

class QListWidget;

namespace kelvora {

class THelpSort;

// The markers for a new order: each name takes the marker of the last old entry of
// that name (off when the name is not among the old entries).
std::vector<TGroupEntry> EntriesInNewOrder(const std::vector<TGroupEntry>& oldEntries, const QStringList& newOrder);

class TSortSats : public QDialog {
    Q_OBJECT
public:
    TSortSats(TSatGroups& groups, IOperatorPrompt& prompt, THelpSort* help, QWidget* parent = nullptr);

    // Opens 60 pixels below and 130 right of the selection window's top-left corner.
    void PlaceAtSelection(const QPoint& selectionTopLeft);

    // Selection window: "Speichern" closes it too (without restarting the main timer).
    std::function<void()> CloseSelectionWindow;

    // The group whose file the lists show.
    const QString& SortGroup() const { return group_; }

    // Handlers.
    void FormShow();
    void lstSatFilesClick();
    void LoadSortGroup(const QString& group);
    void lstNewMouseDown();  // remembers the highlighted row and its text
    void lstNewMouseUp();  // moves the remembered row to the highlighted one
    void cmdSaveClick();
    void cmdCancelClick() { reject(); }
    void cmdHelpClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSatGroups& groups_;
    IOperatorPrompt& prompt_;
    THelpSort* help_ = nullptr;
    QListWidget* groupList_ = nullptr;
    QListWidget* old_ = nullptr;
    QListWidget* new_ = nullptr;
    QString group_;
    bool loaded_ = false;
    std::vector<TGroupEntry> oldEntries_;
    int pickedRow_ = -1;
    QString pickedText_;
};

// "Help" of the sort dialog: a memo with the instructions and an "OK" button.
class THelpSort : public QDialog {
    Q_OBJECT
public:
    explicit THelpSort(QWidget* parent = nullptr);
    static QStringList HelpLines();
    void Button1Click() { close(); }
};

}  // namespace kelvora

#pragma once
// The selection window TSatWahl ("Satelliten"): the element files of the source
// folder, the satellites of the loaded file, and the up to twelve selected ones with
// their letters and map markers. It edits the TSatSelection the application owns;
// loading files, the groups, the other dialogs and the main window are reached
// through the callbacks below (each may stay empty: nothing happens).

#include "ElementFileLoader.h"
#include "OperatorPrompt.h"
#include "SatSelection.h"

#include <QDialog>
#include <QRect>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace kelvora {

// A file's modification time as the window shows it ("dd.MM.yyyy hh:mm", 16
// characters); empty when the file does not exist.
QString FileDateText(const QString& path);
// The short date of a file's modification time ("dd.MM.yyyy").
QString FileShortDate(const QString& path);
// The file names of a folder matching an element-file mask ("*.txt", several
// patterns separated by ';'), sorted, letter case ignored as the mask does.
QStringList ElementFilesOf(const QString& folder, const QString& mask);
// The row SelectSourceInFileList highlights: the first whose upper-case text equals
// the upper-case file name, else the last row; -1 for an empty list.
int SourceRowIn(const QStringList& files, const QString& fileName);

class TSatWahl : public QDialog {
    Q_OBJECT
public:
    // StartSatWahl: the window is built here. selection, catalog, hooks and prompt
    // belong to the caller and must outlive the window.
    TSatWahl(TSatSelection& selection, const TElementCatalog& catalog, const TSelectionHooks& hooks,
             IOperatorPrompt& prompt, QWidget* parent = nullptr);

    // ---- Callbacks into the parts of others ----
    std::function<QString()> GroupName;  // current group
    std::function<QString()> GroupFile;  // its file: data folder + group + ".ISS"
    std::function<QString()> SourcePath;  // full path of the current source file
    std::function<QStringList()> PriorityNames;  // "Prior.SQF" names in order
    // Reads an element file into the catalog and the orbit model (LoadElementFile).
    std::function<TElementLoadResult(const QString& path)> LoadElementFile;
    // StoreGroupSource: the chosen file becomes the current group's source; false
    // with a reason when "ISSSources.SQF" could not be written.
    std::function<bool(const QString& path, QString* error)> StoreGroupSource;
    // The group dialog TSatFiles, modal, placed at topLeft (it remembers the current
    // group and source for its Cancel). Returns true when it ended by "Edit".
    std::function<bool(QPoint topLeft)> ShowGroupDialog;
    std::function<void()> ShowSortDialog;  // TSortSats, modal
    std::function<void(QPoint topLeft)> ShowNamingDialog;  // TSatelliteName, modal
    std::function<void(QPoint topLeft)> ShowDownloadDialog;  // TDownloadKeps, not modal
    std::function<QRect()> MainWindowGeometry;  // to centre the window on show
    std::function<void(bool enabled)> SetMainWindowEnabled;
    // Cancel: the tracking cycle's current satellite becomes the active one.
    std::function<void()> CurrentSetToActive;

    // ---- Operations the application calls ----
    void SetElementMask(const QString& mask);  // file list pattern
    void SetFontScale(int fontScale) { fontScale_ = fontScale; }
    // Lists the folder with the mask and highlights the file (SelectSourceInFileList);
    // with showPath lblPfad shows "Path: " + folder.
    void ShowSourceInFileList(const QString& folder, const QString& fileName, bool showPath);
    // Lists the folder again (a download stored a file): the highlighted and the
    // remembered file stay the same files.
    void RefreshFileList();
    // The file list goes back to the file remembered when the window was shown or the
    // download dialog opened, and that file is loaded as by a click on it.
    void ReturnToRememberedFile();
    // After every load, whoever made it: the available list and its count, or the
    // no-data message with the lists emptied.
    void ElementFileLoaded(const TElementLoadResult& result);
    // ReadGroupSelection with the selected list and markers shown. ConfigError
    // propagates when the group file is missing.
    void ReadGroupSelection();
    // ResolveSelection with lblInfo and cmdFileOK updated.
    TResolveOutcome ResolveSelection();
    // filSourceClick on the highlighted file: load it and filter the group's
    // selection against it. Returns the number of selected entries afterwards.
    int LoadHighlightedFile();
    // Shows the model's entries in lstAuswahl and the marker labels.
    void ShowEntries();
    // lblAuswahl: the group chosen in "Satellite Groups".
    void ShowChosenGroup(const QString& text);
    // "&Satellites" starts with no entry highlighted: cmdZeigen, cmdDelete, cmdAktSat off.
    void DisableEntryButtons();

    // ---- Event handlers (component + event) ----
    void filSourceClick();
    void lstAlleSatDblClick();
    void lstAuswahlClick();
    void lstAuswahlDblClick();
    void cmdZeigenClick();
    void cmdAktSatClick();
    void cmdFileOKClick();
    void cmdFileCancelClick();
    void cmdSatFWechselClick();
    void cmdSatNameClick();
    void cmdSortSatsClick();
    void Button1Click();
    void UpDown1Click(bool wider);

protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    void hideEvent(QHideEvent* event) override;  // FormHide
    void resizeEvent(QResizeEvent* event) override;  // FormResize
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLists();
    void BuildButtons();
    void BuildLabels();
    void PlaceColumns();
    void SetEntryButtonsEnabled(bool enabled);
    void ApplyResolveOutcome(const TResolveOutcome& outcome);
    void ShowInfo(const QString& text);
    QString HighlightedFilePath() const;
    QPoint DialogPlacement() const;

    TSatSelection& selection_;
    const TElementCatalog& catalog_;
    const TSelectionHooks& hooks_;
    IOperatorPrompt& prompt_;

    QString mask_ = QStringLiteral("*.*");
    QString folder_;
    int rememberedFileRow_ = -1;
    int createdWidth_ = 0;
    int fontScale_ = 15;
    int upDownPosition_ = 0;

    QListWidget* filSource_ = nullptr;
    QListWidget* lstAlleSat_ = nullptr;
    QListWidget* lstAuswahl_ = nullptr;
    QWidget* panel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    QList<QLabel*> markers_;
    QLabel* lblAuswahl_ = nullptr;
    QLabel* lblInfo_ = nullptr;
    QLabel* lblPfad_ = nullptr;
    QLabel* label26_ = nullptr;
    QLabel* label27_ = nullptr;
    QPushButton* cmdFileOK_ = nullptr;
    QPushButton* cmdFileCancel_ = nullptr;
    QPushButton* cmdSatFWechsel_ = nullptr;
    QPushButton* cmdZeigen_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdAktSat_ = nullptr;
    QPushButton* button2_ = nullptr;
};

}  // namespace kelvora

#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QAbstractItemModel;
class QLabel;
class QTreeView;
class QWidget;

// The five filters of the picture-file dialog, as shown.
QStringList PictureDialogFilters();

// The picture-file open dialog with preview (OpenPictureDialog1): several files may be chosen.
// Returns the chosen paths in the dialog's order; empty when the user cancels.
QStringList RunOpenPictureDialog(QWidget* parent = nullptr);
// Sets the title of that dialog (the texts of the active language replace the design text).
void SetOpenPictureDialogTitle(const QString& title);

// What the add-picture window needs from the rest of the program while it copies, so that it
// stays independent of the main window. Empty functions are skipped (pause and info have
// defaults: sleeping without processing events, and the standard information box).
struct AddPicturesHooks {
    // CategoryFolders entry for an absolute index, or nullopt when there is none.
    std::function<std::optional<QString>(int absoluteIndex)> categoryFolder;
    std::function<void(int maximum)> showProgress; // maximum n + 1, position 0, status window shown
    std::function<void(int position)> setProgress;
    std::function<void()> closeProgress;
    std::function<void()> hideMainWindow;
    std::function<void()> showMainWindow;
    std::function<void()> reloadCatalogue; // LoadCatalogue, then SelectStartCategory
    std::function<void(int milliseconds)> pause;
    std::function<void(const QString& text)> showInfo;
};

// The add-picture window: the category tree in which a click copies the chosen pictures.
class TAddImageForm : public QDialog {
    Q_OBJECT
public:
    explicit TAddImageForm(QWidget* parent = nullptr);

    // The tree shows the main window's model; this view keeps its own selection.
    void setCatalogueModel(QAbstractItemModel* model);
    void setHooks(AddPicturesHooks hooks);

    // Runs OpenPictureDialog1 and keeps its choice; false when nothing was chosen.
    bool ExecuteOpenPictureDialog1();
    void setChosenFiles(const QStringList& files) { chosenFiles_ = files; }
    const QStringList& chosenFiles() const { return chosenFiles_; }

    // Copies the chosen files into the clicked category and hands back to the main window.
    void TreeView1Click();

    // Follow the main window's tree: all nodes open after a load, the start category selected.
    void ExpandTree();
    void SelectStartCategory();

    QLabel* Label1;
    QLabel* Gruppenlabel1;
    QTreeView* TreeView1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunTreeView1Click();

    AddPicturesHooks hooks_;
    QStringList chosenFiles_;
};

// The main window's handlers that act on the catalogue and open the other windows.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "balloon/balloon_form.h"
#include "balloon/balloon_state.h"
#include "catalogue/add_image_form.h"
#include "catalogue/catalogue_tree.h"
#include "catalogue/own_categories.h"
#include "catalogue/picture_page.h"
#include "catalogue/recent_pictures.h"
#include "catalogue/skin_tones.h"
#include "dialogs/about_form.h"
#include "dialogs/dialogs.h"
#include "dialogs/settings_form.h"
#include "integration/data_folders.h"
#include "integration/insertion.h"
#include "integration/isolated_text.h"
#include "integration/message_boxes.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/current_desktop.h"

#include <QFile>
#include <QStandardItemModel>
#include <QToolButton>
#include <QTreeView>

namespace {
// Switching a mode on tells the user what a click now does; switching it off says nothing.
void ToggleMode(bool on, const std::function<void(bool)>& set, int text) {
    set(on);
    if (on)
        ShowInfo(GetText(text), Form1);
}
} // namespace

void TForm1::SpeedButton7Click() {
    ToggleMode(
        !FavouriteMode(), [this](bool on) { SetFavouriteMode(on); }, 65);
}

void TForm1::SpeedButton4Click() {
    ToggleMode(
        !BalloonMode(), [this](bool on) { SetBalloonMode(on); }, 68);
}

void TForm1::SpeedButton12Click() {
    ToggleMode(
        !RemoveMode(), [this](bool on) { SetRemoveMode(on); }, 82);
}

void TForm1::PerformPictureClick(const QString& picturePath) {
    if (!FavouriteMode() && !BalloonMode() && !RemoveMode()) {
        if (InsertionRunning())
            return; // ignored, so it is neither remembered nor a reason to hide
        InsertPicture(CurrentDesktop(), picturePath,
                      [](const QString& message) { ShowError(message); });
        // Remembered untoned, so that it comes back in whatever tone is chosen then.
        RememberRecentPicture(UntonedPicture(picturePath));
        if (Settings().hideAfterInsert)
            SendToTray();
        return;
    }
    if (FavouriteMode()) {
        if (picturePath.startsWith(FavouritesFolder())) {
            ShowInfo(GetText(67), this);
        } else {
            CopyToFavourites(picturePath);
            InvalidateSearchIndex();
            SetFavouriteMode(false);
            ShowInfo(GetText(66), this);
        }
    }
    if (BalloonMode()) {
        SetBalloonMode(false);
        SetBalloonPicturePath(picturePath);
        BaloonForm->exec();
    }
    if (RemoveMode()) {
        SetRemoveMode(false);
        if (AskSystemYesNo(GetText(84), this)) {
            InvalidateSearchIndex();
            if (!DeleteCataloguePicture(picturePath, Catalogue) &&
                !IsCataloguePicture(picturePath, Catalogue))
                ShowError(GetText(237).arg(Isolated(picturePath)), this);
        }
        int selected = SelectedIndex();
        if (selected >= 0 && selected < Catalogue.CategoryFolders.size()) {
            try {
                ShowCategoryPage(Catalogue.CategoryFolders.at(selected));
            } catch (const std::exception&) {
            }
        }
    }
}

void TForm1::SpeedButton3Click() {
    if (!AddImageForm->ExecuteOpenPictureDialog1())
        return;
    AddImageForm->exec();
}

void TForm1::SpeedButton10Click() {
    QString name = ShowQuery(GetText(86));
    if (name.isEmpty())
        return;
    try {
        AddOwnCategory(name);
    } catch (const std::exception&) {
        ShowError(GetText(200).arg(Isolated(OwnCategoriesList())), this);
        return;
    }
    LoadCatalogue();
}

void TForm1::TreeView1Click(const QModelIndex& index) {
    if (!RemoveMode())
        return;
    int selected = ::AbsoluteIndexOf(index);
    if (selected < 0)
        return;
    if (selected > Catalogue.LastBuiltInIndex) {
        SetRemoveMode(false);
        if (!AskSystemYesNo(GetText(84), this))
            return;
        try {
            RemoveOwnCategory(Catalogue, selected);
        } catch (const std::exception&) {
            ShowError(GetText(200).arg(Isolated(OwnCategoriesList())), this);
        }
        LoadCatalogue();
        QModelIndex top = CatalogueModel->index(0, 0);
        if (top.isValid())
            TreeView1->setCurrentIndex(top);
    } else {
        ShowInfo(GetText(85), this);
    }
}

void TForm1::SpeedButton5Click() {
    if (ListPictures(FavouritesFolder()).isEmpty()) {
        ShowInfo(GetText(64), this);
        return;
    }
    try {
        ShowCategoryPage(FavouritesFolder());
    } catch (const std::exception&) {
    }
}

void TForm1::SpeedButton2Click() {
    SettingsForm->exec();
}

void TForm1::SpeedButton9Click() {
    AboutForm->exec();
}

void TForm1::Image1Click() {
    ShowWelcome(true);
}

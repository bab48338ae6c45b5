#include "catalogue/add_image_form.h"
#include "catalogue/catalogue_tree.h"
#include "integration/data_folders.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Runs `step` on the modal dialog once it is open, then lets `done` finish it.
void WhenModalOpens(std::function<void(QFileDialog*)> step) {
    QTimer::singleShot(200, [step] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(dialog);
    });
}

QStringList VisibleFiles(QFileDialog* dialog) {
    auto* list = dialog->findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

// What a choice in the list of file types sends, in the combo box's own order.
void ChooseFilter(QComboBox* types, int index) {
    types->setCurrentIndex(index);
    emit types->activated(index);
    emit types->textActivated(types->itemText(index));
}

CatalogueData SmallCatalogue(const QString& base) {
    WriteFile(UserCatalogueFolder() + "pics.full.def", "[A]a\r\n-[B]b\r\n--[C]c\r\n[D]d\r\n");
    WriteFile(UserCatalogueFolder() + "owncats.dat", "7:Mine\r\n");
    (void)base;
    return LoadCatalogueData();
}

void Click(QAbstractItemView* tree, const QModelIndex& index) {
    const QPoint at = tree->visualRect(index).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, tree->viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &press);
    QApplication::sendEvent(tree->viewport(), &release);
}

} // namespace

TEST(CatalogueTree, ModelHoldsTheNodesInAbsoluteOrderAndEachViewItsOwnSelection) {
    TempHome home;
    const CatalogueData data = SmallCatalogue(CatalogueBaseFolder());
    QStandardItemModel model;
    FillCatalogueModel(model, data);
    for (int i = 0; i < static_cast<int>(data.nodes.size()); ++i) {
        const QModelIndex index = ModelIndexAt(model, i);
        ASSERT_TRUE(index.isValid()) << i;
        EXPECT_EQ(index.data().toString(), data.nodes[i].name);
        EXPECT_EQ(AbsoluteIndexOf(index), i);
    }
    EXPECT_FALSE(ModelIndexAt(model, 5).isValid());
    EXPECT_EQ(AbsoluteIndexOf(QModelIndex()), -1);

    TAddImageForm form;
    QTreeView mainTree;
    mainTree.setModel(&model);
    form.setCatalogueModel(&model);
    form.TreeView1->selectionModel()->select(ModelIndexAt(model, 2),
                                             QItemSelectionModel::ClearAndSelect);
    EXPECT_TRUE(mainTree.selectionModel()->selectedIndexes().isEmpty());
    EXPECT_TRUE(form.TreeView1->isExpanded(ModelIndexAt(model, 1)));
    FillCatalogueModel(model, data); // a reload keeps every node expanded
    EXPECT_TRUE(form.TreeView1->isExpanded(ModelIndexAt(model, 1)));
}

// A category named with a direction override is drawn in an isolate of its own, so it cannot
// reorder what the view sets beside it; the model keeps the name as it is.
TEST(CatalogueTree, ANameWithADirectionOverrideIsDrawnIsolated) {
    QStandardItemModel model;
    const QString name = u"Tiere\u202Eevil"_s;
    model.appendRow(new QStandardItem(name));
    TAddImageForm form;
    form.setCatalogueModel(&model);
    auto* delegate = qobject_cast<QStyledItemDelegate*>(form.TreeView1->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->displayText(model.index(0, 0).data(), QLocale()),
              QChar(0x2068) + name + QChar(0x2069));
    EXPECT_EQ(model.index(0, 0).data().toString(), name);
}

TEST(AddImageForm, IsAFixedWhiteWindowOfItsOwnSize) {
    TAddImageForm form;
    EXPECT_EQ(form.size(), QSize(313, 438));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(form.Label1->text().isEmpty());
    EXPECT_NE(form.Gruppenlabel1, nullptr);
}

TEST(AddImageForm, AClickOnACategoryCopiesTheChosenFilesAndHandsBack) {
    TempHome home;
    const CatalogueData data = SmallCatalogue(CatalogueBaseFolder());
    QStandardItemModel model;
    FillCatalogueModel(model, data);
    WriteFile(home.home() + "in/Mein Smiley (1).gif", "one");
    WriteFile(home.home() + "in/two.png", "two");
    WriteFile(home.home() + "in/three.jpg", "three");

    TAddImageForm form;
    form.setCatalogueModel(&model);
    form.setChosenFiles({home.home() + "in/Mein Smiley (1).gif", home.home() + "in/two.png",
                         home.home() + "in/three.jpg"});
    QStringList calls;
    AddPicturesHooks hooks;
    hooks.categoryFolder = [&](int index) -> std::optional<QString> {
        calls << QString("folder %1").arg(index);
        if (index < 0 || index >= data.CategoryFolders.size())
            return std::nullopt;
        return data.CategoryFolders.at(index);
    };
    hooks.showProgress = [&](int maximum) { calls << QString("max %1").arg(maximum); };
    hooks.setProgress = [&](int position) { calls << QString("pos %1").arg(position); };
    hooks.closeProgress = [&] { calls << "close status"; };
    hooks.hideMainWindow = [&] { calls << "hide main"; };
    hooks.showMainWindow = [&] { calls << "show main"; };
    hooks.reloadCatalogue = [&] { calls << "reload"; };
    hooks.pause = [&](int ms) { calls << QString("wait %1").arg(ms); };
    hooks.showInfo = [&](const QString&) { calls << "info"; };
    form.setHooks(hooks);

    form.show();
    ASSERT_TRUE(WaitFor([&] { return form.isVisible(); }));
    form.TreeView1Click(); // nothing selected: nothing happens
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(form.isVisible());

    Click(form.TreeView1, ModelIndexAt(model, 2)); // the real click on C
    EXPECT_EQ(calls, QStringList({"folder 2", "max 4", "hide main", "pos 1", "wait 300", "pos 2",
                                  "wait 300", "pos 3", "wait 300", "pos 4", "reload", "wait 200",
                                  "show main", "close status", "info"}));
    EXPECT_FALSE(form.isVisible());
    const QString folder = CatalogueBaseFolder() + "a/b/c/";
    EXPECT_EQ(ReadFile(folder + "MeinSmiley1.gif"), "one");
    EXPECT_EQ(ReadFile(folder + "two.png"), "two");
    EXPECT_EQ(ReadFile(folder + "three.jpg"), "three");

    // A node without a folder entry copies nothing but reloads and hands back all the same.
    calls.clear();
    hooks.categoryFolder = [](int) { return std::nullopt; };
    form.setHooks(hooks);
    form.show();
    form.TreeView1->selectionModel()->select(ModelIndexAt(model, 4),
                                             QItemSelectionModel::ClearAndSelect);
    form.TreeView1Click();
    EXPECT_EQ(calls,
              QStringList({"pos 4", "reload", "wait 200", "show main", "close status", "info"}));
    EXPECT_FALSE(QFileInfo::exists(OwnCategoriesFolder() + "7/two.png"));
}

TEST(OpenPictureDialog, OffersTheFiveFiltersAndFindsPicturesInAnyLetterCase) {
    TempHome home;
    const QString dir = home.home() + "pics/";
    for (const char* name : {"a.gif", "B.JPG", "c.jpeg", "e.txt"})
        WriteFile(dir + name, "x");
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir + "d.png"));

    bool checked = false;
    WhenModalOpens([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Please choose the files you would like to add...");
        EXPECT_EQ(dialog->nameFilters(), PictureDialogFilters());
        EXPECT_EQ(dialog->nameFilters().size(), 5);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->setDirectory(dir);
        EXPECT_TRUE(WaitFor([&] { return VisibleFiles(dialog).size() == 4; }))
            << VisibleFiles(dialog).join(",").toStdString();
        EXPECT_EQ(VisibleFiles(dialog), QStringList({"a.gif", "B.JPG", "c.jpeg", "d.png"}));
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ChooseFilter(types, 2);
        EXPECT_TRUE(WaitFor([&] { return VisibleFiles(dialog).size() == 1; }));
        EXPECT_EQ(VisibleFiles(dialog), QStringList({"B.JPG"}));
        ChooseFilter(types, 0);
        EXPECT_TRUE(WaitFor([&] { return VisibleFiles(dialog).size() == 4; }));

        auto* list = dialog->findChild<QListView*>("listView");
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row) {
            if (list->model()->index(row, 0, root).data().toString() == "d.png")
                Click(list, list->model()->index(row, 0, root));
        }
        auto* preview = dialog->findChild<QLabel*>("preview");
        EXPECT_TRUE(WaitFor([&] { return !preview->pixmap().isNull(); }));
        EXPECT_EQ(preview->pixmap().size(), QSize(20, 10));
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"a.gif\" \"d.png\"");
        checked = true;
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    QStringList chosen = RunOpenPictureDialog();
    chosen.sort(); // the dialog's own order
    EXPECT_TRUE(checked);
    EXPECT_EQ(chosen.join("|").toStdString(), (dir + "a.gif|" + dir + "d.png").toStdString());

    WhenModalOpens([](QFileDialog* dialog) { dialog->reject(); });
    TAddImageForm form;
    form.setChosenFiles({"old"});
    EXPECT_FALSE(form.ExecuteOpenPictureDialog1());
    EXPECT_TRUE(form.chosenFiles().isEmpty());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "catalogue/add_image_form.h"

#include "catalogue/catalogue_tree.h"
#include "catalogue/own_categories.h"
#include "integration/isolated_text.h"
#include "integration/message_boxes.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "platform/picture_decoder.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 438;
constexpr int kPreviewSize = 160;

// The picture dialog's title: its design text until the translated texts are applied.
QString& OpenPictureDialogTitle() {
    static QString title = QStringLiteral("Please choose the files you would like to add...");
    return title;
}

void ShowPreview(QLabel* preview, const QString& path) {
    const DecodedPicture picture = DecodePicture(path);
    if (!picture.ok()) {
        preview->clear();
        return;
    }
    QImage image = picture.image;
    // Only large pictures are shrunk; small ones are shown at their own size.
    if (image.width() > kPreviewSize || image.height() > kPreviewSize)
        image =
            image.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    preview->setPixmap(QPixmap::fromImage(image));
}

// The masks of a filter entry: the text in its parentheses, split at ";" and blanks.
QStringList FilterMasks(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(u'(');
    const qsizetype close = filter.lastIndexOf(u')');
    const QString inner =
        open >= 0 && close > open ? filter.mid(open + 1, close - open - 1) : filter;
    QStringList masks;
    for (const QString& part : inner.split(u';', Qt::SkipEmptyParts))
        masks += part.split(u' ', Qt::SkipEmptyParts);
    return masks;
}

} // namespace

QStringList PictureDialogFilters() {
    return {QStringLiteral("All (*.gif;*.jpg;*.jpeg;*.png)"), QStringLiteral("GIF (*.gif)"),
            QStringLiteral("JPEG (*.jpg)"), QStringLiteral("JPEG (*.jpeg)"),
            QStringLiteral("PNG (*.png)")};
}

void SetOpenPictureDialogTitle(const QString& title) {
    OpenPictureDialogTitle() = title;
}

QStringList RunOpenPictureDialog(QWidget* parent) {
    QFileDialog dialog(parent, OpenPictureDialogTitle());
    // Qt's own dialog, so that the preview can sit beside the file list.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(PictureDialogFilters());
    // Qt splits a filter's masks at blanks only; the entries keep their shown text and get their
    // ";"-separated masks applied here (matched without regard to case).
    if (auto* files = dialog.findChild<QFileSystemModel*>()) {
        const auto applyMasks = [files](const QString& filter) {
            files->setNameFilters(FilterMasks(filter));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, files, applyMasks);
        applyMasks(dialog.selectedNameFilter());
    }
    dialog.setSizeGripEnabled(true);

    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 3, 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { ShowPreview(preview, path); });

    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

TAddImageForm::TAddImageForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AddImageForm"));
    setWindowTitle(GetText(1));
    setFixedSize(kClientWidth, kClientHeight);
    MakeWhite(this);

    Label1 = new QLabel(QStringLiteral("Please click on the category of the new image:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Gruppenlabel1 = new QLabel(QStringLiteral("Kategorien"), this);
    Gruppenlabel1->setObjectName(QStringLiteral("Gruppenlabel1"));
    TreeView1 = new QTreeView(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    IsolateNodeTexts(TreeView1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Gruppenlabel1);
    layout->addWidget(TreeView1, 1);

    connect(TreeView1, &QTreeView::clicked, this, [this] { TreeView1Click(); });
}

void TAddImageForm::setCatalogueModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = TreeView1->model())
        disconnect(old, nullptr, this, nullptr);
    TreeView1->setModel(model);
    if (!model)
        return;
    // Every node stays expanded, also after the catalogue is reloaded into the model.
    connect(model, &QAbstractItemModel::modelReset, this, [this] { TreeView1->expandAll(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { TreeView1->expandAll(); });
    TreeView1->expandAll();
}

void TAddImageForm::setHooks(AddPicturesHooks hooks) {
    hooks_ = std::move(hooks);
}

bool TAddImageForm::ExecuteOpenPictureDialog1() {
    chosenFiles_ = RunOpenPictureDialog(parentWidget());
    return !chosenFiles_.isEmpty();
}

void TAddImageForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAddImageForm::TreeView1Click() {
    // A failure anywhere in the copy leaves the windows as they are and reports nothing.
    try {
        RunTreeView1Click();
    } catch (...) {
    }
}

void TAddImageForm::RunTreeView1Click() {
    const QModelIndexList selected = TreeView1->selectionModel()
                                         ? TreeView1->selectionModel()->selectedIndexes()
                                         : QModelIndexList();
    if (selected.isEmpty())
        return;
    const int absolute = AbsoluteIndexOf(selected.first());
    const auto pause = [this](int milliseconds) {
        if (hooks_.pause)
            hooks_.pause(milliseconds);
        else
            QThread::msleep(milliseconds);
    };
    const int n = static_cast<int>(chosenFiles_.size());
    const std::optional<QString> folder =
        hooks_.categoryFolder ? hooks_.categoryFolder(absolute) : std::nullopt;
    QStringList failed;
    if (folder) {
        if (hooks_.showProgress)
            hooks_.showProgress(n + 1);
        hide();
        if (hooks_.hideMainWindow)
            hooks_.hideMainWindow();
        // The last position (n + 1) is set below for both outcomes.
        failed = AddPictures(
            chosenFiles_, *folder,
            [this, n](int position) {
                if (position <= n && hooks_.setProgress)
                    hooks_.setProgress(position);
            },
            pause);
    }
    if (hooks_.setProgress)
        hooks_.setProgress(n + 1);
    if (hooks_.reloadCatalogue)
        hooks_.reloadCatalogue();
    pause(200);
    if (hooks_.showMainWindow)
        hooks_.showMainWindow();
    hide();
    if (hooks_.closeProgress)
        hooks_.closeProgress();
    done(QDialog::Accepted);
    // Pictures that could not be written (a full disk) are named, so none is taken for added.
    // Each name apart: a line break does not end what a directional mark in a name starts.
    for (QString& name : failed)
        name = Isolated(name);
    const QString text =
        failed.isEmpty() ? GetText(63) : GetText(201).arg("\n" + failed.join(QLatin1Char('\n')));
    if (hooks_.showInfo)
        hooks_.showInfo(text);
    else
        ShowInfo(text);
}

void TAddImageForm::ExpandTree() {
    TreeView1->expandAll();
}

void TAddImageForm::SelectStartCategory() {
    if (const QAbstractItemModel* model = TreeView1->model())
        SelectStartNode(TreeView1, model);
}

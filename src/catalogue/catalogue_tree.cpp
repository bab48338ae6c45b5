#include "catalogue/catalogue_tree.h"

#include "integration/isolated_text.h"

#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <vector>

namespace {

class IsolatingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        return Isolated(QStyledItemDelegate::displayText(value, locale));
    }
};

} // namespace

void FillCatalogueModel(QStandardItemModel& model, const CatalogueData& catalogue) {
    model.clear();
    // The tree is built apart from the model and handed over in one step: every insertion into
    // the model makes the views lay out again, which for thousands of nodes took minutes.
    std::vector<QStandardItem*> items;
    items.reserve(catalogue.nodes.size());
    QList<QStandardItem*> topLevel;
    for (const CategoryNode& node : catalogue.nodes) {
        auto* item = new QStandardItem(node.name);
        item->setEditable(false);
        // Parents always come before their children, so the parent's item exists already.
        const bool hasParent = node.parent >= 0 && node.parent < static_cast<int>(items.size());
        if (hasParent)
            items[node.parent]->appendRow(item);
        else
            topLevel.append(item);
        items.push_back(item);
    }
    model.invisibleRootItem()->appendRows(topLevel);
}

void IsolateNodeTexts(QTreeView* tree) {
    tree->setItemDelegate(new IsolatingDelegate(tree));
}

namespace {

// Number of nodes in the subtree below `parent`, `parent` itself excluded.
int CountBelow(const QAbstractItemModel& model, const QModelIndex& parent) {
    int count = 0;
    const int rows = model.rowCount(parent);
    for (int row = 0; row < rows; ++row)
        count += 1 + CountBelow(model, model.index(row, 0, parent));
    return count;
}

QModelIndex FindAt(const QAbstractItemModel& model, const QModelIndex& parent, int& remaining) {
    const int rows = model.rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = model.index(row, 0, parent);
        if (remaining == 0)
            return child;
        --remaining;
        const QModelIndex found = FindAt(model, child, remaining);
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

} // namespace

int AbsoluteIndexOf(const QModelIndex& index) {
    if (!index.isValid())
        return -1;
    const QAbstractItemModel& model = *index.model();
    const QModelIndex node = index.siblingAtColumn(0);
    const QModelIndex parent = node.parent();
    // Everything before the node: its parent chain and the subtrees of its elder siblings.
    int absolute = parent.isValid() ? AbsoluteIndexOf(parent) + 1 : 0;
    for (int row = 0; row < node.row(); ++row)
        absolute += 1 + CountBelow(model, model.index(row, 0, parent));
    return absolute;
}

QModelIndex ModelIndexAt(const QAbstractItemModel& model, int absoluteIndex) {
    if (absoluteIndex < 0)
        return QModelIndex();
    int remaining = absoluteIndex;
    return FindAt(model, QModelIndex(), remaining);
}

void SelectStartNode(QTreeView* tree, const QAbstractItemModel* model) {
    QModelIndex node = model->index(0, 0);
    if (!node.isValid())
        return;
    tree->setCurrentIndex(node);
    QModelIndex child = model->index(0, 0, node);
    if (!child.isValid())
        return;
    QModelIndex grandchild = model->index(0, 0, child);
    tree->setCurrentIndex(grandchild.isValid() ? grandchild : child);
}

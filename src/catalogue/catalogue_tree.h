#pragma once
#include "catalogue/catalogue_model.h"

#include <QModelIndex>

class QAbstractItemModel;
class QStandardItemModel;
class QTreeView;

// The category tree as an item model, shared by the main window's tree and the add-picture
// window's tree (each view keeps its own selection). Nodes carry only their text.
void FillCatalogueModel(QStandardItemModel& model, const CatalogueData& catalogue);

// Has `tree` show each node's name in a directional isolate, so that a directional mark in a name
// cannot reorder what the view sets beside it. The model keeps the plain name, which the view's
// type-ahead search matches.
void IsolateNodeTexts(QTreeView* tree);

// A node's absolute index: its position in a depth-first, parents-first walk of the whole model,
// counted from 0; -1 for an invalid index.
int AbsoluteIndexOf(const QModelIndex& index);

// The node at an absolute index, or an invalid index when there is none.
QModelIndex ModelIndexAt(const QAbstractItemModel& model, int absoluteIndex);

// Selects the first top-level node, then its first child, then that child's first child: each
// selection in the main tree shows its page, so the last one reached is the page that stays.
void SelectStartNode(QTreeView* tree, const QAbstractItemModel* model);

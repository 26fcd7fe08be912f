// The command list's model: rows are the document's lines, told to the view as they change.
#include "app/commandlistmodel.h"

#include <QColor>

#include "app/qtext.h"
#include "document/constructiondocument.h"

CommandListModel::CommandListModel(ConstructionDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document), rows_(document.LineCount()) {}

int CommandListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant CommandListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.row() >= document_.LineCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Cp1252ToQString(document_.Line(index.row()));
    // A live change left this line rejected: red, with its message.
    const LineState& state = document_.State(index.row());
    const bool marked = document_.MarksRejected() && state.executed && !state.accepted;
    if (!marked) return {};
    if (role == Qt::ForegroundRole) return QColor(Qt::red);
    if (role == Qt::ToolTipRole) return Cp1252ToQString(state.message.str());
    return {};
}

void CommandListModel::DocumentChanged(const DocumentChange& change) {
    using Kind = DocumentChange::Kind;
    const int count = document_.LineCount();
    switch (change.kind) {
        case Kind::LineAppended:
            if (count == rows_ + 1) {
                beginInsertRows(QModelIndex(), rows_, rows_);
                rows_ = count;
                endInsertRows();
                return;
            }
            break;
        case Kind::LineRemoved:
            if (count == rows_ - 1) {
                beginRemoveRows(QModelIndex(), count, count);
                rows_ = count;
                endRemoveRows();
                return;
            }
            break;
        case Kind::LineChanged:
            if (count == rows_ && change.line >= 0 && change.line < count) {
                const QModelIndex changed = this->index(change.line);
                emit dataChanged(changed, changed);
                return;
            }
            break;
        case Kind::StatesChanged:
            if (count == rows_) {
                if (count > 0)
                    emit dataChanged(this->index(0), this->index(count - 1),
                                     {Qt::ForegroundRole, Qt::ToolTipRole});
                return;
            }
            break;
        case Kind::LinesReset:
            break;
    }
    beginResetModel();
    rows_ = count;
    endResetModel();
}

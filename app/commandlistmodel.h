// CommandListModel: the document's lines as the items of the command list.
#pragma once

#include <QAbstractListModel>

class ConstructionDocument;
struct DocumentChange;

class CommandListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // document must outlive the model; the model follows the document's changes.
    explicit CommandListModel(ConstructionDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Called by the document after each of its changes.
    void DocumentChanged(const DocumentChange& change);

private:
    ConstructionDocument& document_;
    int rows_ = 0;  // what the view was last told
};

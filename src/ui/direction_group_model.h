#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>

#include "direction_row_model.h"
#include "list_model.h"

namespace korrelang::ui {

/// The dashboard's cards of conversion directions, each card a direction and its reverse.
class DirectionGroupModel : public korrelang::ui::ListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the dashboard's view model")

public:
    enum Role { RowsRole = Qt::UserRole + 1 };
    Q_ENUM(Role)

    explicit DirectionGroupModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    /// The card at `index`, or null past the end.
    DirectionRowModel* group(int index) const;
    /// Replaces every card; the same cards again announce nothing.
    void setGroups(const QList<QList<DirectionRowModel::Row>>& groups);

private:
    int size() const override { return static_cast<int>(m_groups.size()); }
    QVariant rowData(int row, int role) const override;

    QList<DirectionRowModel*> m_groups;
};

}  // namespace korrelang::ui

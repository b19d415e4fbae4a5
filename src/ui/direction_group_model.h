#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>

#include "direction_row_model.h"

namespace korrelang::ui {

/// The dashboard's cards of conversion directions, each card a direction and its reverse.
class DirectionGroupModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the dashboard's view model")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { RowsRole = Qt::UserRole + 1 };
    Q_ENUM(Role)

    explicit DirectionGroupModel(QObject* parent = nullptr);
    ~DirectionGroupModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_groups.size()); }
    /// The card at `index`, or null past the end.
    DirectionRowModel* group(int index) const;
    /// Replaces every card; the same cards again announce nothing.
    void setGroups(const QList<QList<DirectionRowModel::Row>>& groups);

signals:
    void countChanged();

private:
    QList<DirectionRowModel*> m_groups;
};

}  // namespace korrelang::ui

#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <functional>

namespace korrelang::ui {

/// What the screens' flat list models share: the row count, the index check, a `count` property
/// for QML, and the replacement of every row at once. A subclass says how many rows it has and
/// what each role of a row holds.
class ListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const final;
    QVariant data(const QModelIndex& index, int role) const final;

    int count() const { return size(); }

signals:
    void countChanged();

protected:
    virtual int size() const = 0;
    /// The value of `role` for row `row`, which exists; empty for a role the model has not.
    virtual QVariant rowData(int row, int role) const = 0;
    /// Runs `replace`, which replaces the rows, inside a model reset, and announces a new count.
    void resetRows(const std::function<void()>& replace);
};

}  // namespace korrelang::ui

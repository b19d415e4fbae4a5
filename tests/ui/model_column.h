#pragma once

#include <QAbstractItemModel>
#include <QVariantList>

namespace korrelang::ui {

/// One role of every row of a list model, as the screens' delegates see it.
inline QVariantList column(const QAbstractItemModel& model, const QByteArray& role) {
    const int key = model.roleNames().key(role, -1);
    QVariantList values;
    for (int row = 0; row < model.rowCount(); ++row) {
        values.append(model.data(model.index(row, 0), key));
    }
    return values;
}

}  // namespace korrelang::ui

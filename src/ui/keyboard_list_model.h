#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QString>
#include <QStringList>

#include "list_model.h"

namespace korrelang::ui {

/// The installed keyboards in the detector's order, each with whether it takes part in
/// conversion. The owning view model decides the selection; this list only shows it.
class KeyboardListModel : public korrelang::ui::ListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by a screen's view model")

public:
    enum Role { KeyboardIdRole = Qt::UserRole + 1, NameRole, SelectedRole };
    Q_ENUM(Role)

    struct Keyboard {
        QString id;
        QString name;
    };

    explicit KeyboardListModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    /// The identifiers in list order.
    QStringList ids() const;
    /// Replaces the whole list (a different set of keyboards is a different list).
    void setKeyboards(const QList<Keyboard>& keyboards, const QStringList& selected);
    /// Marks the listed identifiers as selected and every other as not; only rows whose state
    /// changed are announced.
    void setSelection(const QStringList& selected);

private:
    int size() const override { return static_cast<int>(m_rows.size()); }
    QVariant rowData(int row, int role) const override;

    struct Row {
        Keyboard keyboard;
        bool selected = false;
    };
    QList<Row> m_rows;
};

}  // namespace korrelang::ui

#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QString>

#include "list_model.h"

namespace korrelang::ui {

/// The rows of one card of the dashboard: a conversion direction and its reverse.
class DirectionRowModel : public korrelang::ui::ListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the dashboard's direction groups")

public:
    enum Role {
        LabelRole = Qt::UserRole + 1,
        CurrentRole,
        FractionRole,
        ChangeTextRole,
        ChangeIsRiseRole
    };
    Q_ENUM(Role)

    struct Row {
        /// "En→Ru".
        QString label;
        int current = 0;
        /// The bar's share of the busiest direction, 0 to 1.
        double fraction = 0.0;
        /// "+25%", or empty when there is no change to show.
        QString changeText;
        bool changeIsRise = false;

        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit DirectionRowModel(QList<Row> rows, QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    const QList<Row>& rows() const { return m_rows; }
    /// Replaces the rows: as changed data when their number stays, else as a reset; the same
    /// rows again announce nothing.
    void setRows(const QList<Row>& rows);

private:
    int size() const override { return static_cast<int>(m_rows.size()); }
    QVariant rowData(int row, int role) const override;

    QList<Row> m_rows;
};

}  // namespace korrelang::ui

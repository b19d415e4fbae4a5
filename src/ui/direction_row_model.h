#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace korrelang::ui {

/// The rows of one card of the dashboard: a conversion direction and its reverse.
class DirectionRowModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the dashboard's direction groups")
    Q_PROPERTY(int count READ count CONSTANT)

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

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    const QList<Row>& rows() const { return m_rows; }

private:
    const QList<Row> m_rows;
};

}  // namespace korrelang::ui

#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QVariantList>

namespace korrelang::ui {

/// The languages offered in the preferences, each named in itself, for the screens to list; and
/// whether the language shown reads right to left, for the screens to mirror.
class LanguageChoices : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Languages)
    QML_SINGLETON
    Q_PROPERTY(QVariantList choices READ choices CONSTANT)
    Q_PROPERTY(bool rightToLeft READ rightToLeft NOTIFY rightToLeftChanged)

public:
    explicit LanguageChoices(QObject* parent = nullptr);

    /// [{"code", "name"}] in the order of Translations::languages().
    static QVariantList choices();
    static bool rightToLeft();

signals:
    void rightToLeftChanged();
};

}  // namespace korrelang::ui

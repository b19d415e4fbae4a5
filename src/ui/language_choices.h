#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QVariantList>

namespace korrelang::ui {

/// The languages offered in the preferences, each named in itself, for the screens to list.
class LanguageChoices : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Languages)
    QML_SINGLETON
    Q_PROPERTY(QVariantList choices READ choices CONSTANT)

public:
    using QObject::QObject;

    /// [{"code", "name"}] in the order of Translations::languages().
    static QVariantList choices();
};

}  // namespace korrelang::ui

#include "language_choices.h"

#include <QGuiApplication>
#include <QVariantMap>

#include "translations.h"

namespace korrelang::ui {

LanguageChoices::LanguageChoices(QObject* parent) : QObject(parent) {
    // The direction is set before the language change is announced to the application.
    Translations::whenChanged(this, [this] { emit rightToLeftChanged(); });
}

bool LanguageChoices::rightToLeft() {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

QVariantList LanguageChoices::choices() {
    QVariantList list;
    for (const QString& code : Translations::languages()) {
        list.append(QVariantMap{{QStringLiteral("code"), code},
                                {QStringLiteral("name"), Translations::nativeName(code)}});
    }
    return list;
}

}  // namespace korrelang::ui

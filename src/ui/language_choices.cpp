#include "language_choices.h"

#include <QVariantMap>

#include "translations.h"

namespace korrelang::ui {

QVariantList LanguageChoices::choices() {
    QVariantList list;
    for (const QString& code : Translations::languages()) {
        list.append(QVariantMap{{QStringLiteral("code"), code},
                                {QStringLiteral("name"), Translations::nativeName(code)}});
    }
    return list;
}

}  // namespace korrelang::ui

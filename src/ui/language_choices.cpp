#include "language_choices.h"

#include <QEvent>
#include <QGuiApplication>
#include <QVariantMap>

#include "translations.h"

namespace korrelang::ui {

LanguageChoices::LanguageChoices(QObject* parent) : QObject(parent) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

bool LanguageChoices::rightToLeft() {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

bool LanguageChoices::eventFilter(QObject* watched, QEvent* event) {
    // The direction is set before the language change is announced to the application.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
        emit rightToLeftChanged();
    }
    return QObject::eventFilter(watched, event);
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

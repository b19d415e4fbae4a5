#include "about_view_model.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/workspace.h"
#include "product_info.h"

namespace korrelang::ui {

AboutViewModel::AboutViewModel(platform::Workspace& workspace, bool analyticsConfigured,
                               QObject* parent)
    : QObject(parent), m_workspace(workspace), m_analyticsConfigured(analyticsConfigured) {
    m_copiedTimer.setSingleShot(true);
    m_copiedTimer.setInterval(kCopiedMilliseconds);
    connect(&m_copiedTimer, &QTimer::timeout, this, [this] { setShowEmailCopied(false); });
}

QString AboutViewModel::version() {
    return QString::fromLatin1(ProductInfo::kVersion);
}

QString AboutViewModel::contactAddress() {
    return QString::fromLatin1(ProductInfo::kContactAddress);
}

QString AboutViewModel::privacyPolicyAddress() {
    return QString::fromLatin1(ProductInfo::kPrivacyPolicy);
}

QString AboutViewModel::authorAddress() {
    return QString::fromLatin1(ProductInfo::kAuthorPage);
}

void AboutViewModel::copyContactAddress() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(contactAddress());
    }
    setShowEmailCopied(true);
    m_copiedTimer.start();
}

void AboutViewModel::openAddress(const QString& address) {
    m_workspace.openAddress(address.toStdString());
}

void AboutViewModel::setShowEmailCopied(bool value) {
    if (value == m_showEmailCopied) {
        return;
    }
    m_showEmailCopied = value;
    emit showEmailCopiedChanged();
}

}  // namespace korrelang::ui

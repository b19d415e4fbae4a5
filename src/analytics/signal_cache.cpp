#include "signal_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace korrelang::analytics {

void SignalCache::push(SignalPostBody body) {
    const std::lock_guard lock(m_mutex);
    m_bodies.push_back(std::move(body));
    trim();
    m_dirty = true;
}

void SignalCache::pushFront(const QList<SignalPostBody>& bodies) {
    const std::lock_guard lock(m_mutex);
    m_bodies.insert(m_bodies.begin(), bodies.begin(), bodies.end());
    trim();
    m_dirty = true;
}

QList<SignalPostBody> SignalCache::pop(int count) {
    const std::lock_guard lock(m_mutex);
    QList<SignalPostBody> popped;
    while (popped.size() < count && !m_bodies.empty()) {
        popped.append(std::move(m_bodies.front()));
        m_bodies.pop_front();
    }
    m_dirty = m_dirty || !popped.isEmpty();
    return popped;
}

int SignalCache::count() const {
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_bodies.size());
}

void SignalCache::clear() {
    const std::lock_guard lock(m_mutex);
    m_bodies.clear();
    m_dirty = false;
}

void SignalCache::trim() {
    while (static_cast<int>(m_bodies.size()) > m_maximumCount) {
        m_bodies.pop_front();
    }
}

bool SignalCache::save(const QString& path) {
    QJsonArray array;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_dirty && QFile::exists(path)) {
            return true;
        }
        for (const SignalPostBody& body : m_bodies) {
            array.append(body.toJson());
        }
        m_dirty = false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const std::lock_guard lock(m_mutex);
        m_dirty = true;
        return false;
    }
    file.write(QJsonDocument(array).toJson(QJsonDocument::Compact));
    if (!file.commit()) {
        const std::lock_guard lock(m_mutex);
        m_dirty = true;
        return false;
    }
    return true;
}

bool SignalCache::load(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray()) {
        return false;
    }
    QList<SignalPostBody> loaded;
    for (const QJsonValue& value : document.array()) {
        std::optional<SignalPostBody> body = SignalPostBody::fromJson(value.toObject());
        if (!body) {
            return false;
        }
        loaded.append(std::move(*body));
    }
    pushFront(loaded);
    return true;
}

}  // namespace korrelang::analytics

#pragma once

#include <QMimeData>
#include <memory>
#include <utility>

#include "text_fetch_state.h"

namespace korrelang::platform::qt {

/// Clipboard content that notes when it is handed out, so that a paste can be known to have
/// fetched it.
class FetchNotingMimeData : public QMimeData {
public:
    explicit FetchNotingMimeData(std::shared_ptr<TextFetchState> state)
        : m_state(std::move(state)) {}

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::shared_ptr<TextFetchState> m_state;
};

}  // namespace korrelang::platform::qt

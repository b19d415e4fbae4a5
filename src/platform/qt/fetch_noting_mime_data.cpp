#include "fetch_noting_mime_data.h"

namespace korrelang::platform::qt {

QVariant FetchNotingMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (!m_state->ownRead) {
        m_state->fetched = true;
    }
    return QMimeData::retrieveData(mimeType, type);
}

}  // namespace korrelang::platform::qt

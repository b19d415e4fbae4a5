#include "telemetry_error.h"

namespace korrelang::analytics {

TelemetryError TelemetryError::fromStatusCode(int statusCode) {
    switch (statusCode) {
        case 401:
            return TelemetryError(Kind::Unauthorised, statusCode);
        case 403:
            return TelemetryError(Kind::Forbidden, statusCode);
        case 413:
            return TelemetryError(Kind::PayloadTooLarge, statusCode);
        default:
            return TelemetryError(Kind::InvalidStatusCode, statusCode);
    }
}

QString TelemetryError::description() const {
    switch (m_kind) {
        case Kind::InvalidStatusCode:
            return QStringLiteral("Invalid status code %1").arg(m_statusCode);
        case Kind::Unauthorised:
            return QStringLiteral("Unauthorized (401)");
        case Kind::Forbidden:
            return QStringLiteral("Forbidden (403)");
        case Kind::PayloadTooLarge:
            return QStringLiteral("Payload is too large (413)");
        case Kind::InvalidEndpointUrl:
            return QStringLiteral("Invalid endpoint URL");
    }
    return {};
}

}  // namespace korrelang::analytics

#pragma once

#include <QString>

namespace korrelang::analytics {

/// Why a batch did not reach the analytics service.
class TelemetryError {
public:
    enum class Kind {
        InvalidStatusCode,
        Unauthorised,
        Forbidden,
        PayloadTooLarge,
        InvalidEndpointUrl
    };

    static TelemetryError fromStatusCode(int statusCode);
    static TelemetryError invalidEndpointUrl() {
        return TelemetryError(Kind::InvalidEndpointUrl, 0);
    }

    Kind kind() const { return m_kind; }
    int statusCode() const { return m_statusCode; }
    QString description() const;

private:
    TelemetryError(Kind kind, int statusCode) : m_kind(kind), m_statusCode(statusCode) {}

    Kind m_kind;
    int m_statusCode;
};

}  // namespace korrelang::analytics

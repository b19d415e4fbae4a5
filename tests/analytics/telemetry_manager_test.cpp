#include "analytics/telemetry_manager.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>

#include "analytics/signal_manager.h"
#include "support/http_test_server.h"
#include "telemetry_test_support.h"

namespace korrelang::analytics {
namespace {

using testing::HttpTestServer;

QStringList numbered(const QString& prefix, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names.append(prefix + QString::number(i));
    }
    return names;
}

QJsonArray readCacheFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).array()
                                          : QJsonArray();
}

TEST(TelemetryManager, UserHashIsTheHexDigestOfIdentifierAndSalt) {
    EXPECT_EQ(TelemetryManager::hashedUser(QStringLiteral("ab"), QStringLiteral("c")),
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

TEST(TelemetryManager, SignalAddresses) {
    struct Case {
        const char* base;
        std::optional<QString> namespaceName;
        const char* expected;  // nullptr: no address can be formed
    };
    const Case cases[] = {
        {"https://ingest.example", std::nullopt, "https://ingest.example/v2/"},
        {"https://ingest.example/api/", std::nullopt, "https://ingest.example/api/v2/"},
        {"http://127.0.0.1:8080", QStringLiteral("team"),
         "http://127.0.0.1:8080/v2/namespace/team/"},
        {"https://ingest.example", QStringLiteral("a/b"), nullptr},
        {"ftp://ingest.example", std::nullopt, nullptr},
        {"not an address", std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        TelemetryManagerConfiguration configuration;
        configuration.apiBaseURL = QUrl(QString::fromUtf8(c.base));
        configuration.namespaceName = c.namespaceName;
        const std::optional<QUrl> url = SignalManager::signalURL(configuration);
        if (c.expected == nullptr) {
            EXPECT_FALSE(url) << c.base;
        } else {
            ASSERT_TRUE(url) << c.base;
            EXPECT_EQ(url->toString(), QString::fromUtf8(c.expected));
        }
    }
}

TEST(TelemetryManager, SendsBatchesOfAtMostAHundredInOrder) {
    const PrivateHome home;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.salt = QStringLiteral("pepper");
    TelemetryManager telemetry(configuration);

    const QStringList names = numbered(QStringLiteral("signal"), 250);
    for (int i = 0; i < names.size(); ++i) {
        telemetry.send(names[i], {{QStringLiteral("index"), QString::number(i)}},
                       i == 7 ? std::optional<double>(2.5) : std::nullopt);
    }
    ASSERT_TRUE(waitUntil([&] { return server.receivedTypes().size() >= 250; }));
    EXPECT_EQ(server.receivedTypes(), names);
    EXPECT_GE(server.requests().size(), 3);

    const QString identifier = QSettings(home.preferencesFile(), QSettings::IniFormat)
                                   .value(QStringLiteral("defaultUserIdentifier"))
                                   .toString();
    ASSERT_EQ(identifier.size(), 36);
    const QString clientUser = TelemetryManager::hashedUser(identifier, QStringLiteral("pepper"));
    const QRegularExpression date(QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\+0000$)"));

    for (const HttpTestServer::Request& request : server.requests()) {
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.path, "/v2/");
        EXPECT_EQ(request.headers.value("content-type"), "application/json");
        EXPECT_LE(request.signalBodies().size(), 100);
        for (const QJsonValue& value : request.signalBodies()) {
            const QJsonObject body = value.toObject();
            const QJsonObject payload = body.value(QStringLiteral("payload")).toObject();
            EXPECT_EQ(body.value(QStringLiteral("appID")).toString(), QStringLiteral("TEST-APP"));
            EXPECT_EQ(body.value(QStringLiteral("clientUser")).toString(), clientUser);
            EXPECT_EQ(body.value(QStringLiteral("sessionID")).toString(),
                      configuration.sessionID.toString(QUuid::WithoutBraces).toUpper());
            EXPECT_TRUE(date.match(body.value(QStringLiteral("receivedAt")).toString()).hasMatch());
            EXPECT_TRUE(body.value(QStringLiteral("isTestMode")).isString());
            EXPECT_EQ(payload.value(QStringLiteral("index")).toString(),
                      body.value(QStringLiteral("type")).toString().mid(6));
            EXPECT_EQ(payload.value(QStringLiteral("Telemetry.AppInfo.version")).toString(),
                      QStringLiteral("1.6.0"));
            EXPECT_EQ(payload.value(QStringLiteral("Telemetry.Device.operatingSystem")).toString(),
                      QStringLiteral("Linux"));
            EXPECT_TRUE(payload.contains(QStringLiteral("Telemetry.Calendar.hourOfDay")));
            EXPECT_EQ(body.contains(QStringLiteral("floatValue")),
                      body.value(QStringLiteral("type")).toString() == u"signal7");
        }
    }

    // The next launch keeps the identifier.
    const TelemetryManager again(configuration);
    EXPECT_EQ(again.clientUser(), clientUser);
}

TEST(TelemetryManager, SessionStartAndNamespaceAddress) {
    const PrivateHome home;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.sendNewSessionBeganSignal = true;
    configuration.namespaceName = QStringLiteral("team");
    configuration.defaultUser = QStringLiteral("someone");
    TelemetryManager telemetry(configuration);
    telemetry.send(QStringLiteral("first"));
    ASSERT_TRUE(waitUntil([&] { return server.receivedTypes().size() >= 2; }));
    EXPECT_EQ(server.receivedTypes(),
              (QStringList{QStringLiteral("Telemetry.Session.started"), QStringLiteral("first")}));
    EXPECT_EQ(server.requests().first().path, "/v2/namespace/team/");
    EXPECT_EQ(telemetry.clientUser(),
              TelemetryManager::hashedUser(QStringLiteral("someone"), QString()));
    EXPECT_FALSE(QFile::exists(home.preferencesFile())) << "a given user needs no identifier";
}

TEST(TelemetryManager, RetriesWhatMayPassAndDropsWhatWasRefused) {
    struct Case {
        int status;
        bool putBack;
    };
    const Case cases[] = {{500, true},  {503, true},  {429, true}, {401, false},
                          {403, false}, {413, false}, {400, false}};
    for (const Case& c : cases) {
        const PrivateHome home;
        HttpTestServer server;
        server.script({c.status});
        TelemetryManager telemetry(testConfiguration(server.baseURL()));
        QSignalSpy finished(&telemetry, &TelemetryManager::batchFinished);
        telemetry.send(QStringLiteral("a"));
        ASSERT_TRUE(waitUntil([&] { return finished.count() >= 1; })) << c.status;
        EXPECT_EQ(finished.first().at(1).toBool(), c.putBack) << c.status;
        telemetry.send(QStringLiteral("b"));
        const QStringList expected = c.putBack ? QStringList{"a", "a", "b"} : QStringList{"a", "b"};
        ASSERT_TRUE(waitUntil([&] { return server.receivedTypes().size() >= expected.size(); }));
        EXPECT_EQ(server.receivedTypes(), expected) << c.status;
    }
}

TEST(TelemetryManager, KeepsSignalsThroughARefusedConnectionAndATimeOut) {
    const PrivateHome home;
    // A port bound but not listening refuses connections, and no other test can take it meanwhile.
    const int holder = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(holder, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const quint16 port = ntohs(address.sin_port);
    TelemetryManagerConfiguration configuration =
        testConfiguration(QStringLiteral("http://127.0.0.1:%1").arg(port));
    configuration.requestTimeout = std::chrono::milliseconds(300);
    TelemetryManager telemetry(configuration);
    QSignalSpy finished(&telemetry, &TelemetryManager::batchFinished);
    telemetry.send(QStringLiteral("a"));
    ASSERT_TRUE(waitUntil([&] { return finished.count() >= 2; }));
    EXPECT_TRUE(finished.at(0).at(1).toBool());
    EXPECT_EQ(telemetry.pendingCount(), 1);

    // Now something listens, but does not answer the first request in time.
    ::close(holder);
    HttpTestServer server(port);
    ASSERT_TRUE(server.isListening());
    server.script({0});
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() >= 2; }));
    // The same signal each time; a slow machine may time out the answered request once more.
    const QStringList received = server.receivedTypes();
    EXPECT_GE(received.size(), 2);
    EXPECT_EQ(received.count(QStringLiteral("a")), received.size());
}

TEST(TelemetryManager, ABatchUnansweredAtExitIsKept) {
    const PrivateHome home;
    HttpTestServer server;
    server.script({0});
    {
        TelemetryManager telemetry(testConfiguration(server.baseURL()));
        telemetry.send(QStringLiteral("a"));
        ASSERT_TRUE(waitUntil([&] { return !server.requests().isEmpty(); }));
    }
    const QJsonArray cached = readCacheFile(home.cacheFile());
    ASSERT_EQ(cached.size(), 1);
    EXPECT_EQ(cached.first().toObject().value(QStringLiteral("type")).toString(),
              QStringLiteral("a"));
}

TEST(TelemetryManager, CacheSurvivesARestartBoundedAndOwnerOnly) {
    const PrivateHome home;
    LogLines log;
    {
        TelemetryManagerConfiguration configuration = testConfiguration(refusingURL());
        configuration.sendInterval = std::chrono::hours(1);
        TelemetryManager telemetry(configuration);
        for (const QString& name : numbered(QStringLiteral("old"), 1100)) {
            telemetry.send(name);
        }
        EXPECT_EQ(telemetry.pendingCount(), 1000);
    }
    const QJsonArray cached = readCacheFile(home.cacheFile());
    ASSERT_EQ(cached.size(), 1000);
    EXPECT_EQ(cached.first().toObject().value(QStringLiteral("type")).toString(),
              QStringLiteral("old100"));
    EXPECT_EQ(QFile::permissions(home.cacheFile()) & 0x0077, 0);

    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.logHandler = log.handler();
    TelemetryManager telemetry(configuration);
    telemetry.send(QStringLiteral("new"));
    // The loaded signals go in front of the new one, and the bound holds for the sum.
    ASSERT_TRUE(waitUntil([&] { return server.receivedTypes().size() >= 1000; }));
    QStringList expected = numbered(QStringLiteral("old"), 1100).mid(101);
    expected.append(QStringLiteral("new"));
    EXPECT_EQ(server.receivedTypes(), expected);
    EXPECT_TRUE(log.contains(QStringLiteral("Loading Telemetry cache from: ") + home.cacheFile()));
    // Each result is written through: a crash now would not resend the delivered batches.
    ASSERT_TRUE(waitUntil([&] { return readCacheFile(home.cacheFile()).isEmpty(); }));
}

TEST(TelemetryManager, AnUnreadableCacheFileIsIgnored) {
    const PrivateHome home;
    QDir().mkpath(QFileInfo(home.cacheFile()).absolutePath());
    QFile garbage(home.cacheFile());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("[{\"type\": 1}, \x01\x02");
    garbage.close();

    LogLines log;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.logHandler = log.handler();
    TelemetryManager telemetry(configuration);
    telemetry.send(QStringLiteral("fresh"));
    ASSERT_TRUE(waitUntil([&] { return !server.receivedTypes().isEmpty(); }));
    EXPECT_EQ(server.receivedTypes(), QStringList{QStringLiteral("fresh")});
    EXPECT_TRUE(log.contains(QStringLiteral("unreadable Telemetry cache")));
}

TEST(TelemetryManager, DisabledQueuesNothingAndDeletesTheCache) {
    const PrivateHome home;
    {
        TelemetryManagerConfiguration configuration = testConfiguration(refusingURL());
        configuration.sendInterval = std::chrono::hours(1);
        TelemetryManager telemetry(configuration);
        telemetry.send(QStringLiteral("queued"));
        telemetry.appWillTerminate();
        ASSERT_TRUE(QFile::exists(home.cacheFile()));

        telemetry.setEnabled(false);
        EXPECT_EQ(telemetry.pendingCount(), 0);
        ASSERT_TRUE(waitUntil([&] { return !QFile::exists(home.cacheFile()); }));
        telemetry.send(QStringLiteral("ignored"));
        EXPECT_EQ(telemetry.pendingCount(), 0);
    }
    EXPECT_FALSE(QFile::exists(home.cacheFile())) << "quitting must not write it back";

    // Off at start: a cache left behind is deleted; nothing goes out until turned on.
    QFile leftover(home.cacheFile());
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("[]");
    leftover.close();
    HttpTestServer server;
    TelemetryManager telemetry(testConfiguration(server.baseURL()), false);
    telemetry.send(QStringLiteral("hidden"));
    ASSERT_TRUE(waitUntil([&] { return !QFile::exists(home.cacheFile()); }));
    telemetry.setEnabled(true);
    telemetry.send(QStringLiteral("marker"));
    ASSERT_TRUE(waitUntil([&] { return !server.receivedTypes().isEmpty(); }));
    EXPECT_EQ(server.receivedTypes(), QStringList{QStringLiteral("marker")});
}

TEST(TelemetryManager, OffFromTheStartMakesNoIdentifier) {
    const PrivateHome home;
    TelemetryManager telemetry(testConfiguration(refusingURL()), false);
    telemetry.send(QStringLiteral("hidden"));
    EXPECT_FALSE(QFile::exists(home.preferencesFile()));
    telemetry.setEnabled(true);
    EXPECT_EQ(QSettings(home.preferencesFile(), QSettings::IniFormat)
                  .value(QStringLiteral("defaultUserIdentifier"))
                  .toString()
                  .size(),
              36);
}

TEST(TelemetryManager, WithoutAnAddressNothingIsQueued) {
    const PrivateHome home;
    LogLines log;
    TelemetryManagerConfiguration configuration = testConfiguration(QString());
    configuration.logHandler = log.handler();
    TelemetryManager telemetry(configuration);
    telemetry.send(QStringLiteral("a"));
    telemetry.send(QStringLiteral("b"));
    EXPECT_EQ(telemetry.pendingCount(), 0);
    EXPECT_EQ(log.lines().size(), 1);
    EXPECT_FALSE(QFile::exists(home.preferencesFile())) << "no identifier is made either";
}

TEST(TelemetryManager, ReservedNamesAreSentWithAWarning) {
    const PrivateHome home;
    LogLines log;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.logHandler = log.handler();
    TelemetryManager telemetry(configuration);
    telemetry.send(QStringLiteral("Telemetry.mine"));
    telemetry.send(QStringLiteral("payload"),
                   {{QStringLiteral("Telemetry.x"), QStringLiteral("1")},
                    {QStringLiteral("clientUser"), QStringLiteral("2")}});
    telemetry.send(QStringLiteral("plain"), {{QStringLiteral("ok"), QStringLiteral("3")}});
    ASSERT_TRUE(waitUntil([&] { return server.receivedTypes().size() >= 3; }));
    EXPECT_EQ(log.lines().filter(QRegularExpression(QStringLiteral("^Sending "))),
              (QStringList{
                  "Sending signal with reserved prefix 'Telemetry.' will cause unexpected "
                  "behavior. Please use another prefix instead.",
                  "Sending signal with reserved name 'payload' will cause unexpected behavior. "
                  "Please use another name instead.",
                  "Sending parameter with reserved key prefix 'Telemetry.' will cause unexpected "
                  "behavior. Please use another prefix instead.",
                  "Sending parameter with reserved key 'clientUser' will cause unexpected "
                  "behavior. Please use another key instead.",
              }));
}

}  // namespace
}  // namespace korrelang::analytics

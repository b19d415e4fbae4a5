#include "service/conversion_pipeline.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include "platform/fake/fake_platform.h"
#include "service/accessibility_service.h"
#include "service_test_support.h"
#include "settings/settings.h"

namespace korrelang::service {
namespace {

using Outcome = ConversionWay::Outcome;
using testing::FakeClock;
using testing::RecordingEvents;
using testing::RecordingNotices;

/// A way that answers what it is told and notes where it ran.
class ScriptedWay final : public ConversionWay {
public:
    ScriptedWay(std::string name, bool worker, Outcome outcome, std::vector<std::string>& trace)
        : m_name(std::move(name)), m_worker(worker), m_outcome(outcome), m_trace(trace) {}

    bool applies = true;
    std::string reads = "ghbdtn";

    std::string_view name() const override { return m_name; }
    ConversionEvents::Method method() const override {
        return m_worker ? ConversionEvents::Method::Clipboard
                        : ConversionEvents::Method::Accessibility;
    }
    bool needsWorker() const override { return m_worker; }
    bool appliesTo(const ConversionPress&) const override { return applies; }
    Outcome attempt(ConversionPress& press) override {
        const bool onMain = QThread::currentThread() == qApp->thread();
        m_trace.push_back(m_name + (onMain ? "@main" : "@worker") +
                          (press.textWasRead() ? " after a read" : ""));
        if (m_outcome == Outcome::written || m_outcome == Outcome::notWritten ||
            m_outcome == Outcome::notConverted) {
            press.replacementFor(reads);
        }
        return m_outcome;
    }

private:
    std::string m_name;
    bool m_worker;
    Outcome m_outcome;
    std::vector<std::string>& m_trace;
};

struct Way {
    const char* name;
    bool worker;
    Outcome outcome;
    bool applies = true;
};

class ConversionPipelineTest : public ::testing::Test {
public:
    // Runs one press through `ways` as the service does: from the main thread, then on a worker
    // from the way that needs one.
    void press(const std::vector<Way>& ways) {
        std::vector<std::unique_ptr<ConversionWay>> built;
        for (const Way& way : ways) {
            auto scripted = std::make_unique<ScriptedWay>(way.name, way.worker, way.outcome, trace);
            scripted->applies = way.applies;
            built.push_back(std::move(scripted));
        }
        ConversionPipeline pipeline(std::move(built), planner, effects, main,
                                    [this] { ++converted; });
        pipeline.begin({std::nullopt, {"xkb.us.English", "xkb.ru.Russian"}, std::nullopt, true});
        if (pipeline.run()) {
            QThreadPool worker;
            worker.start([&] { pipeline.resume(); });
            while (!worker.waitForDone(5)) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
        }
        QCoreApplication::processEvents();
    }

    QObject context;
    MainThread main{context};
    QTemporaryDir directory;
    settings::Settings settings{directory.filePath("Korrelang.conf")};
    platform::fake::FakePlatform fake;
    AccessibilityService accessibility{fake.accessibility, fake.inputSources, fake.workspace};
    RecordingEvents events;
    RecordingNotices notices;
    FakeClock clock;
    ReplacementPlanner planner{clock};
    PressEffects effects{fake.workspace, accessibility, settings, events, notices, main};
    std::vector<std::string> trace;
    int converted = 0;
};

TEST_F(ConversionPipelineTest, TriesTheWaysInOrderUntilOneEndsThePress) {
    struct Case {
        const char* name;
        std::vector<Way> ways;
        std::vector<std::string> trace;
        std::vector<std::string> events;
        int converted;
    };
    const std::vector<Case> cases = {
        {"the first way that writes ends it",
         {{"a", false, Outcome::unavailable},
          {"b", false, Outcome::written},
          {"c", false, Outcome::written}},
         {"a@main", "b@main"},
         {"performed English→Russian 6 accessibility"},
         1},
        {"a way that does not apply is not asked",
         {{"a", false, Outcome::written, false}, {"b", true, Outcome::written}},
         {"b@worker"},
         {"performed English→Russian 6 clipboard"},
         1},
        {"after a worker's way, a main thread way still runs on the main thread",
         {{"a", true, Outcome::notWritten}, {"b", false, Outcome::written}},
         {"a@worker", "b@main after a read"},
         {"performed English→Russian 6 accessibility"},
         1},
        {"a text that does not convert ends it",
         {{"a", false, Outcome::notConverted}, {"b", false, Outcome::written}},
         {"a@main"},
         {"failed detection_failed"},
         0},
        {"a way that owns the target declines",
         {{"a", true, Outcome::declined}, {"b", true, Outcome::written}},
         {"a@worker"},
         {"failed no_selection"},
         0},
        {"damage ends it",
         {{"a", false, Outcome::damaged}, {"b", false, Outcome::written}},
         {"a@main"},
         {"failed paste_failed"},
         0},
        {"read but never written",
         {{"a", false, Outcome::notWritten}, {"b", true, Outcome::unavailable}},
         {"a@main", "b@worker after a read"},
         {"failed paste_failed"},
         0},
        {"nothing read anywhere",
         {{"a", false, Outcome::unavailable}, {"b", true, Outcome::unavailable}},
         {"a@main", "b@worker"},
         {"failed no_selection"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        trace.clear();
        events.events.clear();
        converted = 0;
        press(c.ways);
        EXPECT_EQ(trace, c.trace);
        EXPECT_EQ(events.events, c.events);
        EXPECT_EQ(converted, c.converted);
    }
}

// A press that writes nothing leaves the cycle as it was, so the next press still cycles.
TEST_F(ConversionPipelineTest, AFailedPressLeavesTheCycleAsItWas) {
    press({{"a", false, Outcome::written}});
    const auto targets = planner.cycle().targetIDs();
    ASSERT_FALSE(targets.empty());
    const auto written = planner.cycle().convertedText();
    press({{"a", false, Outcome::notWritten}, {"b", false, Outcome::unavailable}});
    EXPECT_EQ(planner.cycle().convertedText(), written);
    EXPECT_EQ(planner.cycle().targetIDs(), targets);
}

}  // namespace
}  // namespace korrelang::service

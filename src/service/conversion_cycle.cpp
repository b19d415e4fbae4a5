#include "conversion_cycle.h"

#include <QString>
#include <algorithm>
#include <cstdio>

#include "engine/keyboard_mapping_registry.h"
#include "service_log.h"

namespace korrelang::service {

namespace {

using servicelog::say;

QString trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().normalized(QString::NormalizationForm_C);
}

std::string count(const std::string& text) {
    return std::to_string(engine::GraphemeCursor::count(text));
}

}  // namespace

std::optional<CycleStep> ConversionCycle::checkCycle(const std::string& current,
                                                     const std::vector<std::string>& keyboards) {
    std::string elapsedText = "nil";
    double elapsed = 0;
    if (m_timestamp) {
        elapsed = std::chrono::duration<double>(m_clock->now() - *m_timestamp).count();
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.1fs ago", elapsed);
        elapsedText = buffer;
    }
    if (engine::LogSink::active()) {
        engine::LogLine line("🔄 Cycling check: current='");
        line.appendUserText(current, engine::GraphemeCursor::count(current));
        line.append("' (" + count(current) + " chars) vs stored='");
        if (m_convertedText) {
            line.appendUserText(*m_convertedText, engine::GraphemeCursor::count(*m_convertedText));
        } else {
            line.append("nil");
        }
        line.append("' (" + (m_convertedText ? count(*m_convertedText) : std::string("0")) +
                    " chars), timeout=" + elapsedText);
        engine::LogSink::write(line);
    }
    if (!m_convertedText || !m_timestamp) {
        return std::nullopt;
    }
    if (trimmed(current) != trimmed(*m_convertedText)) {
        return std::nullopt;
    }
    if (!(elapsed < kTimeoutSeconds) || m_targetIDs.empty()) {
        return std::nullopt;
    }
    m_targetIndex = (m_targetIndex + 1) % static_cast<int>(m_targetIDs.size());
    CycleStep step;
    step.targetID = m_targetIDs[static_cast<std::size_t>(m_targetIndex)];
    step.originalText = m_originalText.value_or(current);
    step.position = m_targetIndex + 1;

    const auto mappings = engine::KeyboardMappingRegistry::shared().mappingsFor(keyboards);
    const auto nameOf = [&mappings](const std::string& id) -> std::optional<std::string> {
        const auto it = std::find_if(mappings.begin(), mappings.end(),
                                     [&id](const auto& mapping) { return mapping.id() == id; });
        return it == mappings.end() ? std::nullopt : std::optional<std::string>(it->displayName());
    };
    step.fromName = m_sourceID ? nameOf(*m_sourceID).value_or(*m_sourceID) : "unknown";
    step.toName = nameOf(step.targetID).value_or(step.targetID);
    step.restoresOriginal = m_sourceID && *m_sourceID == step.targetID;

    say("🔄 Cycling: target " + std::to_string(step.position) + "/" +
        std::to_string(m_targetIDs.size()) + " → " + step.targetID +
        (step.restoresOriginal ? " (RESTORE ORIGINAL)" : ""));
    return step;
}

void ConversionCycle::updateCycleState(const std::string& original, const std::string& converted,
                                       const engine::ConversionResult& result,
                                       const std::vector<std::string>& keyboards) {
    const bool continuing = m_convertedText && m_originalText && *m_originalText == original;
    if (!continuing) {
        const auto mappings = engine::KeyboardMappingRegistry::shared().mappingsFor(keyboards);
        const auto source = std::find_if(
            mappings.begin(), mappings.end(),
            [&result](const auto& mapping) { return mapping.id() == result.fromLayoutID; });
        if (source == mappings.end()) {
            return;
        }
        m_originalText = original;
        m_sourceID = result.fromLayoutID;
        m_targetIDs = engine::KeyboardMappingRegistry::otherMappingIDs(mappings, source->id());
        m_targetIDs.push_back(source->id());
        const auto target = std::find(m_targetIDs.begin(), m_targetIDs.end(), result.toLayoutID);
        m_targetIndex =
            target == m_targetIDs.end() ? 0 : static_cast<int>(target - m_targetIDs.begin());
    }
    m_convertedText = converted;
    m_timestamp = m_clock->now();
}

void ConversionCycle::markRestored(const std::string& original) {
    m_convertedText = original;
    m_timestamp = m_clock->now();
}

void ConversionCycle::resetCycle() {
    *this = ConversionCycle(*m_clock);
}

}  // namespace korrelang::service

#include "sway_replies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korrelang::platform::sway {

namespace {

QJsonDocument parse(std::string_view json) {
    return QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())));
}

std::optional<FocusedNode> findFocused(const QJsonObject& node, int depth) {
    if (depth > 64) {
        return std::nullopt;
    }
    if (node.value("focused").toBool() && node.contains("pid")) {
        FocusedNode focused;
        const QJsonObject properties = node.value("window_properties").toObject();
        focused.appId = node.value("app_id").toString().toStdString();
        focused.name = focused.appId;
        if (focused.appId.empty()) {
            focused.appId = properties.value("class").toString().toStdString();
            focused.name = properties.value("instance").toString().toStdString();
        }
        const auto pid = node.value("pid").toInteger(-1);
        if (pid > 0) {
            focused.pid = static_cast<long>(pid);
        }
        return focused;
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(children).toArray()) {
            if (auto found = findFocused(child.toObject(), depth + 1)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<FocusedNode> SwayReplies::focusedNode(std::string_view treeJson) {
    return findFocused(parse(treeJson).object(), 0);
}

std::vector<KeyboardInput> SwayReplies::keyboards(std::string_view inputsJson) {
    std::vector<KeyboardInput> result;
    for (const QJsonValue value : parse(inputsJson).array()) {
        const QJsonObject input = value.toObject();
        if (input.value("type").toString() != "keyboard") {
            continue;
        }
        KeyboardInput keyboard;
        keyboard.identifier = input.value("identifier").toString().toStdString();
        for (const QJsonValue name : input.value("xkb_layout_names").toArray()) {
            keyboard.layoutNames.push_back(name.toString().toStdString());
        }
        keyboard.activeIndex = input.value("xkb_active_layout_index").toInt(0);
        result.push_back(std::move(keyboard));
    }
    return result;
}

std::optional<KeyboardInput> SwayReplies::mainKeyboard(std::string_view inputsJson) {
    std::optional<KeyboardInput> best;
    for (auto& keyboard : keyboards(inputsJson)) {
        if (!best || keyboard.layoutNames.size() > best->layoutNames.size()) {
            best = std::move(keyboard);
        }
    }
    return best;
}

bool SwayReplies::commandSucceeded(std::string_view replyJson, std::string* error) {
    const QJsonArray results = parse(replyJson).array();
    if (results.isEmpty()) {
        if (error != nullptr) {
            *error = "no reply";
        }
        return false;
    }
    for (const QJsonValue value : results) {
        const QJsonObject result = value.toObject();
        if (!result.value("success").toBool()) {
            if (error != nullptr) {
                *error = result.value("error").toString().toStdString();
            }
            return false;
        }
    }
    return true;
}

bool SwayReplies::subscribed(std::string_view replyJson) {
    return parse(replyJson).object().value("success").toBool();
}

std::string SwayReplies::bindingCommand(std::string_view eventJson) {
    const QJsonObject event = parse(eventJson).object();
    if (event.value("change").toString() != "run") {
        return {};
    }
    return event.value("binding").toObject().value("command").toString().toStdString();
}

std::string SwayReplies::inputChange(std::string_view eventJson) {
    return parse(eventJson).object().value("change").toString().toStdString();
}

}  // namespace korrelang::platform::sway

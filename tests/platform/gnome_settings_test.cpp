// GNOME's keyboard settings through real GSettings on its in-memory back end, with the desktop's
// installed schemas, and no shell extension (no session bus).
#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/gnome/custom_keybinding.h"
#include "platform/gnome/gnome_input_sources.h"
#include "platform/gnome/shell_extension.h"
#include "platform/key_codes.h"
#include "platform/x11/us_key_names.h"

namespace korrelang::platform::gnome {
namespace {

// Before the first GSettings object: the memory back end, and no bus for the extension.
const bool kEnvironment = [] {
    setenv("GSETTINGS_BACKEND", "memory", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/korrelang-test-bus", 1);
    return true;
}();

constexpr const char* kOtherPath =
    "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/";

std::vector<std::string> listedPaths() {
    GSettings* list = g_settings_new(CustomKeybinding::kListSchema);
    gchar** paths = g_settings_get_strv(list, "custom-keybindings");
    std::vector<std::string> result;
    for (gchar** p = paths; *p; ++p) {
        result.emplace_back(*p);
    }
    g_strfreev(paths);
    g_object_unref(list);
    return result;
}

void setListedPaths(const std::vector<const char*>& paths) {
    GSettings* list = g_settings_new(CustomKeybinding::kListSchema);
    std::vector<const char*> raw = paths;
    raw.push_back(nullptr);
    g_settings_set_strv(list, "custom-keybindings", raw.data());
    g_object_unref(list);
}

class CustomKeybindingTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kEnvironment);
        if (!CustomKeybinding::isSupported()) {
            GTEST_SKIP() << "gnome-settings-daemon's schemas are not installed";
        }
        // The user's own shortcut, which must survive everything Korrelang does.
        setListedPaths({kOtherPath});
    }
};

TEST_F(CustomKeybindingTest, InstallsUpdatesAndRemovesOnlyItsOwnEntry) {
    const CustomKeybinding::Entry first{"Korrelang", "'/usr/bin/korrelang' --convert",
                                        "<Control><Shift>space"};
    ASSERT_TRUE(CustomKeybinding::install(first));
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{kOtherPath, CustomKeybinding::kPath}));
    EXPECT_EQ(CustomKeybinding::installed(), first);

    // A new key from the recorder rewrites the entry; it is listed once.
    const CustomKeybinding::Entry second{first.name, first.command, "<Alt>F9"};
    ASSERT_TRUE(CustomKeybinding::install(second));
    EXPECT_EQ(listedPaths(), (std::vector<std::string>{kOtherPath, CustomKeybinding::kPath}));
    EXPECT_EQ(CustomKeybinding::installed(), second);

    ASSERT_TRUE(CustomKeybinding::remove());
    EXPECT_EQ(listedPaths(), std::vector<std::string>{kOtherPath});
    EXPECT_EQ(CustomKeybinding::installed(), std::nullopt);
    // Removing again changes nothing.
    ASSERT_TRUE(CustomKeybinding::remove());
    EXPECT_EQ(listedPaths(), std::vector<std::string>{kOtherPath});
}

TEST(CustomKeybinding, NamesKeysTheWayGnomeStoresThem) {
    struct Case {
        KeyCode key;
        platform::Modifiers modifiers;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {KEY_SPACE, Modifier::Control | Modifier::Shift, "<Control><Shift>space"},
        {KEY_A, Modifier::Alt, "<Alt>a"},
        {KEY_ESC, Modifier::Super, "<Super>Escape"},
        {KEY_ENTER, {}, "Return"},
        {0xFFFF, Modifier::Control, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(x11::UsKeyNames::accelerator(c.key, c.modifiers), c.expected)
            << "key " << c.key << " modifiers " << c.modifiers.text();
    }
}

class InputSourcesWithoutExtension : public testing::Test {
protected:
    void SetUp() override {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema = source ? g_settings_schema_source_lookup(
                                               source, "org.gnome.desktop.input-sources", TRUE)
                                         : nullptr;
        if (!schema) {
            GTEST_SKIP() << "gsettings-desktop-schemas is not installed";
        }
        g_settings_schema_unref(schema);
        m_settings = g_settings_new("org.gnome.desktop.input-sources");
    }
    void TearDown() override {
        if (m_settings) {
            g_object_unref(m_settings);
        }
    }
    void set(const char* key, const char* text) {
        GVariant* value = g_variant_parse(G_VARIANT_TYPE("a(ss)"), text, nullptr, nullptr, nullptr);
        ASSERT_NE(value, nullptr) << text;
        g_settings_set_value(m_settings, key, value);
    }
    GSettings* m_settings = nullptr;
};

TEST_F(InputSourcesWithoutExtension, ReadsLayoutsAndTheActiveOneFromTheSettings) {
    set("sources", "[('xkb','us'),('ibus','mozc-jp'),('xkb','ru'),('xkb','de+nodeadkeys')]");
    set("mru-sources", "@a(ss) []");
    ShellExtension extension;
    GnomeInputSources sources(extension);

    const auto enabled = sources.enabledSources();
    ASSERT_TRUE(enabled);
    std::vector<std::string> ids;
    for (const auto& source : *enabled) {
        ids.push_back(source.id);
    }
    // The input method types no fixed layout and is left out.
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[0], "xkb.us.English");
    EXPECT_EQ(ids[1], "xkb.ru.Russian");
    EXPECT_TRUE(ids[2].starts_with("xkb.de(nodeadkeys).")) << ids[2];

    // Before any switch the first source is active; then the most recently used one.
    EXPECT_EQ(sources.currentSourceID(), "xkb.us.English");
    set("mru-sources", "[('xkb','ru'),('xkb','us')]");
    EXPECT_EQ(sources.currentSourceID(), "xkb.ru.Russian");
    // The input method active: no layout is.
    set("mru-sources", "[('ibus','mozc-jp'),('xkb','ru')]");
    EXPECT_EQ(sources.currentSourceID(), std::nullopt);

    // Switching needs the shell extension; an unknown layout is refused as such.
    EXPECT_EQ(sources.selectSource("xkb.us.English"), platform::SelectStatus::unreachable);
    EXPECT_EQ(sources.selectSource("xkb.fr.French"), platform::SelectStatus::notEnabled);
}

TEST_F(InputSourcesWithoutExtension, KeyTextComesFromALatinLayout) {
    set("sources", "[('xkb','ru'),('xkb','de')]");
    set("mru-sources", "[('xkb','ru')]");
    ShellExtension extension;
    GnomeInputSources sources(extension);
    // Russian is active but types no Latin letters: the German layout answers, with its Z and Y
    // swapped.
    EXPECT_EQ(sources.keyText(KEY_Z), "y");
    EXPECT_EQ(sources.keyText(KEY_A), "a");
}

TEST(GnomeInputSources, ParsesSourceIdentifiers) {
    EXPECT_EQ(GnomeInputSources::parseSourceId("us"), (x11::XkbLayout{"us", ""}));
    EXPECT_EQ(GnomeInputSources::parseSourceId("de+nodeadkeys"),
              (x11::XkbLayout{"de", "nodeadkeys"}));
}

}  // namespace
}  // namespace korrelang::platform::gnome

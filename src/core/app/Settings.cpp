#include "app/Settings.h"

#include <algorithm>
#include <cmath>

namespace powerball {

namespace {

struct TipField {
    int row, field;
};

// The tip fields by component number: white numbers and Powerball of rows 1 to 12
// ("Edit1" .. "Edit79"), then the hidden fields ("Edit93" .. "Edit104").
std::vector<TipField> tipFieldsByNumber() {
    std::vector<TipField> fields;
    for (int row = 0; row < TipSheet::kRowCount; ++row)
        for (int field = 0; field < TipRow::kHiddenField; ++field)
            fields.push_back({row, field});
    for (int row = 0; row < TipSheet::kRowCount; ++row)
        fields.push_back({row, TipRow::kHiddenField});
    return fields;
}

// Saving has always written "Edit7" .. "Edit9" before "Edit4" .. "Edit6".
std::vector<TipField> tipFieldsInSaveOrder() {
    std::vector<TipField> fields = tipFieldsByNumber();
    std::rotate(fields.begin() + 3, fields.begin() + 6, fields.begin() + 9);
    return fields;
}

// The date picker refuses dates before its minimum; a stored date it cannot show is taken
// as unreadable.
double pickerDate(double stored) {
    if (!std::isfinite(stored) || stored < DrawCalendar::kMinimumDate)
        throw RegistryError("date outside the picker's range");
    return stored;
}

// A group of values restored together: a value that cannot be read ends the group, and the
// store learns that it holds values the program could not take.
template <class Steps> void protectedGroup(RegistryStore& store, Steps&& steps) {
    try {
        steps();
    } catch (const RegistryError&) {
        store.keepCopyBeforeNextSave();
    }
}

void restoreOptionsAndWindow(AppState& state, const RegistryKey& key) {
    CalculationSettings& settings = state.settings;
    for (const OptionControl& control : CalculationSettings::controls())
        if (control.kind == OptionKind::Flag)
            if (const auto checked = key.readBool(std::string(control.valueName)))
                settings.setValue(control.control, *checked);
    settings.limitEarlierWinClass();
    for (const OptionControl& control : CalculationSettings::controls())
        if (control.kind == OptionKind::Radio)
            if (const auto checked = key.readBool(std::string(control.valueName)))
                settings.setValue(control.control, *checked);

    if (const auto land = key.readInteger("Land"))
        state.land = *land;
    if (const auto height = key.readInteger("height");
        height && WindowGeometry::usableSide(*height))
        state.window.height = *height;
    if (const auto width = key.readInteger("width"); width && WindowGeometry::usableSide(*width))
        state.window.width = *width;
    state.tippTop = 39;
    state.tippLeft = 47;
    if (const auto top = key.readInteger("TippTop"))
        state.tippTop = *top;
    if (const auto left = key.readInteger("TippLeft"))
        state.tippLeft = *left;
    state.languageIndex = key.readInteger("Sprache").value_or(2);
}

void restoreSpinsAndTips(AppState& state, const RegistryKey& key) {
    for (const OptionControl& control : CalculationSettings::controls())
        if (control.kind == OptionKind::Spin)
            if (const auto position = key.readInteger(std::string(control.valueName)))
                state.settings.setValue(control.control, *position);
    for (const TipField& tip : tipFieldsByNumber())
        if (const auto text = key.readString(TipSheet::fieldName(tip.row, tip.field)))
            state.tips.setField(tip.row, tip.field, *text);
}

// The hidden check box "Linkseite aktivieren" was once stored as a text; a text that is not
// empty clears it.
void restoreBrowser(AppState& state, const RegistryKey& key, RegistryStore& store) {
    try {
        if (const auto checked = key.readBool("Browser"))
            state.internet.browser = *checked;
    } catch (const RegistryError&) {
        protectedGroup(store, [&] {
            if (const auto text = key.readString("Browser"); text && !text->empty())
                state.internet.browser = false;
        });
    }
}

void restoreText(const RegistryKey& key, const char* name, std::string& target) {
    if (auto text = key.readString(name))
        target = std::move(*text);
}

// Settings from before the choice of source that hold a server address keep the server: its
// user set it up. Without either value the settings are fresh and take the results file.
void restoreDrawSource(InternetOptions& internet, const RegistryKey& key) {
    restoreText(key, "FeedURLEdit", internet.feedUrl);
    if (const auto feed = key.readBool("FeedSourceRadio"))
        internet.source = *feed ? DrawSource::Feed : DrawSource::Server;
    else if (key.readString("URLEdit"))
        internet.source = DrawSource::Server;
}

void restoreFromKey(AppState& state, const RegistryKey& key, RegistryStore& store) {
    protectedGroup(store, [&] { restoreText(key, "Losnummer", state.ticketNumber); });
    protectedGroup(store, [&] {
        if (const auto value = key.readInteger("NeuerSchein"))
            state.neuerSchein = *value;
    });
    protectedGroup(store, [&] { restoreOptionsAndWindow(state, key); });
    protectedGroup(store, [&] { restoreSpinsAndTips(state, key); });
    protectedGroup(store, [&] {
        restoreText(key, "ZWEIPREIS", state.internet.zweiPreis);
        restoreText(key, "EINPREIS", state.internet.einPreis);
    });
    restoreBrowser(state, key, store);

    // From here on leaving a tip field runs the check.
    state.checkEnabled = true;

    protectedGroup(store, [&] {
        restoreText(key, "URLEdit", state.internet.url);
        restoreText(key, "ProxyHostEdit", state.internet.proxyHost);
        restoreText(key, "ProxyPortEdit", state.internet.proxyPort);
    });
    protectedGroup(store, [&] { restoreDrawSource(state.internet, key); });
    protectedGroup(store, [&] {
        std::string folder;
        restoreText(key, "TipFileFolder", folder);
        state.lastTipFileFolder = std::filesystem::path(folder);
    });
    try {
        if (const auto date = key.readDate("DateTimePicker2"))
            state.startDate = pickerDate(*date);
    } catch (const RegistryError&) {
        state.startDate = DrawCalendar::kMinimumDate;
        store.keepCopyBeforeNextSave();
    }
}

} // namespace

void Settings::restore(AppState& state, RegistryStore& store) {
    // No language is chosen until "Sprache" is read: when its group fails before, the
    // built-in German texts stay.
    state.languageIndex = 0;
    if (std::string notice = store.notice(); !notice.empty())
        state.status[1] = std::move(notice);
    std::optional<RegistryKey> key;
    try {
        key.emplace(store, kKey);
    } catch (const RegistryError& error) {
        // Nothing can be read: every setting keeps its default.
        state.status[1] = std::string("Einstellungen nicht lesbar: ") + error.what();
        state.checkEnabled = true;
        return;
    }
    restoreFromKey(state, *key, store);
}

std::vector<NamedSetting> Settings::values(const AppState& state) {
    std::vector<NamedSetting> values;
    const auto add = [&](std::string name, SettingValue value) {
        values.push_back({std::move(name), std::move(value)});
    };
    const CalculationSettings& settings = state.settings;
    add("Losnummer", state.ticketNumber);
    add("NeuerSchein", state.neuerSchein);
    for (const OptionControl& control : CalculationSettings::controls())
        if (control.kind != OptionKind::Spin)
            add(std::string(control.valueName), *settings.value(control.control) != 0);
    add("height", state.window.height);
    add("width", state.window.width);
    add("Sprache", state.languageIndex);
    add("TippTop", state.tippTop);
    add("TippLeft", state.tippLeft);
    for (const OptionControl& control : CalculationSettings::controls())
        if (control.kind == OptionKind::Spin)
            add(std::string(control.valueName), *settings.value(control.control));
    for (const TipField& tip : tipFieldsInSaveOrder())
        add(TipSheet::fieldName(tip.row, tip.field), state.tips.field(tip.row, tip.field));
    add("ZWEIPREIS", state.internet.zweiPreis);
    add("EINPREIS", state.internet.einPreis);
    add("Browser", state.internet.browser);
    add("URLEdit", state.internet.url);
    add("ProxyHostEdit", state.internet.proxyHost);
    add("ProxyPortEdit", state.internet.proxyPort);
    add("FeedSourceRadio", state.internet.source == DrawSource::Feed);
    add("FeedURLEdit", state.internet.feedUrl);
    add("DateTimePicker2", state.startDate);
    add("Land", state.land);
    add("TipFileFolder", state.lastTipFileFolder.string());
    return values;
}

SettingKind Settings::kindOfValue(const SettingValue& value) {
    return static_cast<SettingKind>(value.index());
}

std::optional<SettingKind> Settings::kindOf(std::string_view name) {
    for (const NamedSetting& setting : values(AppState{}))
        if (setting.name == name)
            return kindOfValue(setting.value);
    return std::nullopt;
}

void Settings::write(RegistryKey& key, const NamedSetting& setting) {
    std::visit(
        [&](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                key.writeBool(setting.name, value);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                key.writeInteger(setting.name, value);
            else if constexpr (std::is_same_v<T, std::string>)
                key.writeString(setting.name, value);
            else
                key.writeDate(setting.name, value);
        },
        setting.value);
}

std::optional<std::string> Settings::save(const AppState& state, RegistryStore& store) {
    try {
        RegistryKey key(store, kKey);
        for (const NamedSetting& setting : values(state)) {
            if (setting.name == "Losnummer")
                continue;
            // A maximised or minimised window leaves the last normal size stored.
            if (!state.window.normalState && (setting.name == "height" || setting.name == "width"))
                continue;
            write(key, setting);
        }
        key.close();
    } catch (const std::exception& error) {
        return error.what();
    }
    return std::nullopt;
}

bool Settings::setOption(AppState& state, std::string_view name, int value) {
    if (!state.settings.setValue(name, value))
        return false;
    // The couplings know the spins by their control names, whatever name was given.
    state.settings.coupleAfterChange(CalculationSettings::find(name)->control);
    state.maxRuns = state.settings.maxRuns();
    return true;
}

} // namespace powerball

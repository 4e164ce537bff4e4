#include "tests/fakes/fake_settings_store.h"

#include <charconv>

#include "core/number_parse.h"

namespace kavel::test {
namespace {

class FakeKey final : public ISettingsKey {
public:
    FakeKey(FakeSettingsStore& store, FakeSettingsStore::Values& values)
        : m_store(store), m_values(values) {}

    std::optional<std::string> QueryString(const std::string& name,
                                           std::size_t buffer_bytes) override {
        const auto it = m_values.find(name);
        if (it == m_values.end() || 2 * (Utf16Length(it->second) + 1) > buffer_bytes) {
            return std::nullopt;
        }
        return it->second;
    }
    bool SetString(const std::string& name, const std::string& value) override {
        if (m_store.fail_writes) return false;
        m_values[name] = value;
        return true;
    }
    std::optional<int> QueryInt(const std::string& name) override {
        const auto text = QueryString(name, static_cast<std::size_t>(-1));
        if (!text) return std::nullopt;
        int value = 0;
        const char* end = text->data() + text->size();
        const auto [stop, error] = std::from_chars(text->data(), end, value);
        return error == std::errc() && stop == end ? std::optional(value) : std::nullopt;
    }
    bool SetInt(const std::string& name, int value) override {
        return SetString(name, std::to_string(value));
    }

private:
    FakeSettingsStore& m_store;
    FakeSettingsStore::Values& m_values;
};

}  // namespace

std::unique_ptr<ISettingsKey> FakeSettingsStore::OpenKey(const std::string& path) {
    const auto it = keys.find(path);
    return ++opens > open_limit || it == keys.end() ? nullptr
                                                    : std::make_unique<FakeKey>(*this, it->second);
}

std::unique_ptr<ISettingsKey> FakeSettingsStore::CreateKey(const std::string& path) {
    return fail_create ? nullptr : std::make_unique<FakeKey>(*this, keys[path]);
}

void FakeSettingsStore::Put(const std::string& path, const std::string& name,
                            const std::string& value) {
    keys[path][name] = value;
}

std::string FakeSettingsStore::Get(const std::string& path, const std::string& name) const {
    const auto key = keys.find(path);
    if (key == keys.end() || key->second.count(name) == 0) return "<absent>";
    return key->second.at(name);
}

}  // namespace kavel::test

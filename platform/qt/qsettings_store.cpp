#include "platform/qt/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace kavel::qt {
namespace {

constexpr auto kSoftwarePrefix = "Software";

// Organisation and application name of a key path: "Software\A\B" -> (A, B).
std::pair<QString, QString> NamesFor(const std::string& key_path) {
    QStringList parts = QString::fromStdString(key_path).split('\\', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(kSoftwarePrefix, Qt::CaseInsensitive) == 0) {
        parts.removeFirst();
    }
    const QString organisation = parts.isEmpty() ? QString() : parts.takeFirst();
    return {organisation, parts.join('/')};
}

std::unique_ptr<QSettings> SettingsFor(const std::string& key_path) {
    const auto [organisation, application] = NamesFor(key_path);
    // The native format on Linux is INI text in a .conf file (IniFormat would name it .ini).
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                organisation, application);
    settings->setFallbacksEnabled(false);  // never read the system-wide files
    return settings;
}

class QSettingsKey final : public ISettingsKey {
public:
    explicit QSettingsKey(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {}

    std::optional<std::string> QueryString(const std::string& name,
                                           std::size_t buffer_bytes) override {
        const QString key = QString::fromStdString(name);
        if (!m_settings->contains(key)) return std::nullopt;
        const QString text = m_settings->value(key).toString();
        const std::size_t needed = 2 * (static_cast<std::size_t>(text.size()) + 1);
        if (needed > buffer_bytes) return std::nullopt;
        return text.toStdString();
    }

    bool SetString(const std::string& name, const std::string& value) override {
        return Store(QString::fromStdString(name), QString::fromStdString(value));
    }

    std::optional<int> QueryInt(const std::string& name) override {
        const QString key = QString::fromStdString(name);
        if (!m_settings->contains(key)) return std::nullopt;
        bool ok = false;
        const int value = m_settings->value(key).toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    bool SetInt(const std::string& name, int value) override {
        return Store(QString::fromStdString(name), value);
    }

private:
    // Writes one value through to the file. When the file cannot be written (a full disk, a
    // read-only folder), the change is taken back: QSettings would otherwise keep the unsaved
    // value in its per-process cache, so that this run went on reading a value that the next
    // run does not find. As with the registry, a failed write leaves what is stored in force.
    bool Store(const QString& key, const QVariant& value) {
        const std::optional<QVariant> stored =
            m_settings->contains(key) ? std::optional<QVariant>(m_settings->value(key))
                                      : std::nullopt;
        m_settings->setValue(key, value);
        if (Sync()) return true;
        if (stored) {
            m_settings->setValue(key, *stored);
        } else {
            m_settings->remove(key);
        }
        return false;
    }

    bool Sync() {
        m_settings->sync();
        return m_settings->status() == QSettings::NoError;
    }

    std::unique_ptr<QSettings> m_settings;
};

}  // namespace

std::string SettingsFileFor(const std::string& key_path) {
    return SettingsFor(key_path)->fileName().toStdString();
}

std::unique_ptr<ISettingsKey> QSettingsStore::OpenKey(const std::string& path) {
    auto settings = SettingsFor(path);
    if (!QFileInfo(settings->fileName()).isFile()) return nullptr;
    return std::make_unique<QSettingsKey>(std::move(settings));
}

std::unique_ptr<ISettingsKey> QSettingsStore::CreateKey(const std::string& path) {
    auto settings = SettingsFor(path);
    const QFileInfo file(settings->fileName());
    if (!file.isFile()) {
        // A key exists once its file does, even before a value is written to it.
        QFile empty(file.filePath());
        if (!QDir().mkpath(file.absolutePath()) || !empty.open(QIODevice::WriteOnly)) {
            return nullptr;
        }
    } else if (!file.isWritable()) {
        return nullptr;
    }
    return std::make_unique<QSettingsKey>(std::move(settings));
}

}  // namespace kavel::qt

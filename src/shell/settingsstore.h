#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <variant>

namespace bw {

// The user's typed settings, one file per user in the config folder, standing in for the
// registry key. Value names compare case-insensitively and keep the spelling they were
// first written with. Reading never fails loudly and never writes: a missing or damaged
// file reads as an empty store.
class SettingsStore {
public:
    using Value = std::variant<bool, int, QString, double>;

    enum class LoadStatus { Read, Missing, Damaged, Unreadable };

    // $XDG_CONFIG_HOME/brettwerk/settings.conf, or ~/.config/brettwerk/settings.conf.
    static QString DefaultPath();

    SettingsStore() = default;
    explicit SettingsStore(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    LoadStatus Load();
    // Sets a damaged file aside for a look by hand; the next save starts a new one.
    bool KeepDamagedCopy() const;
    QString DamagedCopyPath() const { return path_ + QStringLiteral(".damaged"); }
    // Replaces the file only once the new one is complete; readable by the owner only.
    bool Save() const;

    bool Contains(const QString& name) const;
    void Remove(const QString& name);
    QStringList Names() const;
    bool IsEmpty() const { return values_.empty(); }

    // Bool and int are the same stored kind (as DWORDs are): either reads as the other.
    // Any other type mismatch reads as missing.
    std::optional<bool> ReadBool(const QString& name) const;
    std::optional<int> ReadInt(const QString& name) const;
    std::optional<QString> ReadString(const QString& name) const;
    std::optional<double> ReadDouble(const QString& name) const;

    // A name that cannot be stored (empty, '=', control characters) is refused.
    bool WriteBool(const QString& name, bool v) { return write(name, v); }
    bool WriteInt(const QString& name, int v) { return write(name, v); }
    bool WriteString(const QString& name, const QString& v) { return write(name, v); }
    bool WriteDouble(const QString& name, double v) { return write(name, v); }

    // The file's text and its parser, exposed for tests and the tool.
    QByteArray Serialise() const;
    bool Parse(const QByteArray& bytes);

    static constexpr qint64 kMaxFileSize = 1 << 20;

private:
    struct Entry {
        QString name;
        Value value;
    };
    bool write(const QString& name, Value v);
    const Entry* find(const QString& name) const;

    QString path_ = DefaultPath();
    std::map<QString, Entry> values_; // keyed by the case-folded name
};

} // namespace bw

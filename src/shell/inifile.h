#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <unordered_map>

namespace bw {

// A read-only INI file read the way Windows reads one: section and key names compare
// case-insensitively, names and values are trimmed, lines starting with ';' are comments,
// a value enclosed in matching quotes loses them, and of repeated sections or keys the
// first one counts. Text is Windows-1252 unless a byte-order mark or valid UTF-8 says
// otherwise (a file written on Linux).
class IniFile {
public:
    enum class Status { Read, Missing, Unreadable, Damaged };

    static IniFile Load(const QString& path);
    static IniFile FromBytes(const QByteArray& bytes);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Read; }

    bool HasSection(const QString& section) const;
    // nullopt when the key is missing.
    std::optional<QString> ReadString(const QString& section, const QString& key) const;
    // nullopt when missing or not a number; decimal with optional sign, or 0x hex.
    std::optional<int> ReadInteger(const QString& section, const QString& key) const;
    // An integer (not 0 is true), or true/false, yes/no, ja/nein.
    std::optional<bool> ReadBool(const QString& section, const QString& key) const;
    // A decimal number with a point or a comma.
    std::optional<double> ReadFloat(const QString& section, const QString& key) const;

    // Files larger than this are not configuration files.
    static constexpr qint64 kMaxFileSize = 1 << 20;

private:
    // Keyed by the case-folded names; hashing keeps a file of many keys linear to read.
    using Section = std::unordered_map<QString, QString>;
    const Section* section(const QString& name) const;
    void parse(const QString& text);

    Status status_ = Status::Missing;
    std::unordered_map<QString, Section> sections_;
};

} // namespace bw

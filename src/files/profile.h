// SPDX-License-Identifier: GPL-3.0-or-later
// A small INI ("profile") file layer: names match without regard to case, and a write keeps every
// other line of the file byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace hx7 {

// The line logic works on the file's content in memory; ProfileFile only reads and writes the file
// around it.

// The value of key in section, blanks around it removed; nothing when the section or key is absent.
std::optional<QString> ReadProfileString(const QByteArray &content, const QString &section, const QString &key);
// Every key of the first section of that name with its value, in file order (comments skipped).
std::vector<std::pair<QString, QString>> ReadProfileSection(const QByteArray &content, const QString &section);
// The content with the key replaced, or added at the end of its section (the section added at the end
// when missing); every other line stays as it was.
QByteArray SetProfileString(const QByteArray &content, const QString &section, const QString &key,
                            const QString &value);

class ProfileFile
{
public:
    explicit ProfileFile(QString path) : m_path(std::move(path)) {}

    // The value of key in section, blanks around it removed; nothing when the file, section or key is absent.
    std::optional<QString> readString(const QString &section, const QString &key) const;
    // Every key of the first section of that name with its value, in file order (comments skipped).
    std::vector<std::pair<QString, QString>> readSection(const QString &section) const;
    // Replaces or adds the key (creating section and file when missing); the file is replaced atomically.
    bool writeString(const QString &section, const QString &key, const QString &value) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// Reads a profile value as a signed 32-bit integer: leading blanks, then an optional sign and decimal
// digits, or "$", "0x" or "0X" and hex digits. Anything else (empty, words, trailing characters,
// out of range) reads as absent.
std::optional<int> ParseProfileInt(const QString &text);

} // namespace hx7

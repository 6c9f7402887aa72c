// SPDX-License-Identifier: GPL-3.0-or-later
// Which module the program talks to, as a value: what its version reply said, the port it answered on and,
// once a read or a store's address check has seen it, its address code. The status bar, the backups, the
// printed sheet and hx7ctl take the module from here; nothing reads a shown text back to learn it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace hx7 {

struct ModuleIdentity {
    ModuleIdentity() = default;
    ModuleIdentity(char type_, std::uint8_t version_, QString port_ = {})
        : type(type_), version(version_), port(std::move(port_))
    {}

    char type = 0;                  // the letter of the version reply: 'D' (HX7), 'V' (HX7V), 'S' (HX7S)
    std::uint8_t version = 0;       // firmware, high nibble major: 0x13 is 1.3
    QString port;                   // the device it answered on; empty when not known
    std::optional<int> addressCode; // byte 4 as the module holds it, once a read or an address check saw it

    // "HX7", "HX7V", "HX7S"; empty for a letter this program does not know.
    QString TypeName() const;
    // "1.3".
    QString VersionNumber() const;
    // "HX7S V 1.3" (the HX7 as "HX7  V 1.3", the label's old width); empty for an unknown type.
    QString Name() const;
    // What the module said, for any type: Name(), else "typ X, verze 1.4" (a letter that does not print by
    // its value), in the user's language.
    QString AnswerText() const;
    bool IsHx7S() const { return type == 'S'; }
    // Firmware before 1.3 lacks the newer functions; the user is told once it answers.
    bool IsOldFirmware() const { return version < 0x13; }
    // The same module and firmware: what a backup's name and a layout's record compare.
    bool SameModule(const ModuleIdentity &o) const { return type == o.type && version == o.version; }
};

} // namespace hx7

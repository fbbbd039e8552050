#pragma once
// The settings store: every setting of the program in one table, read at the
// point of use (never cached), so a change takes effect at the next use.
// Backed by QSettings("Orvessa", "Tavelin"), or by the INI file named in the
// environment variable TAVELIN_SETTINGS.

#include <QString>
#include <cstdint>
#include <span>

namespace tavelin {

enum class SettingType { Int, Text, String }; // Text = a colour as decimal text

struct SettingDef {
    const char* section;
    const char* value;
    SettingType type;
    const char* defaultValue; // as text; nullptr for "written only"
};

std::span<const SettingDef> AllSettings();
const SettingDef* FindSetting(const QString& section, const QString& value);

namespace settings {
// Defaults come from the table; the overloads with a default are for values
// outside it (none should be) and for tests.
int GetInt(const QString& section, const QString& value);
int GetInt(const QString& section, const QString& value, int defaultValue);
QString GetString(const QString& section, const QString& value);
QString GetString(const QString& section, const QString& value, const QString& defaultValue);
// A colour stored as decimal text; text that does not convert reads as 0.
std::uint32_t GetColour(const QString& section, const QString& value);
void WriteInt(const QString& section, const QString& value, int v);
void WriteString(const QString& section, const QString& value, const QString& v);
void WriteColour(const QString& section, const QString& value, std::uint32_t colour);
bool Contains(const QString& section, const QString& value);
// The store's file (INI) or registry path, for diagnostics.
QString StoreLocation();
} // namespace settings

} // namespace tavelin

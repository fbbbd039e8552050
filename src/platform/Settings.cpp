#include "platform/Settings.h"

#include <QSettings>
#include <array>
#include <cstdlib>
#include <memory>

namespace tavelin {
namespace {

using enum SettingType;

// The complete list of the program's settings. Every reader takes its
// default from here, so the defaults cannot drift apart between callers.
constexpr SettingDef Table[] = {
    {"KanSet", "FirstOpen", Int, "0"},
    {"KanSet", "HelpDsp", Int, "1"},
    {"KanSet", "PlayAnime", Int, "3"},
    {"KanSet", "SpeedAnime", Int, "0"},
    {"KanSet", "MakeBackup", Int, "1"},
    {"KanSet", "SlipW", Int, "150"},
    {"KanSet", "SlipH", Int, "100"},
    {"KanSet", "ImageW", Int, "500"},
    {"KanSet", "PicZoom", Int, "1"},
    {"LAYER", "Futosa", Int, "1"},
    {"LAYER", "ArcCol", Text, "8388608"},
    {"LAYER", "Anchor", Int, "1"},
    {"LAYER", "AnchorCol", Text, "8388608"},
    {"LAYER", "IconW", Int, "20"},
    {"SUB", "refText", Text, "8388608"},
    {"SUB", "FontBold", Int, "0"},
    {"SUB", "FontSize", Int, "8"},
    {"SUB", "FontName", String, "Meiryo UI"},
    {"SUB", "AlineH", Int, "1"},
    {"SUB", "Yohaku", Int, "5"},
    {"SUB", "Wrap", Int, "1"},
    {"SUB", "refMen", Text, "16773100"},
    {"SUB", "Round", Int, "0"},
    {"SUB", "Futosa", Int, "1"},
    {"SUB", "refWaku", Text, "8388608"},
    {"SUB", "TitlePos", Int, "2"},
    {"Last", "Zoomed", Int, "0"},
    {"Last", "cxCur", Int, "400"},
    {"Last", "Area", Int, "0"},
    {"Last", "FilePath", String, nullptr},
    {"Last", "ColColor", Text, "16765650"},
    {"Last", "LayerTileLen", Int, "10"},
    {"Last", "ShowBkColor", Text, "65535"},
    {"Last", "ShowTextColor", Text, "255"},
    {"Last", "HideBkColor", Text, "12632256"},
    {"Last", "HideTextColor", Text, "0"},
    {"Last", "TipBkColor", Text, "16776960"},
    {"Last", "TipTextColor", Text, "8388608"},
    {"Last", "TipMargin", Int, "2"},
    {"ColumnDsp", "KijiLen", Int, "10"},
    {"ColumnDsp", "DateFormat", Int, "1"},
    {"ColumnDsp", "KyoriFormat", Int, "1"},
    {"ColumnDsp", "TimeFormat", Int, "1"},
    {"ColumnDsp", "JisokuFormat", Int, "1"},
    {"ColumnDsp", "DspZero", Int, "1"},
    {"ColumnDsp", "Tenkan", Int, "1"},
    {"ColumnDsp", "Kyori", Int, "1"},
    {"ColumnDsp", "Soukyori", Int, "1"},
    {"ColumnDsp", "Jikan", Int, "1"},
    {"ColumnDsp", "Soujikan", Int, "1"},
    {"ColumnDsp", "Jisoku", Int, "1"},
    {"ColumnDsp", "Keido", Int, "1"},
    {"ColumnDsp", "Ido", Int, "1"},
    {"ColumnDsp", "Kiji", Int, "1"},
    {"Navi", "Visible", Int, "1"},
    {"Navi", "LastPX", Int, "0"},
    {"Navi", "LastPY", Int, "0"},
    {"Insatu", "PaperSize", Int, "9"},
    {"Insatu", "Orientation", Int, "1"},
    {"Insatu", "MarginLmm", Int, "25"},
    {"Insatu", "MarginRmm", Int, "10"},
    {"Insatu", "MarginTmm", Int, "25"},
    {"Insatu", "MarginBmm", Int, "10"},
    {"Insatu", "Hani", Int, "1"},
    {"Insatu", "AllOne", Int, "0"},
    {"Insatu", "DspYohaku", Int, "0"},
    {"Insatu", "PX", Int, "0"},
    {"Insatu", "PY", Int, "0"},
    {"Insatu", "SX", Int, "640"},
    {"Insatu", "SY", Int, "480"},
    {"Insatu", "Zoomed", Int, "0"},
    {"Recent File List", "File1", String, ""},
    {"Recent File List", "File2", String, ""},
    {"Recent File List", "File3", String, ""},
    {"Recent File List", "File4", String, ""},
    {"Recent File List", "File5", String, ""},
    {"Recent File List", "File6", String, ""},
    {"Recent File List", "File7", String, ""},
    {"Recent File List", "File8", String, ""},
    {"Recent File List", "File9", String, ""},
    {"Recent File List", "File10", String, ""},
};

// Opened afresh at every access: another process (or a dialog of this
// one) may have changed the store, and a change must show at the next use.
std::unique_ptr<QSettings> Store()
{
    const QString file = qEnvironmentVariable("TAVELIN_SETTINGS");
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Orvessa"), QStringLiteral("Tavelin"));
}

QString Key(const QString& section, const QString& value)
{
    return section + u'/' + value;
}

// A decimal conversion that stops at the first non-digit, as colours are
// read: "abc" gives 0, "123x" gives 123.
long LeadingDecimal(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::strtol(bytes.constData(), nullptr, 10);
}

int TableIntDefault(const QString& section, const QString& value)
{
    const SettingDef* def = FindSetting(section, value);
    return def && def->defaultValue ? QByteArray(def->defaultValue).toInt() : 0;
}

QString TableTextDefault(const QString& section, const QString& value)
{
    const SettingDef* def = FindSetting(section, value);
    return def && def->defaultValue ? QString::fromUtf8(def->defaultValue) : QString();
}

} // namespace

std::span<const SettingDef> AllSettings()
{
    return Table;
}

const SettingDef* FindSetting(const QString& section, const QString& value)
{
    for (const SettingDef& def : Table)
        if (section == QLatin1String(def.section) && value == QLatin1String(def.value))
            return &def;
    return nullptr;
}

namespace settings {

int GetInt(const QString& section, const QString& value)
{
    return GetInt(section, value, TableIntDefault(section, value));
}

int GetInt(const QString& section, const QString& value, int defaultValue)
{
    const QVariant v = Store()->value(Key(section, value));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : defaultValue; // a malformed number falls back to the default
}

QString GetString(const QString& section, const QString& value)
{
    return GetString(section, value, TableTextDefault(section, value));
}

QString GetString(const QString& section, const QString& value, const QString& defaultValue)
{
    const QVariant v = Store()->value(Key(section, value));
    return v.isValid() ? v.toString() : defaultValue;
}

std::uint32_t GetColour(const QString& section, const QString& value)
{
    return static_cast<std::uint32_t>(LeadingDecimal(GetString(section, value)));
}

void WriteInt(const QString& section, const QString& value, int v)
{
    Store()->setValue(Key(section, value), v);
}

void WriteString(const QString& section, const QString& value, const QString& v)
{
    Store()->setValue(Key(section, value), v);
}

void WriteColour(const QString& section, const QString& value, std::uint32_t colour)
{
    // Stored signed, as "%ld" writes a COLORREF.
    WriteString(section, value, QString::number(static_cast<std::int32_t>(colour)));
}

bool Contains(const QString& section, const QString& value)
{
    return Store()->contains(Key(section, value));
}

QString StoreLocation()
{
    return Store()->fileName();
}

} // namespace settings
} // namespace tavelin

#include "print/PaperCodes.h"

#include <array>

namespace tavelin
{
namespace
{

struct Paper {
    const char* name;
    QPageSize::PageSizeId id; // Custom: the size below
    double width = 0, height = 0;
    QPageSize::Unit unit = QPageSize::Inch;
};

// Codes 1 to 41, in order. Qt's own table of these codes takes the
// architectural sheets for C, D and E and JIS B4 for the 250 x 354 mm
// sheet, and knows no Folio; the names here say which paper is meant.
const std::array<Paper, 41> Papers = {{
    {"Letter, 81/2x11inch", QPageSize::Letter},
    {"LetterSmall, 81/2x11inch", QPageSize::LetterSmall},
    {"Tabloid, 11x17inch", QPageSize::Tabloid},
    {"Ledger, 17x11inch", QPageSize::Ledger},
    {"Legal, 81/2x14inch", QPageSize::Legal},
    {"Statement, 51/2x81/2inch", QPageSize::Statement},
    {"Executive, 71/4x101/2inch", QPageSize::ExecutiveStandard},
    {"A3Sheet, 297x420mm", QPageSize::A3},
    {"A4Sheet, 210x297mm", QPageSize::A4},
    {"A4smallSheet, 210x297mm", QPageSize::A4Small},
    {"A5Sheet, 148x210mm", QPageSize::A5},
    {"B4Sheet, 250x354mm", QPageSize::B4},
    {"B5Sheet, 182x257mm", QPageSize::JisB5},
    {"Folio, 81/2x13inch", QPageSize::Custom, 8.5, 13.0, QPageSize::Inch},
    {"Quarto, 215x275mm", QPageSize::Quarto},
    {"10x14inchSheet", QPageSize::Imperial10x14},
    {"11x17inchSheet", QPageSize::Tabloid},
    {"Note, 81/2x11inch", QPageSize::Note},
    {"#9Envelope, 37/8x87/8inch", QPageSize::Envelope9},
    {"#10Envelope, 41/8x91/2inch", QPageSize::Comm10E},
    {"#11Envelope, 41/2x103/8inch", QPageSize::Envelope11},
    {"#12Envelope, 43/4x11inch", QPageSize::Envelope12},
    {"#14Envelope, 5x111/2inch", QPageSize::Envelope14},
    {"CSheet, 17x22inch", QPageSize::AnsiC},
    {"DSheet, 22x34inch", QPageSize::AnsiD},
    {"ESheet, 34x44inch", QPageSize::AnsiE},
    {"DLEnvelope, 110x220mm", QPageSize::DLE},
    {"C5Envelope, 162x229mm", QPageSize::C5E},
    {"C3Envelope, 324x458mm", QPageSize::EnvelopeC3},
    {"C4Envelope, 229x324mm", QPageSize::EnvelopeC4},
    {"C6Envelope, 114x162mm", QPageSize::EnvelopeC6},
    {"C65Envelope, 114x229mm", QPageSize::EnvelopeC65},
    {"B4Envelope, 250x353mm", QPageSize::EnvelopeB4},
    {"B5Envelope, 176x250mm", QPageSize::EnvelopeB5},
    {"B6Envelope, 176x125mm", QPageSize::EnvelopeB6},
    {"ItalyEnvelope, 110x230mm", QPageSize::EnvelopeItalian},
    {"MonarchEnvelope, 37/8x71/2inch", QPageSize::EnvelopeMonarch},
    {"63/4Envelope, 35/8x61/2inch", QPageSize::EnvelopePersonal},
    {"USStdFanfold, 147/8x11inch", QPageSize::FanFoldUS},
    {"GermanStdFanfold, 81/2x12inch", QPageSize::FanFoldGerman},
    {"GermanLegalFanfold, 81/2x13inch", QPageSize::FanFoldGermanLegal},
}};

QPageSize SizeOf(const Paper& paper)
{
    if (paper.id != QPageSize::Custom)
        return QPageSize(paper.id);
    return QPageSize(QSizeF(paper.width, paper.height), paper.unit,
                     QString::fromLatin1(paper.name).section(QLatin1Char(','), 0, 0),
                     QPageSize::ExactMatch);
}

} // namespace

std::optional<QPageSize> KnownPaperForCode(int code)
{
    if (code >= 1 && code <= int(Papers.size()))
        return SizeOf(Papers[std::size_t(code - 1)]);
    // Higher codes (A2, A6, postcards ...) as Qt knows them.
    if (code > int(Papers.size()) && code < UserPaperCode) {
        const QPageSize size(QPageSize::id(code));
        if (size.isValid() && size.windowsId() == code)
            return size;
    }
    return std::nullopt;
}

QPageSize PaperSizeForCode(int code)
{
    return KnownPaperForCode(code).value_or(QPageSize(QPageSize::A4));
}

QString PaperNameForCode(int code)
{
    if (code >= 1 && code <= int(Papers.size()))
        return QString::fromLatin1(Papers[std::size_t(code - 1)].name);
    return QStringLiteral("etc.");
}

int PaperCodeForSize(const QPageSize& size, int previousCode)
{
    if (!size.isValid())
        return UserPaperCode;
    const std::optional<QPageSize> previous = KnownPaperForCode(previousCode);
    if (previous && previous->isEquivalentTo(size))
        return previousCode;
    for (std::size_t i = 0; i < Papers.size(); ++i)
        if (SizeOf(Papers[i]).isEquivalentTo(size))
            return int(i) + 1;
    const int windows = size.windowsId();
    if (const std::optional<QPageSize> known = KnownPaperForCode(windows);
        known && known->isEquivalentTo(size))
        return windows;
    return UserPaperCode;
}

QPageLayout::Orientation OrientationForCode(int code)
{
    return code == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int CodeForOrientation(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Landscape ? 2 : 1;
}

} // namespace tavelin

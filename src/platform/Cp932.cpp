#include "platform/Cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace tavelin::cp932 {
namespace {

// Horizontal ellipsis U+2026 in CP932.
constexpr char Ellipsis[] = "\x81\x63";

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; on an unconvertible sequence either fails (strict)
    // or appends `replacement` and skips one input byte.
    bool run(const QByteArray& in, QByteArray& out, bool strict, const QByteArray& replacement)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        char* src = const_cast<char*>(in.constData());
        size_t srcLeft = static_cast<size_t>(in.size());
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<qsizetype>(dst - buffer));
            if (r != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                continue;
            if (strict)
                return false;
            out.append(replacement);
            ++src; // EILSEQ or EINVAL: skip the offending byte
            --srcLeft;
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<qsizetype>(dst - buffer));
        return true;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::optional<QByteArray> Encode(const QString& text)
{
    if (text.isEmpty())
        return QByteArray();
    Converter conv("CP932", "UTF-8");
    if (!conv.valid())
        return std::nullopt;
    QByteArray out;
    if (!conv.run(text.toUtf8(), out, true, {}))
        return std::nullopt;
    return out;
}

QString Decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    Converter conv("UTF-8", "CP932");
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    QByteArray out;
    conv.run(bytes, out, false, QByteArray("\xEF\xBF\xBD"));
    return QString::fromUtf8(out);
}

QString DecodeField(const char* field, int capacity)
{
    const void* nul = std::memchr(field, 0, static_cast<size_t>(capacity));
    const int length = nul ? static_cast<int>(static_cast<const char*>(nul) - field) : capacity;
    return Decode(QByteArray(field, length));
}

int ByteLength(const QString& text)
{
    const auto bytes = Encode(text);
    return bytes ? static_cast<int>(bytes->size()) : -1;
}

QByteArray CutToBytes(const QByteArray& bytes, int maxBytes)
{
    if (maxBytes <= 0)
        return QByteArray();
    if (bytes.size() <= maxBytes)
        return bytes;
    int i = 0;
    while (i < bytes.size()) {
        const int width = IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return bytes.left(i);
}

QByteArray FitToBytes(const QByteArray& bytes, int limit)
{
    if (bytes.size() <= limit)
        return bytes;
    return CutToBytes(bytes, limit) + QByteArray(Ellipsis);
}

QString FitToBytes(const QString& text, int limit)
{
    const auto bytes = Encode(text);
    if (!bytes)
        return text.left(limit); // not CP932 text: keep whole characters only
    return Decode(FitToBytes(*bytes, limit));
}

void CopyToField(char* field, int capacity, const QByteArray& bytes)
{
    const QByteArray cut = CutToBytes(bytes, capacity);
    std::memset(field, 0, static_cast<size_t>(capacity) + 1);
    std::memcpy(field, cut.constData(), static_cast<size_t>(cut.size()));
}

} // namespace tavelin::cp932

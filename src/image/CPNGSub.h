#pragma once
// Reads the colour a PNG file means to be transparent from its chunks: the
// background colour (bKGD) of images with alpha, the first transparent
// palette entry (tRNS, PLTE) of palette images. It keeps no state.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tavelin
{

class CPNGSub
{
public:
    // key = 0x00BBGGRR or -1. False when the file cannot be read, is not a
    // PNG or has no IHDR; nothing is shown (the loader carries on without).
    bool ReadTransparentColour(const QString& path, std::int32_t& key) const;

    // The same over the bytes of a PNG file.
    static bool TransparentColourFromBytes(const QByteArray& png, std::int32_t& key);
};

} // namespace tavelin

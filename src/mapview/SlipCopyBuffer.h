#pragma once
// The slips copied last: their records as they stood at copy time and their
// pictures. Each copy holds the picture's encoded bytes itself, so changing
// or removing a copied slip's picture afterwards never reaches the buffer.

#include "model/RouteModel.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace tavelin
{

class SlipViewHost;

class SlipCopyBuffer
{
public:
    struct Copy {
        SlipRec record;
        bool hasPicture = false;
        QByteArray pictureBytes; // the encoded bytes, as the data file stores them
        QImage decoded;          // the picture as decoded when copied; null: decode on use
    };

    // The selected slips in array order, replacing the buffer. False (and the
    // buffer emptied) when memory is short.
    bool Replace(const RouteModel& model);
    void Clear() { m_copies.clear(); }
    int count() const { return static_cast<int>(m_copies.size()); }
    bool empty() const { return m_copies.empty(); }
    const std::vector<Copy>& copies() const { return m_copies; }

private:
    std::vector<Copy> m_copies;
};

// Ctrl+C: the selected slips into the buffer and "[OBJ]" on the clipboard.
// Nothing happens without a selected slip; 30001 when memory is short.
void CopySelectedSlips(const RouteModel& model, SlipViewHost& host, SlipCopyBuffer& buffer);

// Appends a copy of every buffered slip, 20 map pixels right of and below
// where it stood when copied (inside the map), selected, nobody's note; the
// first becomes the primary slip. Stops with 30062 at the capacity. Returns
// the number of slips pasted.
int PasteSlips(RouteModel& model, SlipViewHost& host, const SlipCopyBuffer& buffer);

} // namespace tavelin

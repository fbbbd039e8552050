#pragma once
// The data file: the uncompressed dump of the RouteModel that a .tvn cabinet
// holds. Signature "TVN002    ", the 64-byte header, then layers, nodes and
// slips each behind a big-endian count, then the picture blocks (map, icons
// in layer order, slip pictures in slip order) whose lengths come only from
// the records before them.

#include <QByteArray>
#include <QString>
#include <cstdint>

class QIODevice;

namespace tavelin {

struct RouteModel;

constexpr int DataFileSignatureBytes = 10;
constexpr char DataFileSignature[] = "TVN002    ";

// The three counts are the file's only big-endian numbers.
void EncodeCount(std::uint32_t value, unsigned char bytes[4]);
std::uint32_t DecodeCount(const unsigned char bytes[4]);

// Writes the whole data file from the model. The caller has cleared the
// selection marks and stored the scroll position. A record whose size field
// disagrees with its picture's bytes is written with the true length, so the
// blocks after it stay where the reader looks for them. False when the device
// refuses a write.
bool DataFileWriter(QIODevice& file, const RouteModel& model);

// Replaces the model's contents with the file's. Versions 1 and 2 are read.
// On a refusal the message has been shown (with its diagnostic prefix) and
// the model is left empty: counts 0, no pictures. A file that is truncated,
// announces more bytes than it holds or names records that do not exist is
// refused before anything large is allocated. `version`, when given,
// receives the file's version (1 or 2) on success.
bool DataFileReader(QIODevice& file, RouteModel& model, int* version = nullptr);

// As DataFileReader, without showing anything: the message id and prefix of
// a refusal are returned instead (id 0 on success). For callers that report
// on their own (the fuzz target, tools).
struct DataFileResult {
    int messageId = 0;
    QString prefix;
    int version = 0;
    // Read in full, but a rendered icon could not be built (memory short);
    // DataFileReader shows 30001 for it.
    bool iconCellsMissing = false;
    bool ok() const { return messageId == 0; }
};
DataFileResult ReadDataFile(QIODevice& file, RouteModel& model);

} // namespace tavelin

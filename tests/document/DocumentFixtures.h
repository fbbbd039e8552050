#pragma once
// Small documents built record by record, for the data file, cabinet and
// open/save tests.

#include "model/RouteModel.h"

#include <QByteArray>
#include <QString>

namespace tavelin::test {

QByteArray EncodedImage(int width, int height, const char* format, unsigned rgb);

// Two layers (one icon decodes, the other's block is not an image), four
// nodes across both layers, a text slip noted by a node and an image slip,
// and a map. Records are filled byte by byte so padding is deterministic.
void FillSampleModel(RouteModel& model);

// The data file bytes of a model.
QByteArray DataFileBytes(const RouteModel& model);

// Writes bytes to a file; false on failure.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

} // namespace tavelin::test
